#include "data/OrderedKeys.h"

#include "data/Criterion.h"
#include "data/TextFold.h"

#include <QCollatorSortKey>

#include <algorithm>
#include <numeric>

bool OrderedKeys::refresh(DbConnection& connection, const QString& table, const QString& field,
                          DbError& error) {
    // Both counters are read before the rows, so a write that lands in between is seen as a
    // change on the next refresh.
    const qint64 totalChanges = connection.totalChanges();
    const qint64 dataVersion = connection.dataVersion(error);
    if (dataVersion < 0) {
        valid_ = false;
        return false;
    }
    if (valid_ && connection_ == &connection && table_ == table && field_ == field &&
        totalChanges_ == totalChanges && dataVersion_ == dataVersion)
        return true;
    valid_ = read(connection, table, field, error);
    connection_ = &connection;
    table_ = table;
    field_ = field;
    totalChanges_ = totalChanges;
    dataVersion_ = dataVersion;
    if (!valid_) {
        entries_.clear();
        byFolded_.clear();
    }
    return valid_;
}

bool OrderedKeys::read(DbConnection& connection, const QString& table, const QString& field,
                       DbError& error) {
    DbStatement statement =
        connection.prepare(QStringLiteral("SELECT rowid, %1 FROM %2")
                               .arg(quotedIdentifier(field), quotedIdentifier(table)),
                           error);
    if (!statement.isValid())
        return false;
    std::vector<Entry> entries;
    std::vector<QCollatorSortKey> keys;
    DbStatement::Step step;
    while ((step = statement.step()) == DbStatement::Step::Row) {
        if (statement.isNull(1)) {
            entries.push_back({statement.int64(0), true, QString()});
            keys.push_back(connection.sortKey(QString()));
            continue;
        }
        const QVariant value = statement.value(1);
        // Numbers and blobs sort between NULLs and texts in SQLite: left to SQLite.
        if (value.typeId() != QMetaType::QString)
            return false;
        const QString text = value.toString();
        entries.push_back({statement.int64(0), false, foldCase(text)});
        keys.push_back(connection.sortKey(text));
    }
    if (step == DbStatement::Step::Failed) {
        error = connection.lastError();
        return false;
    }
    statement.reset();

    std::vector<int> order(entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const Entry& x = entries[size_t(a)];
        const Entry& y = entries[size_t(b)];
        if (x.isNull != y.isNull)
            return x.isNull;
        if (!x.isNull) {
            const int c = keys[size_t(a)].compare(keys[size_t(b)]);
            if (c != 0)
                return c < 0;
        }
        return x.rowId < y.rowId;
    });
    entries_.clear();
    entries_.reserve(entries.size());
    for (int i : order)
        entries_.push_back(std::move(entries[size_t(i)]));
    byFolded_.clear();
    for (int i = 0; i < int(entries_.size()); ++i) {
        if (!entries_[size_t(i)].isNull)
            byFolded_.push_back(i);
    }
    std::sort(byFolded_.begin(), byFolded_.end(), [this](int a, int b) {
        return entries_[size_t(a)].folded < entries_[size_t(b)].folded;
    });
    return true;
}

QList<qint64> OrderedKeys::all() const {
    QList<qint64> ids;
    ids.reserve(qsizetype(entries_.size()));
    for (const Entry& entry : entries_)
        ids << entry.rowId;
    return ids;
}

QList<qint64> OrderedKeys::startingWith(const QString& foldedPrefix) const {
    auto it = std::lower_bound(byFolded_.begin(), byFolded_.end(), foldedPrefix,
                               [this](int position, const QString& prefix) {
                                   return entries_[size_t(position)].folded < prefix;
                               });
    std::vector<int> found;
    for (; it != byFolded_.end() && entries_[size_t(*it)].folded.startsWith(foldedPrefix); ++it)
        found.push_back(*it);
    std::sort(found.begin(), found.end());
    QList<qint64> ids;
    ids.reserve(qsizetype(found.size()));
    for (int position : found)
        ids << entries_[size_t(position)].rowId;
    return ids;
}
