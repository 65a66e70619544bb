// The stored games: table1 of the database file, read newest first as a set of
// rows with one current row, each row labelled as the list of games shows it.
#pragma once

#include "store/Sqlite.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What makes a stored game's row current again.
using Bookmark = std::int64_t;

// A stored game as the list of games shows it.
struct GameEntry {
    std::string label;
    Bookmark bookmark = 0;
    friend bool operator==(const GameEntry&, const GameEntry&) = default;
};

// `when` in local time, as the date columns hold it: "YYYY-MM-DD HH:MM:SS".
std::string localDateTime(std::chrono::system_clock::time_point when);

// The database file's name, in the program's folder.
inline constexpr const char* GameStoreFileName = "VardelGame.mdb";

class GameStore {
public:
    // Opens `file` and loads the set. ReadWrite creates a missing file and a
    // missing table1; ReadOnly changes nothing. Throws StoreError.
    explicit GameStore(const std::filesystem::path& file,
                       Database::Access access = Database::Access::ReadWrite);

    // True when the file refuses every write.
    bool readOnly() const { return db_.readOnly(); }

    // Appends a game stored at `date` (local "YYYY-MM-DD HH:MM:SS") holding board
    // text `d1`; the database numbers it. The set is not reloaded. Throws
    // StoreError, and nothing is stored then.
    void addNew(std::string_view date, std::string_view d1);
    // Appends one game stored at `date` for each board text of `d1s`, in order,
    // in one transaction: all of them or, on a StoreError, none.
    void addAll(std::string_view date, const std::vector<std::string>& d1s);
    // Reloads the set newest first; the first row becomes current, none when the
    // set is empty. Throws StoreError, and the set is left as it was then.
    void requery();
    // Makes the row with `bookmark` current; false, and the current row is kept,
    // when no row carries it.
    bool moveTo(Bookmark bookmark);
    // Makes the first row current; false when the set is empty.
    bool moveFirst();
    // The named column of the current row: "Game", "id", "date" or "d1", in any
    // case. None without a current row or for another name; a NULL reads as "".
    std::optional<std::string> field(std::string_view name) const;
    // Deletes the current row from the file, and no other; the row leaves the set
    // and no row is current until the next requery or move. Does nothing without
    // a current row. Throws StoreError, and nothing is deleted then.
    void deleteCurrent();

    // Every row's label and bookmark, in the set's order.
    std::vector<GameEntry> entries() const;
    // Every row's board text d1, in the set's order.
    std::vector<std::string> boards() const;

private:
    struct Row {
        Bookmark bookmark;
        std::vector<std::string> values; // one per column
    };

    Database db_;
    std::vector<std::string> columns_;
    std::vector<Row> rows_;
    int current_ = -1; // index into rows_, -1 for none
};
