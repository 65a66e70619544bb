// The game in progress, kept in the game database beside table1 so that it
// survives the program's end, and the record of every game played. Each write
// is one transaction: a crash leaves the tables as the last commit did.
#pragma once

#include "store/Sqlite.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// One history slot of the kept game. `seq` counts slots from the game's first:
// it is the slot number plus the slots dropped from the front since.
struct KeptSlot {
    std::int64_t seq = 0;
    std::string grid1; // the 81 texts of each grid, packed (packTexts)
    std::string grid3;
    std::string label;
    friend bool operator==(const KeptSlot&, const KeptSlot&) = default;
};

struct KeptGame {
    std::string givens; // 81 characters, "1"-"9" a given, "0" an empty cell
    std::string grid1;  // the grids as shown, packed
    std::string grid3;
    std::string candidates; // CandArr's 81 strings, packed
    int histIdx = 0;
    int lastRecorded = 0;
    std::int64_t dropped = 0; // slots dropped from the front of the history
    std::string level;        // "" for a game without one
    std::int64_t seconds = 0; // time played
    int hints = 0;
    bool helped = false; // "Auto Play" ran
    bool solved = false;
    std::int64_t record = 0;       // its row of the games played
    std::vector<KeptSlot> history; // its slots, by seq
    friend bool operator==(const KeptGame&, const KeptGame&) = default;
};

// Texts joined into one, each kept exactly whatever it holds.
std::string packTexts(const std::vector<std::string>& texts);
std::vector<std::string> unpackTexts(std::string_view packed);

// The games played at one level: how many, solved, solved without hints or
// "Auto Play" ("clean"), and the times of the clean ones.
struct LevelRecord {
    std::string level;
    int played = 0;
    int solved = 0;
    int clean = 0;
    std::int64_t bestSeconds = 0; // 0 with no clean game
    std::int64_t averageSeconds = 0;
    int streak = 0; // games solved one after another, up to the last one finished
    friend bool operator==(const LevelRecord&, const LevelRecord&) = default;
};

class KeptGames {
public:
    // Opens `file`, creating the tables it needs. Throws StoreError.
    explicit KeptGames(const std::filesystem::path& file);

    // True when nothing can be kept: the file refuses every write.
    bool readOnly() const { return db_.readOnly(); }

    // The kept game with all its slots; none when no game is kept.
    std::optional<KeptGame> load();
    // A game is kept: what load would find, without reading it.
    bool hasGame();
    // Keeps `game` and its slots in place of the game kept before.
    void replace(const KeptGame& game);
    // Writes `game`'s own fields and the slots `changed`, and forgets the slots
    // dropped from the front (below game.dropped) or beyond game.lastRecorded.
    void update(const KeptGame& game, const std::vector<KeptSlot>& changed);

    // A new row of the games played, begun `when` at `level`; returns its id.
    std::int64_t beginRecord(const std::string& level, std::chrono::system_clock::time_point when);
    // Sets what the game of row `id` has come to.
    void updateRecord(std::int64_t id, const KeptGame& game);
    // Each level's record in the order of `levels`, games of any other level
    // counting for `other`. The game of row `playing` is under way: it is
    // played, but neither ends a streak nor is finished.
    std::vector<LevelRecord> records(const std::vector<std::string>& levels,
                                     const std::string& other, std::int64_t playing);
    // Forgets every game played.
    void resetRecords();

private:
    bool hasTables();
    void writeGame(const KeptGame& game);
    void writeSlots(const std::vector<KeptSlot>& rows);

    Database db_;
};
