// A thin layer over SQLite's C API that owns what it opens: a connection, a
// prepared statement with bound parameters, and a transaction.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// A database call that failed. what() is a plain sentence for the user: what is
// wrong with the file, not which call failed.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Database {
public:
    enum class Access { ReadWrite, ReadOnly };

    // Opens `file`. ReadWrite creates a missing file, and falls back to reading
    // only when the file cannot be written. Throws StoreError.
    Database(const std::filesystem::path& file, Access access);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs statements that take no parameters. Throws StoreError.
    void exec(const char* sql);
    // True when every write will be refused.
    bool readOnly() const;
    // Rows changed by the last insert, update or delete.
    int changes() const;

    // Throws the StoreError for result code `code` of the last call.
    [[noreturn]] void fail(int code) const;
    // The connection, for the statements and transactions on it.
    sqlite3* handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    // Prepares one statement; "?N" marks parameter N. Throws StoreError.
    Statement(Database& db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds parameter `index` (from 1).
    void bind(int index, std::string_view text);
    void bind(int index, std::int64_t value);
    // Runs to the next row: true when a row is ready, false when done. Throws StoreError.
    bool step();
    // Makes the statement ready to run again; the parameters keep their values.
    void reset();

    int columnCount() const;
    std::string columnName(int col) const;
    // Column `col` (from 0) of the row; NULL reads as "".
    std::string text(int col) const;
    std::int64_t integer(int col) const;

private:
    Database& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// Takes the write lock at once, so a busy file fails before anything is written;
// rolls back on destruction unless committed.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Throws StoreError; the transaction is then rolled back.
    void commit();

private:
    Database& db_;
    bool open_ = true;
};
