// The stored games as the form's commands use them: the database file in the
// program's folder, opened at start-up, and the saves, restores and deletes on
// it, each returning what came of it.
#pragma once

#include "store/GameStore.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct StoreOpening {
    enum class State {
        NoFolder, // there is no file for stored games
        Usable,
        ReadOnly, // games can be restored, not saved or deleted
        Unusable, // nothing can be done with the file, and it is left as it was
    };
    State state = State::NoFolder;
    std::string reason; // Unusable: what is wrong with the file
};

// What came of a save or a delete.
struct StoreChange {
    enum class State {
        Done,
        NoFolder,  // there is no file for stored games
        NotOpened, // the file could not be used at start-up
        Failed,    // the file refused; no stored game changed
    };
    State state = State::Done;
    std::string reason; // Failed: what is wrong with the file
    // Done: why the games could not be reloaded afterwards; "" when they were.
    std::string reloadReason;
};

// What came of an import.
struct StoreImport {
    StoreChange change; // not Done: nothing was added
    int added = 0;
    int alreadyStored = 0; // the board of a stored game
    int repeated = 0;      // the board of an earlier entry of the same import
};

class StoredGames {
public:
    // The file GameStoreFileName in `folder`. With an empty folder there is no
    // file, and nothing is ever touched.
    explicit StoredGames(std::filesystem::path folder);

    // Opens the file, creating a missing one, and loads its games newest first,
    // the newest current.
    StoreOpening open();
    // The games loaded, newest first; none when the file is not open.
    std::vector<GameEntry> entries() const;
    // The file's full name.
    std::string file() const;
    // There is a file for stored games at all.
    bool hasFolder() const { return !folder_.empty(); }

    // Stores board text `d1` dated `when` (local time), then reloads the games.
    StoreChange save(std::string_view d1, std::chrono::system_clock::time_point when);
    // Stores, dated `when`, each board text of `d1s` (81 characters, "0" an empty
    // cell) that is neither the board of a stored game nor of an earlier entry,
    // all in one transaction, then reloads the games.
    StoreImport import(const std::vector<std::string>& d1s,
                       std::chrono::system_clock::time_point when);
    // The board of every game, oldest first, as Restore puts it on the play grid:
    // 81 characters, "1"-"9" a given and "0" an empty cell. None when no file is open.
    std::optional<std::vector<std::string>> boards() const;

    // Makes the game `chosen` current, or keeps the current game when none is
    // chosen or the chosen one is gone, and returns its board text; "" when there
    // is no such game.
    std::string restore(std::optional<Bookmark> chosen);
    // Makes the game `chosen` current, or keeps the current game when none is
    // chosen, and returns its id; none when there is no file or no such game.
    std::optional<std::string> chooseForDelete(std::optional<Bookmark> chosen);
    // Deletes the current game and no other, reloads the games and makes the
    // newest current.
    StoreChange deleteCurrent();
    // The current game's label; "" when there is none.
    std::string currentLabel() const;

private:
    // Why nothing can be written: there is no file, or it was not opened.
    StoreChange notOpen() const;
    // The reason when the games could not be reloaded; "" when they were.
    std::string reload();

    std::filesystem::path folder_;
    std::optional<GameStore> store_; // none when no file can be used
};
