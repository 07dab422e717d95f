#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;
class QCollator;
class QCollatorSortKey;

// What went wrong in a database operation. The code is SQLite's extended result code, or one of
// the codes below for faults found by this program itself; 0 means no error.
struct DbError {
    int code = 0;
    QString message;

    bool isError() const { return code != 0; }

    static constexpr int NoCurrentRow = -1;
    static constexpr int UnknownField = -2;
    static constexpr int NotEditing = -3;
    static constexpr int RowGone = -4;
    static constexpr int NotLearningDatabase = -5;
    static constexpr int NotOpen = -6;
};

// One prepared statement. Finalised on destruction, which also releases the file locks it held.
class DbStatement {
public:
    enum class Step { Row, Done, Failed };

    DbStatement() = default;
    explicit DbStatement(sqlite3_stmt* statement) : statement_(statement) {}
    ~DbStatement();
    DbStatement(DbStatement&& other) noexcept;
    DbStatement& operator=(DbStatement&& other) noexcept;
    DbStatement(const DbStatement&) = delete;
    DbStatement& operator=(const DbStatement&) = delete;

    bool isValid() const { return statement_ != nullptr; }
    // Binds the values to the placeholders 1..n. A bool is stored as -1 (true) or 0.
    bool bindAll(const QVariantList& values);
    Step step();
    // Makes the statement ready to run again and releases the locks it holds.
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    QVariant value(int column) const;
    qint64 int64(int column) const;
    bool isNull(int column) const;

private:
    bool bind(int index, const QVariant& value);

    sqlite3_stmt* statement_ = nullptr;
};

// One connection to a learning database file. Every connection waits for another program that
// holds the file (busy timeout) instead of failing, keeps the rollback journal, and carries two
// helpers that are registered on the connection only, never stored in the file:
// - the function brindel_fold(text): the text folded for comparison without regard to letter
//   case, for all of Unicode;
// - the collation brindel_text: French order, letter case ignored.
class DbConnection {
public:
    static constexpr int BusyTimeoutMs = 30000;

    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    // Opens an existing file for reading and writing; a missing file is never created. Returns
    // null and fills error when the file cannot be opened or is not an SQLite database.
    static std::unique_ptr<DbConnection> open(const QString& path, DbError& error);

    // Makes a new, empty learning database with the tables of Schema (content generator and
    // tests; the program itself never creates the file). Fails when the file exists.
    static bool create(const QString& path, DbError& error);

    // Whether every table of the learning database is present.
    bool hasLearningTables(DbError& error);

    DbStatement prepare(const QString& sql, DbError& error);
    // Runs one statement that returns no rows.
    bool execute(const QString& sql, const QVariantList& values, DbError& error);
    // Runs work inside one write transaction, committed when work succeeds and rolled back
    // otherwise. The write lock is taken at the start, so two programs never deadlock.
    bool inWriteTransaction(const std::function<bool(DbError&)>& work, DbError& error);

    qint64 lastInsertRowId() const;
    int changes() const;
    // Rows written by this connection since it opened; grows with every insert, update and
    // delete it makes.
    qint64 totalChanges() const;
    // A number that changes when another connection has changed the file since this
    // connection's last look (PRAGMA data_version). Fails with -1 in error.
    qint64 dataVersion(DbError& error);
    // The sort key of text in the order of the brindel_text collation.
    QCollatorSortKey sortKey(const QString& text) const;
    DbError lastError() const;
    const QString& path() const { return path_; }

private:
    DbConnection(sqlite3* handle, QString path);
    bool configure(DbError& error);

    sqlite3* handle_;
    QString path_;
    std::unique_ptr<QCollator> collator_;
};
