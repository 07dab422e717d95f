#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

class RecordSet;

// The rows of a record set as a table for a grid view: one column per field shown, one row per
// row of the set, in the set's order. The model follows the set (requery, additions,
// deletions). When editable, a changed cell is written at once as one update of that row,
// after the confirmation hook (if any) agrees; the grid's current row is the set's cursor.
class RecordSetModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Asked before a cell change is written; false keeps the stored value.
    using Confirmation = std::function<bool(int row, const QString& field, const QVariant& value)>;

    RecordSetModel(RecordSet& recordSet, QStringList fields, QObject* parent = nullptr);

    void setEditable(bool editable) { editable_ = editable; }
    bool isEditable() const { return editable_; }
    void setConfirmation(Confirmation confirmation) { confirmation_ = std::move(confirmation); }
    const QStringList& fields() const { return fields_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    RecordSet& recordSet_;
    QStringList fields_;
    bool editable_ = false;
    Confirmation confirmation_;
};
