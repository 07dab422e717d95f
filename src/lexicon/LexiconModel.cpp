#include "lexicon/LexiconModel.h"

#include "data/RecordSet.h"
#include "data/Schema.h"

#include <algorithm>

LexiconModel::LexiconModel(RecordSet& recordSet, QObject* parent)
    : RecordSetModel(recordSet, {Schema::Field::Origine, Schema::Field::Traduction}, parent),
      recordSet_(recordSet) {
    // Runs inside the reset that follows every change of the set's rows: a grid scrolled far
    // down keeps what it had fetched.
    connect(this, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        fetched_ = std::min(std::max(fetched_, FetchSize), recordSet_.recordCount());
    });
    fetched_ = std::min(FetchSize, recordSet_.recordCount());
}

void LexiconModel::setConfirmation(Confirmation confirmation) {
    confirmation_ = std::move(confirmation);
    RecordSetModel::setConfirmation([this](int row, const QString& field, const QVariant& value) {
        answeredYes_ = !confirmation_ || confirmation_(row, field, value);
        emit confirmationAnswered();
        return answeredYes_;
    });
}

void LexiconModel::setAdding(bool adding) {
    beginResetModel();
    adding_ = adding;
    newOrigine_.clear();
    newTraduction_.clear();
    endResetModel();
}

int LexiconModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : fetched_ + (adding_ ? 1 : 0);
}

QVariant LexiconModel::data(const QModelIndex& index, int role) const {
    if (!isNewRow(index.row()))
        return RecordSetModel::data(index, role);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return index.column() == 0 ? newOrigine_ : newTraduction_;
}

bool LexiconModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!isEditable() || !index.isValid() || role != Qt::EditRole)
        return false;
    if (isNewRow(index.row()))
        return setNewRowData(index, value);
    if (data(index, Qt::EditRole).toString() == value.toString())
        return true; // nothing changed: nothing to ask or write
    answeredYes_ = false;
    if (RecordSetModel::setData(index, value, role))
        return true;
    if (answeredYes_) { // the answer was yes, the database said no
        if (recordSet_.editMode() != RecordSet::EditMode::None)
            recordSet_.cancelUpdate();
        reportFailure();
    }
    return false;
}

bool LexiconModel::setNewRowData(const QModelIndex& index, const QVariant& value) {
    (index.column() == 0 ? newOrigine_ : newTraduction_) = value.toString().trimmed();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    if (newOrigine_.toString().isEmpty() || newTraduction_.toString().isEmpty())
        return true;
    const bool yes =
        !confirmation_ || confirmation_(index.row(), fields().at(index.column()), value);
    emit confirmationAnswered();
    if (!yes) {
        setAdding(true); // the line empties again
        return false;
    }
    return addPair();
}

bool LexiconModel::addPair() {
    const bool added =
        recordSet_.addNew() && recordSet_.setField(Schema::Field::Origine, newOrigine_) &&
        recordSet_.setField(Schema::Field::Traduction, newTraduction_) && recordSet_.update();
    if (!added) {
        if (recordSet_.editMode() != RecordSet::EditMode::None)
            recordSet_.cancelUpdate();
        reportFailure();
        return false;
    }
    const qint64 rowId = recordSet_.lastModified();
    setAdding(false);
    emit pairAdded(rowId);
    return true;
}

void LexiconModel::reportFailure() {
    emit writeFailed(recordSet_.lastError().code, recordSet_.lastError().message);
}

bool LexiconModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && fetched_ < recordSet_.recordCount();
}

void LexiconModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent))
        return;
    const int more = std::min(FetchSize, recordSet_.recordCount() - fetched_);
    beginInsertRows({}, fetched_, fetched_ + more - 1);
    fetched_ += more;
    endInsertRows();
}
