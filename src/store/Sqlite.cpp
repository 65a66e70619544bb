// Connection, statement and transaction over SQLite, with its failures put into words.
#include "store/Sqlite.h"

#include <sqlite3.h>

namespace {

// How long a call waits for another program's lock before it gives up.
constexpr int BusyTimeoutMs = 500;

std::string reasonFor(int code, const char* detail) {
    switch (code & 0xff) {
    case SQLITE_NOTADB:
        return "the file is not a game database";
    case SQLITE_CANTOPEN:
        return "the file cannot be opened or created";
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "the file is in use by another program";
    case SQLITE_READONLY:
        return "the file is read-only";
    case SQLITE_FULL:
        return "the disk is full";
    case SQLITE_CORRUPT:
        return "the file is damaged";
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_IOERR:
        return std::string("the file cannot be read or written (") + detail + ")";
    default:
        // Our statements are fixed, so an error here means the file holds a
        // different table than ours.
        return std::string("the file does not hold the stored games (") + detail + ")";
    }
}

} // namespace

Database::Database(const std::filesystem::path& file, Access access) {
    const int flags = access == Access::ReadOnly ? SQLITE_OPEN_READONLY
                                                 : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const int result = sqlite3_open_v2(file.c_str(), &db_, flags, nullptr);
    if (result != SQLITE_OK) {
        // A failed open may still hand out a connection, which has to be closed.
        StoreError error(reasonFor(result, db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(result)));
        sqlite3_close(db_);
        throw error;
    }
    sqlite3_busy_timeout(db_, BusyTimeoutMs);
}

Database::~Database() {
    sqlite3_close(db_);
}

void Database::exec(const char* sql) {
    if (const int result = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); result != SQLITE_OK)
        fail(result);
}

bool Database::readOnly() const {
    return sqlite3_db_readonly(db_, "main") == 1;
}

int Database::changes() const {
    return sqlite3_changes(db_);
}

void Database::fail(int code) const {
    throw StoreError(reasonFor(code, sqlite3_errmsg(db_)));
}

Statement::Statement(Database& db, std::string_view sql) : db_(db) {
    const int result =
        sqlite3_prepare_v2(db.handle(), sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
    if (result != SQLITE_OK)
        db_.fail(result);
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

void Statement::bind(int index, std::string_view text) {
    const int result = sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                                         SQLITE_TRANSIENT);
    if (result != SQLITE_OK)
        db_.fail(result);
}

void Statement::bind(int index, std::int64_t value) {
    if (const int result = sqlite3_bind_int64(stmt_, index, value); result != SQLITE_OK)
        db_.fail(result);
}

bool Statement::step() {
    const int result = sqlite3_step(stmt_);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        db_.fail(result);
    return false;
}

void Statement::reset() {
    sqlite3_reset(stmt_);
}

int Statement::columnCount() const {
    return sqlite3_column_count(stmt_);
}

std::string Statement::columnName(int col) const {
    return sqlite3_column_name(stmt_, col);
}

std::string Statement::text(int col) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, col));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, col)))
                : std::string();
}

std::int64_t Statement::integer(int col) const {
    return sqlite3_column_int64(stmt_, col);
}

Transaction::Transaction(Database& db) : db_(db) {
    db_.exec("begin immediate");
}

Transaction::~Transaction() {
    if (open_)
        sqlite3_exec(db_.handle(), "rollback", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
    db_.exec("commit");
    open_ = false;
}
