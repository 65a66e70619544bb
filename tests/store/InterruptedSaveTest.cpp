// Saves killed midway: the file stays whole and keeps every committed game and a kept game.
#include "store/KeptGames.h"
#include "store/StoredGames.h"
#include "support/TempFolder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Kills = 60;

// A kept game whose last slot is slot `last`, each slot labelled with its seq.
KeptGame keptUpTo(int last) {
    KeptGame game;
    game.lastRecorded = game.histIdx = last;
    game.grid3 = packTexts(std::vector<std::string>(81, std::to_string(last)));
    return game;
}

// Saves in a loop until killed, each game stored and a slot added to the kept
// game, writing each saved game's id down `report` once both transactions have
// committed. Never returns.
[[noreturn]] void saveUntilKilled(const std::filesystem::path& folder, int report) {
    StoredGames games(folder);
    if (games.open().state != StoreOpening::State::Usable)
        _exit(2);
    KeptGames kept(folder / GameStoreFileName);
    const std::optional<KeptGame> before = kept.load();
    const int first = before ? before->lastRecorded + 1 : 0;
    if (!before) {
        KeptGame start = keptUpTo(0);
        start.history = {{0, "", "", "0"}};
        kept.replace(start);
    }
    for (std::int64_t n = 0;; ++n) {
        const int last = first + static_cast<int>(n);
        kept.update(keptUpTo(last), {{last, "", "", std::to_string(last)}});
        const std::string board = std::to_string(n) + std::string(80, '5');
        if (games.save(board.substr(0, 81), std::chrono::system_clock::now()).state !=
            StoreChange::State::Done)
            _exit(3);
        const Bookmark id = games.entries().front().bookmark;
        if (write(report, &id, sizeof id) != sizeof id)
            _exit(4);
    }
}

// Starts a saver, kills it as soon as it has reported `reports` saves (the saver
// runs on meanwhile, so the kill falls anywhere in a save), and returns every id
// it reported.
std::vector<Bookmark> killASaver(const std::filesystem::path& folder, int reports) {
    int channel[2];
    EXPECT_EQ(pipe(channel), 0);
    const pid_t saver = fork();
    if (saver == 0) {
        close(channel[0]);
        saveUntilKilled(folder, channel[1]);
    }
    close(channel[1]);
    std::vector<Bookmark> ids;
    Bookmark id = 0;
    while (std::ssize(ids) < reports && read(channel[0], &id, sizeof id) == sizeof id)
        ids.push_back(id);
    kill(saver, SIGKILL);
    int status = 0;
    waitpid(saver, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the saver stopped on its own: status " << status;
    while (read(channel[0], &id, sizeof id) == sizeof id)
        ids.push_back(id);
    close(channel[0]);
    return ids;
}

TEST(InterruptedSave, AKilledSaveLeavesAWholeFileWithEveryCommittedGame) {
    TempFolder folder;
    std::vector<Bookmark> committed;
    for (int kill = 0; kill < Kills; ++kill) {
        const std::vector<Bookmark> ids = killASaver(folder.path(), 1 + kill % 5);
        committed.insert(committed.end(), ids.begin(), ids.end());
    }

    // Opening for writing rolls back a save cut off half-way, as the program's start-up does.
    Database db(folder.path() / GameStoreFileName, Database::Access::ReadWrite);
    Statement check(db, "pragma integrity_check");
    ASSERT_TRUE(check.step());
    EXPECT_EQ(check.text(0), "ok");
    std::set<Bookmark> stored;
    Statement rows(db, "select id, length(d1) from table1");
    while (rows.step()) {
        stored.insert(rows.integer(0));
        EXPECT_EQ(rows.integer(1), 81) << "game " << rows.integer(0);
    }
    for (Bookmark id : committed)
        EXPECT_TRUE(stored.count(id)) << "committed game " << id << " is gone";
    const std::optional<KeptGame> game = KeptGames(folder.path() / GameStoreFileName).load();
    ASSERT_TRUE(game);
    ASSERT_EQ(std::ssize(game->history), game->lastRecorded + 1) << "a slot per write, no more";
    for (const KeptSlot& slot : game->history)
        EXPECT_EQ(slot.label, std::to_string(slot.seq));
    EXPECT_EQ(unpackTexts(game->grid3).front(), std::to_string(game->lastRecorded));
}

} // namespace
