#include "data/DataControl.h"

DataControl::DataControl(QObject* parent) : QObject(parent) {}

DataControl::~DataControl() = default;

bool DataControl::refresh() {
    error_ = {};
    if (!connection_ || connection_->path() != databaseName_) {
        if (!connect())
            return false;
    }
    if (recordSource_.isEmpty()) {
        recordSet_.close();
        return true;
    }
    if (!recordSet_.open(*connection_, recordSource_))
        return fail(recordSet_.lastError());
    return true;
}

bool DataControl::connect() {
    recordSet_.close();
    connection_.reset();
    if (databaseName_.isEmpty())
        return fail({DbError::NotOpen, QStringLiteral("Aucun fichier de base de données.")});
    DbError error;
    std::unique_ptr<DbConnection> connection = DbConnection::open(databaseName_, error);
    if (!connection || !connection->hasLearningTables(error))
        return fail(error);
    connection_ = std::move(connection);
    return true;
}

bool DataControl::fail(const DbError& error) {
    error_ = error;
    if (!suppressErrors_)
        emit errorOccurred(error_);
    return false;
}
