#pragma once

#include "data/Sqlite.h"

#include <QList>
#include <QString>

#include <vector>

// The row ids of one table in the order of one field (NULLs first, then the texts in the order
// of the brindel_text collation, ties by row id), each with its field's text folded by foldCase.
// Read once with one plain SELECT and sorted here, so a search on the start of the field does
// not call brindel_fold and the collation for every row of the table. The keys are read again
// when the table or field changes, when the connection has written anything, or when another
// connection has changed the file.
class OrderedKeys {
public:
    // Makes the keys current for table and field. Returns false when they cannot be read, or
    // when the field holds a value that is neither text nor NULL (the caller then asks SQLite).
    bool refresh(DbConnection& connection, const QString& table, const QString& field,
                 DbError& error);

    // Every row id in order.
    QList<qint64> all() const;
    // The row ids, in order, whose folded text begins with foldedPrefix; NULL never matches.
    QList<qint64> startingWith(const QString& foldedPrefix) const;

private:
    struct Entry {
        qint64 rowId;
        bool isNull;
        QString folded;
    };

    bool read(DbConnection& connection, const QString& table, const QString& field, DbError& error);

    const DbConnection* connection_ = nullptr;
    QString table_;
    QString field_;
    qint64 totalChanges_ = -1;
    qint64 dataVersion_ = -1;
    bool valid_ = false;
    std::vector<Entry> entries_;
    // Positions in entries_ of the texts (not NULLs) in the order of their folded text, so the
    // rows that begin with a prefix form one range found by binary search.
    std::vector<int> byFolded_;
};
