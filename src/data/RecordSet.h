#pragma once

#include "data/Criterion.h"
#include "data/OrderedKeys.h"
#include "data/Sqlite.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// The rows of one table (optionally filtered and sorted) with a cursor on one of them. The set
// keeps the row ids and reads a row's fields when the cursor reaches it, so other programs'
// changes to a row are seen; rows added or deleted elsewhere appear on the next requery.
//
// Cursor: before the first row (bof), on a row, or after the last (eof); both bof and eof when
// the set is empty. After a search that found nothing and after a deletion there is no current
// row: field() reads nothing and edit() and deleteCurrent() refuse, so a write never lands on a
// row nobody asked for. After a deletion, moveNext() goes to the row that followed it.
//
// Changes: edit() or addNew(), then setField(...) and update(). Each update, addition and
// deletion is one committed transaction; only the fields set are written. Every operation
// returns false on failure, with the reason in lastError().
class RecordSet : public QObject {
    Q_OBJECT

public:
    enum class EditMode { None, Editing, Adding };

    explicit RecordSet(QObject* parent = nullptr);

    // Opens the whole table in row order; filter and sort are cleared. Used by DataControl.
    bool open(DbConnection& connection, const QString& table);
    void close();
    bool isOpen() const { return connection_ != nullptr; }
    const QString& table() const { return table_; }
    const QStringList& fieldNames() const { return columns_; }

    // ---- cursor ----
    bool moveFirst();
    bool moveLast();
    bool moveNext();
    bool movePrevious();
    bool bof() const;
    bool eof() const;
    bool hasCurrent() const;
    // The number of rows in the set, known at once (it needs no move to the last row).
    int recordCount() const { return int(rowIds_.size()); }
    // 0-based position of the current row, -1 when there is none.
    int absolutePosition() const;
    qint64 currentRowId() const;
    bool moveTo(int position);
    bool moveToRowId(qint64 rowId);

    // ---- searches, from the first row or from the row after the current one ----
    bool findFirst(const Criterion& criterion);
    bool findNext(const Criterion& criterion);
    bool noMatch() const { return noMatch_; }

    // ---- fields of the current row (names ignore letter case) ----
    // An unknown field or no current row reads as an invalid QVariant. During edit() or
    // addNew() a field reads the value given to setField().
    QVariant field(const QString& name) const;
    // A field of the row at position (0-based) without moving the cursor (for grids).
    QVariant fieldAt(int position, const QString& name) const;

    // ---- changes ----
    bool edit();
    bool addNew();
    bool setField(const QString& name, const QVariant& value);
    bool update();
    void cancelUpdate();
    EditMode editMode() const { return editMode_; }
    bool deleteCurrent();
    // Row id of the row last updated or added.
    qint64 lastModified() const { return lastModified_; }

    // ---- filter and sort, applied by requery() ----
    void setFilter(const std::optional<Criterion>& filter) { filter_ = filter; }
    // Field to sort on, ascending, letters in French order without regard to case; the empty
    // text keeps row order.
    void setSort(const QString& field) { sort_ = field; }
    const QString& sort() const { return sort_; }
    // Rebuilds the set with the current filter and sort; the cursor goes to the first row.
    bool requery();
    // A sorted set without a filter, or filtered on the start of its sort field, is served from
    // the field's ordered keys, read once and kept until the table changes; off, every requery
    // asks SQLite. Both give the same rows in the same order.
    void setOrderedKeysEnabled(bool enabled) { orderedKeysEnabled_ = enabled; }

    const DbError& lastError() const { return error_; }

signals:
    // The rows of the set were rebuilt, or a row was added or deleted.
    void rowsChanged();
    // The cursor moved to another row (or to none).
    void currentChanged();

private:
    enum class Place { OnPosition, NoCurrent, AfterDeletion };

    bool fail(int code, const QString& message);
    bool failWith(const DbError& error);
    bool checkOpen();
    std::optional<QString> canonicalField(const QString& name) const;
    bool checkFields(const QStringList& names);
    bool readColumns();
    bool loadRowIds();
    std::optional<QList<qint64>> rowIdsFromOrderedKeys();
    bool rowIdsFromSql(QList<qint64>& ids);
    bool readRow(qint64 rowId) const;
    bool find(const Criterion& criterion, int from);
    bool search(const Criterion& criterion, int from);
    void placeAt(int position);
    bool writeEdit();
    bool writeAddition();
    void endEdit();

    DbConnection* connection_ = nullptr;
    QString table_;
    QStringList columns_;
    QList<qint64> rowIds_;
    int position_ = -1;
    Place place_ = Place::OnPosition;
    bool noMatch_ = false;

    mutable DbStatement rowStatement_; // reads one row's fields
    mutable std::optional<qint64> cachedRowId_;
    mutable QVariantList cachedValues_;

    EditMode editMode_ = EditMode::None;
    QHash<QString, QVariant> pending_; // canonical field name -> value to write
    qint64 lastModified_ = 0;

    std::optional<Criterion> filter_;
    QString sort_;
    bool orderedKeysEnabled_ = true;
    OrderedKeys orderedKeys_;
    DbError error_;
};
