#pragma once

// A learning database made once for a whole benchmark run, and a data control opened on it.
#include "data/DataControl.h"
#include "data/Sqlite.h"

#include <QTemporaryDir>
#include <functional>

// Creates the database in a folder that lasts for the run and fills it in one transaction
// with `fill`, which runs its statements through the connection; stops the run on failure.
inline QString makeBenchDatabase(const std::function<bool(DbConnection&, DbError&)>& fill) {
    static QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("DbBrin.mdb"));
    DbError error;
    if (!DbConnection::create(file, error))
        qFatal("cannot create %s", qPrintable(file));
    auto connection = DbConnection::open(file, error);
    if (!connection || !connection->inWriteTransaction(
                           [&](DbError& failure) { return fill(*connection, failure); }, error))
        qFatal("cannot fill: %s", qPrintable(error.message));
    return file;
}

// Points the data control at one table of the database, as a window does when it opens.
inline void openBenchTable(DataControl& data, const QString& path, const QString& table) {
    data.setDatabaseName(path);
    data.setRecordSource(table);
    if (!data.refresh())
        qFatal("refresh failed");
}
