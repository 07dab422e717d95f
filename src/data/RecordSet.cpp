#include "data/RecordSet.h"

#include <QSet>

namespace {
const QString noCurrentRowText = QStringLiteral("Aucun enregistrement en cours.");
} // namespace

RecordSet::RecordSet(QObject* parent) : QObject(parent) {}

bool RecordSet::fail(int code, const QString& message) {
    error_ = {code, message};
    return false;
}

bool RecordSet::failWith(const DbError& error) {
    error_ = error;
    return false;
}

bool RecordSet::checkOpen() {
    if (connection_)
        return true;
    return fail(DbError::NotOpen, QStringLiteral("Le jeu d'enregistrements n'est pas ouvert."));
}

// ---- opening ----

bool RecordSet::open(DbConnection& connection, const QString& table) {
    close();
    connection_ = &connection;
    table_ = table;
    if (!readColumns() || !loadRowIds()) {
        const DbError error = error_;
        close();
        return failWith(error);
    }
    return true;
}

void RecordSet::close() {
    rowStatement_ = DbStatement();
    connection_ = nullptr;
    table_.clear();
    columns_.clear();
    rowIds_.clear();
    filter_.reset();
    sort_.clear();
    orderedKeys_ = OrderedKeys();
    pending_.clear();
    editMode_ = EditMode::None;
    noMatch_ = false;
    placeAt(-1);
    emit rowsChanged();
}

bool RecordSet::readColumns() {
    DbError error;
    DbStatement statement = connection_->prepare(
        QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(quotedIdentifier(table_)), error);
    if (!statement.isValid())
        return failWith(error);
    columns_.clear();
    for (int i = 0; i < statement.columnCount(); ++i)
        columns_ << statement.columnName(i);
    return true;
}

bool RecordSet::loadRowIds() {
    QList<qint64> ids;
    if (std::optional<QList<qint64>> ordered = rowIdsFromOrderedKeys())
        ids = std::move(*ordered);
    else if (!rowIdsFromSql(ids))
        return false;
    rowIds_ = std::move(ids);
    pending_.clear();
    editMode_ = EditMode::None;
    noMatch_ = false;
    placeAt(rowIds_.isEmpty() ? -1 : 0);
    emit rowsChanged();
    return true;
}

// The ordered keys answer a sorted set with no filter or with one "starts with" text on the
// sort field; anything else, or keys that cannot be read, goes to SQLite.
std::optional<QList<qint64>> RecordSet::rowIdsFromOrderedKeys() {
    if (!orderedKeysEnabled_ || sort_.isEmpty())
        return std::nullopt;
    QString prefix;
    if (filter_) {
        if (filter_->terms().size() != 1)
            return std::nullopt;
        const Criterion::Term& term = filter_->terms().constFirst();
        const QVariant value = filter_->boundValues().constFirst();
        if (term.comparison != Criterion::Comparison::StartsWith ||
            term.field.compare(sort_, Qt::CaseInsensitive) != 0 ||
            value.typeId() != QMetaType::QString)
            return std::nullopt;
        prefix = value.toString();
    }
    DbError ignored;
    if (!orderedKeys_.refresh(*connection_, table_, sort_, ignored))
        return std::nullopt;
    return filter_ ? orderedKeys_.startingWith(prefix) : orderedKeys_.all();
}

bool RecordSet::rowIdsFromSql(QList<qint64>& ids) {
    QString sql = QStringLiteral("SELECT rowid FROM %1").arg(quotedIdentifier(table_));
    QVariantList values;
    if (filter_) {
        sql += QStringLiteral(" WHERE ") + filter_->whereClause();
        values = filter_->boundValues();
    }
    sql += QStringLiteral(" ORDER BY ");
    if (!sort_.isEmpty())
        sql += quotedIdentifier(sort_) + QStringLiteral(" COLLATE brindel_text, ");
    sql += QStringLiteral("rowid");

    DbError error;
    DbStatement statement = connection_->prepare(sql, error);
    if (!statement.isValid() || !statement.bindAll(values))
        return failWith(statement.isValid() ? connection_->lastError() : error);
    DbStatement::Step step;
    while ((step = statement.step()) == DbStatement::Step::Row)
        ids << statement.int64(0);
    if (step == DbStatement::Step::Failed)
        return failWith(connection_->lastError());
    return true;
}

