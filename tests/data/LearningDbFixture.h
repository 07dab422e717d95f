#pragma once

#include "data/DataControl.h"
#include "data/Schema.h"
#include "data/Sqlite.h"

#include <QString>
#include <QVariantMap>

#include <memory>

// Small helpers that make learning databases for the data tests and benchmarks.
namespace LearningDbFixture {

// Creates an empty learning database at path; returns false when it could not.
inline bool create(const QString& path) {
    DbError error;
    return DbConnection::create(path, error);
}

// A data control on a table of the database at path, refreshed; null when it does not open.
inline std::unique_ptr<DataControl> open(const QString& path, const QString& table) {
    auto data = std::make_unique<DataControl>();
    data->setDatabaseName(path);
    data->setRecordSource(table);
    return data->refresh() ? std::move(data) : nullptr;
}

// Adds one row through the record set (one committed addition).
inline bool addRow(RecordSet& rs, const QVariantMap& fields) {
    if (!rs.addNew())
        return false;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        if (!rs.setField(it.key(), it.value()))
            return false;
    }
    return rs.update();
}

inline bool addPupil(RecordSet& rs, const QString& name, const QString& group = QString(),
                     const QString& password = QStringLiteral("abc")) {
    return addRow(rs, {{Schema::Field::Nom, name},
                       {Schema::Field::Groupe, group},
                       {Schema::Field::Motdepasse, password}});
}

// Runs one statement on its own connection (setting up triggers, checking raw contents).
inline bool execute(const QString& path, const QString& sql) {
    DbError error;
    std::unique_ptr<DbConnection> connection = DbConnection::open(path, error);
    return connection && connection->execute(sql, {}, error);
}

} // namespace LearningDbFixture
