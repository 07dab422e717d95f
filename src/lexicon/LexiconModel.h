#pragma once

#include "data/RecordSetModel.h"

#include <QVariant>

// The lexicon's grid model: the pairs Origine / Traduction of a record set, fetched a screenful
// at a time as the grid scrolls, and, while adding, an empty new-row line after them. A changed
// cell of a stored row is written after the confirmation (an unchanged one asks nothing); the
// new row is kept aside until both its words are typed, then, after the same confirmation, added
// in one transaction. The signals tell the window what became of a write.
class LexiconModel : public RecordSetModel {
    Q_OBJECT

public:
    static constexpr int FetchSize = 64;

    explicit LexiconModel(RecordSet& recordSet, QObject* parent = nullptr);

    void setConfirmation(Confirmation confirmation);
    // Shows or hides the new-row line; hiding it forgets what was typed into it.
    void setAdding(bool adding);
    bool isAdding() const { return adding_; }
    bool isNewRow(int row) const { return adding_ && row == fetched_; }
    // The number of stored rows the model holds so far (the rest come with fetchMore).
    int fetchedRows() const { return fetched_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

signals:
    // The confirmation was asked and answered (after a write, or after nothing was written).
    void confirmationAnswered();
    // A pair was added; rowId names it.
    void pairAdded(qint64 rowId);
    // The database refused a write; nothing was stored.
    void writeFailed(int code, const QString& message);

private:
    bool setNewRowData(const QModelIndex& index, const QVariant& value);
    bool addPair();
    void reportFailure();

    RecordSet& recordSet_;
    Confirmation confirmation_;
    int fetched_ = 0;
    bool adding_ = false;
    bool answeredYes_ = false;
    QVariant newOrigine_;
    QVariant newTraduction_;
};