bool RecordSet::requery() {
    if (!checkOpen())
        return false;
    if (!sort_.isEmpty() && !checkFields({sort_}))
        return false;
    if (filter_ && !checkFields(filter_->fields()))
        return false;
    if (!sort_.isEmpty())
        sort_ = *canonicalField(sort_);
    return loadRowIds();
}

std::optional<QString> RecordSet::canonicalField(const QString& name) const {
    for (const QString& column : columns_) {
        if (column.compare(name, Qt::CaseInsensitive) == 0)
            return column;
    }
    return std::nullopt;
}

bool RecordSet::checkFields(const QStringList& names) {
    for (const QString& name : names) {
        if (!canonicalField(name))
            return fail(
                DbError::UnknownField,
                QStringLiteral("Le champ %1 n'existe pas dans la table %2.").arg(name, table_));
    }
    return true;
}

// ---- cursor ----

void RecordSet::placeAt(int position) {
    position_ = position;
    place_ = Place::OnPosition;
    cachedRowId_.reset();
    emit currentChanged();
}

bool RecordSet::bof() const {
    return rowIds_.isEmpty() || position_ < 0;
}

bool RecordSet::eof() const {
    return rowIds_.isEmpty() || position_ >= rowIds_.size();
}

bool RecordSet::hasCurrent() const {
    return place_ == Place::OnPosition && position_ >= 0 && position_ < rowIds_.size();
}

int RecordSet::absolutePosition() const {
    return hasCurrent() ? position_ : -1;
}

qint64 RecordSet::currentRowId() const {
    return hasCurrent() ? rowIds_.at(position_) : 0;
}

bool RecordSet::moveFirst() {
    if (!checkOpen())
        return false;
    cancelUpdate();
    if (rowIds_.isEmpty())
        return fail(DbError::NoCurrentRow, noCurrentRowText);
    placeAt(0);
    return true;
}

bool RecordSet::moveLast() {
    if (!checkOpen())
        return false;
    cancelUpdate();
    if (rowIds_.isEmpty())
        return fail(DbError::NoCurrentRow, noCurrentRowText);
    placeAt(int(rowIds_.size()) - 1);
    return true;
}

bool RecordSet::moveNext() {
    if (!checkOpen())
        return false;
    cancelUpdate();
    if (place_ == Place::AfterDeletion) {
        placeAt(position_); // the row that followed the deleted one
        return true;
    }
    if (eof())
        return fail(DbError::NoCurrentRow, noCurrentRowText);
    placeAt(position_ + 1);
    return true;
}

bool RecordSet::movePrevious() {
    if (!checkOpen())
        return false;
    cancelUpdate();
    if (bof())
        return fail(DbError::NoCurrentRow, noCurrentRowText);
    placeAt(std::min(position_, int(rowIds_.size())) - 1);
    return true;
}

bool RecordSet::moveTo(int position) {
    if (!checkOpen())
        return false;
    if (position < 0 || position >= rowIds_.size())
        return fail(DbError::NoCurrentRow, noCurrentRowText);
    cancelUpdate();
    placeAt(position);
    return true;
}

bool RecordSet::moveToRowId(qint64 rowId) {
    if (!checkOpen())
        return false;
    const int index = int(rowIds_.indexOf(rowId));
    if (index < 0)
        return fail(DbError::NoCurrentRow, noCurrentRowText);
    cancelUpdate();
    placeAt(index);
    return true;
}

// ---- searches ----

