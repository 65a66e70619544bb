// The kept game's tables and the record of the games played, on a real file.
#include "store/KeptGames.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class Kept : public ::testing::Test {
protected:
    TempFolder folder;
    KeptGames kept{folder.path() / "games.db"};
};

// Any text a cell may hold comes back as it went, the empty one included.
TEST(PackedTexts, ComeBackExactly) {
    const std::vector<std::string> texts = {"", "5", "a%b", "two\nlines", "%n", "%", "\n", ""};
    EXPECT_EQ(unpackTexts(packTexts(texts)), texts);
    EXPECT_TRUE(unpackTexts(packTexts({})).empty());
}

// An update writes its slots and forgets those dropped from the front or beyond
// the last recorded; a replace forgets every slot of the game before.
TEST_F(Kept, AGameComesBackAsItWasWrittenSlotBySlot) {
    EXPECT_FALSE(kept.load()) << "nothing kept yet";
    KeptGame game;
    game.givens = std::string(81, '0');
    game.level = "hard";
    game.lastRecorded = 2;
    game.history = {{0, "a", "b", "Start"}, {1, "c", "d", "r1c1 = 5"}, {2, "e", "f", "x"}};
    kept.replace(game);
    EXPECT_EQ(kept.load(), game);

    game.dropped = 1;
    game.lastRecorded = 2;
    game.seconds = 75;
    kept.update(game, {{3, "g", "h", "Update: 1 placed"}});
    game.history = {
        {1, "c", "d", "r1c1 = 5"}, {2, "e", "f", "x"}, {3, "g", "h", "Update: 1 placed"}};
    EXPECT_EQ(kept.load(), game);

    KeptGame next;
    next.history = {{0, "", "", "Start"}};
    kept.replace(next);
    EXPECT_EQ(kept.load(), next);
}

// Per level: played, solved, solved without help and their times, and the
// streak up to the last game finished; the game under way is only played.
TEST_F(Kept, TheRecordsCountEachLevelsGames) {
    const auto play = [&](const std::string& level, std::int64_t seconds, bool helped,
                          bool solved) {
        KeptGame game;
        game.level = level;
        game.seconds = seconds;
        game.helped = helped;
        game.solved = solved;
        const std::int64_t id = kept.beginRecord(level, std::chrono::system_clock::now());
        kept.updateRecord(id, game);
        return id;
    };
    play("easy", 300, false, true);
    play("easy", 200, true, true);
    play("easy", 100, false, false);
    play("easy", 500, false, true);
    play("easy", 400, false, true);
    play("", 50, false, true);
    const std::int64_t underWay = play("easy", 10, false, false);
    const std::vector<LevelRecord> records = kept.records({"easy", "hard"}, "other", underWay);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0], (LevelRecord{"easy", 6, 4, 3, 300, 400, 2}));
    EXPECT_EQ(records[1], (LevelRecord{"hard", 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(records[2], (LevelRecord{"other", 1, 1, 1, 50, 50, 1}));
    kept.resetRecords();
    EXPECT_EQ(kept.records({"easy"}, "other", 0)[0], (LevelRecord{"easy"}));
}

} // namespace
