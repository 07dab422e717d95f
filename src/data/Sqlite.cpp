#include "data/Sqlite.h"

#include "data/Schema.h"
#include "data/TextFold.h"

#include <QCollator>
#include <QFileInfo>
#include <QLocale>
#include <QSet>

#include <sqlite3.h>

namespace {

QString text(const unsigned char* data, int bytes) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), bytes);
}

// brindel_fold(x): x folded by foldCase; NULL stays NULL.
void foldFunction(sqlite3_context* context, int, sqlite3_value** arguments) {
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const unsigned char* data = sqlite3_value_text(arguments[0]);
    const QByteArray folded = foldCase(text(data, sqlite3_value_bytes(arguments[0]))).toUtf8();
    sqlite3_result_text(context, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
}

int collate(void* collator, int bytes1, const void* data1, int bytes2, const void* data2) {
    const QString a = QString::fromUtf8(static_cast<const char*>(data1), bytes1);
    const QString b = QString::fromUtf8(static_cast<const char*>(data2), bytes2);
    return static_cast<QCollator*>(collator)->compare(a, b);
}

DbError errorOf(sqlite3* handle) {
    return {sqlite3_extended_errcode(handle), QString::fromUtf8(sqlite3_errmsg(handle))};
}

} // namespace

// ---- DbStatement ----

DbStatement::~DbStatement() {
    sqlite3_finalize(statement_);
}

DbStatement::DbStatement(DbStatement&& other) noexcept : statement_(other.statement_) {
    other.statement_ = nullptr;
}

DbStatement& DbStatement::operator=(DbStatement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(statement_);
        statement_ = other.statement_;
        other.statement_ = nullptr;
    }
    return *this;
}

bool DbStatement::bindAll(const QVariantList& values) {
    for (int i = 0; i < values.size(); ++i) {
        if (!bind(i + 1, values.at(i)))
            return false;
    }
    return true;
}