bool RecordSet::findFirst(const Criterion& criterion) {
    return find(criterion, 0);
}

bool RecordSet::findNext(const Criterion& criterion) {
    const int from = place_ == Place::AfterDeletion ? position_ : std::max(position_ + 1, 0);
    return find(criterion, from);
}

bool RecordSet::find(const Criterion& criterion, int from) {
    if (search(criterion, from))
        return true;
    // A search that failed found nothing: the row of an earlier search must not stay current,
    // or a caller would read another pupil's fields as the answer.
    noMatch_ = true;
    place_ = Place::NoCurrent;
    cachedRowId_.reset();
    emit currentChanged();
    return false;
}

bool RecordSet::search(const Criterion& criterion, int from) {
    if (!checkOpen() || !checkFields(criterion.fields()))
        return false;
    cancelUpdate();
    DbError error;
    DbStatement statement =
        connection_->prepare(QStringLiteral("SELECT rowid FROM %1 WHERE %2")
                                 .arg(quotedIdentifier(table_), criterion.whereClause()),
                             error);
    if (!statement.isValid())
        return failWith(error);
    if (!statement.bindAll(criterion.boundValues()))
        return failWith(connection_->lastError());
    QSet<qint64> matching;
    DbStatement::Step step;
    while ((step = statement.step()) == DbStatement::Step::Row)
        matching.insert(statement.int64(0));
    if (step == DbStatement::Step::Failed)
        return failWith(connection_->lastError());

    for (int i = from; i < rowIds_.size(); ++i) {
        if (matching.contains(rowIds_.at(i))) {
            noMatch_ = false;
            placeAt(i);
            return true;
        }
    }
    noMatch_ = true;
    place_ = Place::NoCurrent;
    cachedRowId_.reset();
    emit currentChanged();
    return true;
}

// ---- fields ----

bool RecordSet::readRow(qint64 rowId) const {
    if (cachedRowId_ == rowId)
        return true;
    cachedRowId_.reset();
    if (!rowStatement_.isValid()) {
        DbError error;
        rowStatement_ = connection_->prepare(
            QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(quotedIdentifier(table_)),
            error);
        if (!rowStatement_.isValid())
            return false;
    }
    // The statement is reset before returning, so that it holds no lock on the file.
    const bool found =
        rowStatement_.bindAll({rowId}) && rowStatement_.step() == DbStatement::Step::Row;
    if (found) {
        cachedValues_.clear();
        for (int i = 0; i < rowStatement_.columnCount(); ++i)
            cachedValues_ << rowStatement_.value(i);
        cachedRowId_ = rowId;
    }
    rowStatement_.reset();
    return found; // not found: deleted by another program, or the file is unreadable
}

QVariant RecordSet::field(const QString& name) const {
    const std::optional<QString> column = canonicalField(name);
    if (!column)
        return {};
    if (editMode_ != EditMode::None && pending_.contains(*column))
        return pending_.value(*column);
    if (editMode_ == EditMode::Adding || !hasCurrent() || !readRow(currentRowId()))
        return {};
    return cachedValues_.value(int(columns_.indexOf(*column)));
}

QVariant RecordSet::fieldAt(int position, const QString& name) const {
    const std::optional<QString> column = canonicalField(name);
    if (!column || position < 0 || position >= rowIds_.size() || !readRow(rowIds_.at(position)))
        return {};
    return cachedValues_.value(int(columns_.indexOf(*column)));
}

// ---- changes ----

bool RecordSet::edit() {
    if (!checkOpen())
        return false;
    if (!hasCurrent())
        return fail(DbError::NoCurrentRow, noCurrentRowText);
    pending_.clear();
    editMode_ = EditMode::Editing;
    return true;
}

bool RecordSet::addNew() {
    if (!checkOpen())
        return false;
    pending_.clear();
    editMode_ = EditMode::Adding;
    return true;
}

