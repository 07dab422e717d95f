#pragma once

#include "data/RecordSet.h"
#include "data/Sqlite.h"

#include <QObject>
#include <QString>

#include <memory>

// A window's link to the learning database: a database path, a record source (a table name)
// and the record set over it.
//     data.setDatabaseName(général.CheminBase);
//     data.setRecordSource(Schema::Table::Gestion);
//     if (data.refresh()) { RecordSet& rs = data.recordSet(); ... }
// refresh() opens the file when the path changed (the file must be an existing learning
// database: it is never created) and rebuilds the record set over the whole table, without
// filter or sort. Failures return false with the reason in lastError(); unless errors are
// suppressed, they are also announced by errorOccurred() for a window that shows them.
class DataControl : public QObject {
    Q_OBJECT

public:
    explicit DataControl(QObject* parent = nullptr);
    ~DataControl() override;

    void setDatabaseName(const QString& path) { databaseName_ = path; }
    const QString& databaseName() const { return databaseName_; }
    void setRecordSource(const QString& table) { recordSource_ = table; }
    const QString& recordSource() const { return recordSource_; }

    bool refresh();
    bool isConnected() const { return connection_ != nullptr; }

    // The main window's control answers its own errors with "continue": nothing is announced.
    void setSuppressErrors(bool suppress) { suppressErrors_ = suppress; }
    bool suppressErrors() const { return suppressErrors_; }

    // Valid for the life of the control; refresh() rebuilds it in place.
    RecordSet& recordSet() { return recordSet_; }
    const DbError& lastError() const { return error_; }

signals:
    void errorOccurred(const DbError& error);

private:
    bool connect();
    bool fail(const DbError& error);

    QString databaseName_;
    QString recordSource_;
    bool suppressErrors_ = false;
    std::unique_ptr<DbConnection> connection_;
    RecordSet recordSet_; // declared after the connection it uses, so it goes first
    DbError error_;
};
