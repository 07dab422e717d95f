#include "data/RecordSetModel.h"

#include "data/RecordSet.h"

RecordSetModel::RecordSetModel(RecordSet& recordSet, QStringList fields, QObject* parent)
    : QAbstractTableModel(parent), recordSet_(recordSet), fields_(std::move(fields)) {
    connect(&recordSet_, &RecordSet::rowsChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int RecordSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : recordSet_.recordCount();
}

int RecordSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(fields_.size());
}

QVariant RecordSetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return recordSet_.fieldAt(index.row(), fields_.at(index.column()));
}

QVariant RecordSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < fields_.size() ? QVariant(fields_.at(section))
                                                        : QVariant();
    return section + 1;
}

Qt::ItemFlags RecordSetModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (editable_ && index.isValid())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool RecordSetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!editable_ || !index.isValid() || role != Qt::EditRole)
        return false;
    const QString& field = fields_.at(index.column());
    if (confirmation_ && !confirmation_(index.row(), field, value))
        return false;
    const bool written = recordSet_.moveTo(index.row()) && recordSet_.edit() &&
                         recordSet_.setField(field, value) && recordSet_.update();
    if (written)
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return written;
}