bool RecordSet::setField(const QString& name, const QVariant& value) {
    if (editMode_ == EditMode::None)
        return fail(DbError::NotEditing,
                    QStringLiteral("Aucune modification ni ajout n'est en cours."));
    const std::optional<QString> column = canonicalField(name);
    if (!column)
        return checkFields({name});
    pending_.insert(*column, value);
    return true;
}

void RecordSet::cancelUpdate() {
    endEdit();
}

void RecordSet::endEdit() {
    pending_.clear();
    editMode_ = EditMode::None;
}

bool RecordSet::update() {
    if (!checkOpen())
        return false;
    bool written = false;
    switch (editMode_) {
    case EditMode::None:
        return fail(DbError::NotEditing,
                    QStringLiteral("Aucune modification ni ajout n'est en cours."));
    case EditMode::Editing:
        written = writeEdit();
        break;
    case EditMode::Adding:
        written = writeAddition();
        break;
    }
    endEdit();
    cachedRowId_.reset();
    return written;
}

bool RecordSet::writeEdit() {
    if (!hasCurrent())
        return fail(DbError::NoCurrentRow, noCurrentRowText);
    if (pending_.isEmpty())
        return true;
    QStringList assignments;
    QVariantList values;
    for (auto it = pending_.cbegin(); it != pending_.cend(); ++it) {
        assignments << quotedIdentifier(it.key()) + QStringLiteral(" = ?");
        values << it.value();
    }
    const qint64 rowId = currentRowId();
    values << rowId;
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                            .arg(quotedIdentifier(table_), assignments.join(QStringLiteral(", ")));
    DbError error;
    const bool ok = connection_->inWriteTransaction(
        [&](DbError& failure) {
            if (!connection_->execute(sql, values, failure))
                return false;
            if (connection_->changes() == 1)
                return true;
            failure = {DbError::RowGone,
                       QStringLiteral("L'enregistrement a été supprimé par ailleurs.")};
            return false;
        },
        error);
    if (!ok)
        return failWith(error);
    lastModified_ = rowId;
    return true;
}

bool RecordSet::writeAddition() {
    QStringList names;
    QStringList placeholders;
    QVariantList values;
    for (auto it = pending_.cbegin(); it != pending_.cend(); ++it) {
        names << quotedIdentifier(it.key());
        placeholders << QStringLiteral("?");
        values << it.value();
    }
    const QString sql =
        names.isEmpty()
            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quotedIdentifier(table_))
            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(quotedIdentifier(table_), names.join(QStringLiteral(", ")),
                       placeholders.join(QStringLiteral(", ")));
    DbError error;
    qint64 rowId = 0;
    const bool ok = connection_->inWriteTransaction(
        [&](DbError& failure) {
            if (!connection_->execute(sql, values, failure))
                return false;
            rowId = connection_->lastInsertRowId();
            return true;
        },
        error);
    if (!ok)
        return failWith(error);
    // A new row joins the end of the set; the cursor stays where it was.
    lastModified_ = rowId;
    rowIds_ << rowId;
    emit rowsChanged();
    return true;
}

bool RecordSet::deleteCurrent() {
    if (!checkOpen())
        return false;
    cancelUpdate();
    if (!hasCurrent())
        return fail(DbError::NoCurrentRow, noCurrentRowText);
    const qint64 rowId = currentRowId();
    DbError error;
    const bool ok = connection_->inWriteTransaction(
        [&](DbError& failure) {
            return connection_->execute(
                QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quotedIdentifier(table_)),
                {rowId}, failure);
        },
        error);
    if (!ok)
        return failWith(error);
    rowIds_.removeAt(position_);
    cachedRowId_.reset();
    place_ =
        rowIds_.isEmpty() || position_ >= rowIds_.size() ? Place::OnPosition : Place::AfterDeletion;
    if (rowIds_.isEmpty())
        position_ = -1;
    emit rowsChanged();
    emit currentChanged();
    return true;
}