bool DbStatement::bind(int index, const QVariant& value) {
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(statement_, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int64(statement_, index, value.toBool() ? -1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            rc = sqlite3_bind_int64(statement_, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(statement_, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(statement_, index, bytes.constData(), bytes.size(),
                                     SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray utf8 = value.toString().toUtf8();
            rc = sqlite3_bind_text64(statement_, index, utf8.constData(), utf8.size(),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
        }
        }
    }
    return rc == SQLITE_OK;
}

DbStatement::Step DbStatement::step() {
    switch (sqlite3_step(statement_)) {
    case SQLITE_ROW:
        return Step::Row;
    case SQLITE_DONE:
        return Step::Done;
    default:
        return Step::Failed;
    }
}

void DbStatement::reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

int DbStatement::columnCount() const {
    return sqlite3_column_count(statement_);
}

QString DbStatement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(statement_, column));
}

QVariant DbStatement::value(int column) const {
    switch (sqlite3_column_type(statement_, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(statement_, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(statement_, column));
    case SQLITE_TEXT: {
        const unsigned char* data = sqlite3_column_text(statement_, column);
        return QVariant(text(data, sqlite3_column_bytes(statement_, column)));
    }
    case SQLITE_BLOB: {
        const void* data = sqlite3_column_blob(statement_, column);
        return QVariant(
            QByteArray(static_cast<const char*>(data), sqlite3_column_bytes(statement_, column)));
    }
    default:
        return QVariant();
    }
}

qint64 DbStatement::int64(int column) const {
    return sqlite3_column_int64(statement_, column);
}

bool DbStatement::isNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

// ---- DbConnection ----

DbConnection::DbConnection(sqlite3* handle, QString path)
    : handle_(handle), path_(std::move(path)),
      collator_(std::make_unique<QCollator>(QLocale(QLocale::French, QLocale::France))) {
    collator_->setCaseSensitivity(Qt::CaseInsensitive);
}

DbConnection::~DbConnection() {
    sqlite3_close_v2(handle_);
}

std::unique_ptr<DbConnection> DbConnection::open(const QString& path, DbError& error) {
    sqlite3* handle = nullptr;
    const int rc =
        sqlite3_open_v2(path.toUtf8().constData(), &handle, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        error = handle ? errorOf(handle) : DbError{rc, QString::fromUtf8(sqlite3_errstr(rc))};
        sqlite3_close_v2(handle);
        return nullptr;
    }
    std::unique_ptr<DbConnection> connection(new DbConnection(handle, path));
    if (!connection->configure(error))
        return nullptr;
    return connection;
}

bool DbConnection::configure(DbError& error) {
    sqlite3_extended_result_codes(handle_, 1);
    sqlite3_busy_timeout(handle_, BusyTimeoutMs);
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    if (sqlite3_create_function_v2(handle_, "brindel_fold", 1, flags, nullptr, foldFunction,
                                   nullptr, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_create_collation_v2(handle_, "brindel_text", SQLITE_UTF8, collator_.get(), collate,
                                    nullptr) != SQLITE_OK) {
        error = errorOf(handle_);
        return false;
    }
    // The first statement reads the file header: a file that is not a database fails here.
    // The rollback journal suits a file on a network share; every commit reaches the disk.
    return execute(QStringLiteral("PRAGMA journal_mode=DELETE"), {}, error) &&
           execute(QStringLiteral("PRAGMA synchronous=FULL"), {}, error);
}

bool DbConnection::create(const QString& path, DbError& error) {
    if (QFileInfo::exists(path)) {
        error = {SQLITE_CANTOPEN, QStringLiteral("Le fichier existe déjà.")};
        return false;
    }
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &handle,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        error = handle ? errorOf(handle) : DbError{rc, QString::fromUtf8(sqlite3_errstr(rc))};
        sqlite3_close_v2(handle);
        return false;
    }
    std::unique_ptr<DbConnection> connection(new DbConnection(handle, path));
    return connection->configure(error) &&
           connection->inWriteTransaction(
               [&](DbError& failure) {
                   for (const QString& statement : Schema::createStatements()) {
                       if (!connection->execute(statement, {}, failure))
                           return false;
                   }
                   return true;
               },
               error);
}

bool DbConnection::hasLearningTables(DbError& error) {
    DbStatement statement =
        prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"), error);
    if (!statement.isValid())
        return false;
    QSet<QString> present;
    DbStatement::Step step;
    while ((step = statement.step()) == DbStatement::Step::Row)
        present.insert(foldCase(statement.value(0).toString()));
    if (step == DbStatement::Step::Failed) {
        error = lastError();
        return false;
    }
    for (const QString& table : Schema::tables()) {
        if (!present.contains(foldCase(table))) {
            error = {DbError::NotLearningDatabase,
                     QStringLiteral("La table %1 est absente de la base de données.").arg(table)};
            return false;
        }
    }
    return true;
}

DbStatement DbConnection::prepare(const QString& sql, DbError& error) {
    sqlite3_stmt* statement = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(handle_, utf8.constData(), int(utf8.size()), &statement, nullptr) !=
        SQLITE_OK) {
        error = lastError();
        sqlite3_finalize(statement);
        return DbStatement();
    }
    return DbStatement(statement);
}

bool DbConnection::execute(const QString& sql, const QVariantList& values, DbError& error) {
    DbStatement statement = prepare(sql, error);
    if (!statement.isValid())
        return false;
    if (!statement.bindAll(values)) {
        error = lastError();
        return false;
    }
    DbStatement::Step step;
    while ((step = statement.step()) == DbStatement::Step::Row) {
    }
    if (step == DbStatement::Step::Failed) {
        error = lastError();
        return false;
    }
    return true;
}

bool DbConnection::inWriteTransaction(const std::function<bool(DbError&)>& work, DbError& error) {
    if (!execute(QStringLiteral("BEGIN IMMEDIATE"), {}, error))
        return false;
    if (work(error) && execute(QStringLiteral("COMMIT"), {}, error))
        return true;
    // Whatever failed, nothing of the transaction stays: the error reported is the first one.
    DbError ignored;
    if (!sqlite3_get_autocommit(handle_))
        execute(QStringLiteral("ROLLBACK"), {}, ignored);
    return false;
}

qint64 DbConnection::lastInsertRowId() const {
    return sqlite3_last_insert_rowid(handle_);
}

int DbConnection::changes() const {
    return sqlite3_changes(handle_);
}

qint64 DbConnection::totalChanges() const {
    return sqlite3_total_changes64(handle_);
}

qint64 DbConnection::dataVersion(DbError& error) {
    DbStatement statement = prepare(QStringLiteral("PRAGMA data_version"), error);
    if (!statement.isValid())
        return -1;
    if (statement.step() != DbStatement::Step::Row) {
        error = lastError();
        return -1;
    }
    return statement.int64(0);
}

QCollatorSortKey DbConnection::sortKey(const QString& text) const {
    return collator_->sortKey(text);
}

DbError DbConnection::lastError() const {
    return errorOf(handle_);
}
