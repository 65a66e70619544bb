// The stored games on a real database file: their folder, labels, what each change returns.
#include "store/StoredGames.h"

#include "store/GameFolder.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <fstream>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

namespace {

using namespace std::chrono;
using State = StoreChange::State;

const sys_seconds SomeDay = sys_days{year{2026} / 12 / 5};

class Store : public ::testing::Test {
protected:
    Store() { EXPECT_EQ(games.open().state, StoreOpening::State::Usable); }

    TempFolder folder;
    StoredGames games{folder.path()};
};

TEST_F(Store, LabelsCarryTheLocalDateOfTheSave) {
    const struct {
        const char* zone;
        sys_seconds when;
        const char* ending;
    } cases[] = {
        {"UTC-14", sys_days{year{2026} / 12 / 31} + 12h, "-1/1/27"}, // 14 hours ahead
        {"UTC", sys_days{year{2026} / 12 / 31} + 23h + 59min + 59s, "-31/12/26"},
        {"UTC", sys_days{year{2009} / 1 / 2}, "-2/1/09"},
    };
    for (const auto& [zone, when, ending] : cases) {
        setenv("TZ", zone, 1);
        tzset();
        EXPECT_EQ(games.save(std::string(81, '0'), when).state, State::Done);
        const std::string label = games.entries().front().label;
        EXPECT_TRUE(label.ends_with(ending)) << label;
    }
}

// A saved board comes back as it went in; with nothing chosen the newest is meant;
// a delete removes the chosen game only and leaves the newest current. With the
// last game gone there is nothing to restore or delete, and a new game never takes
// a deleted one's number.
TEST_F(Store, SavedBoardsComeBackAndADeleteRemovesOnlyTheChosenOne) {
    const std::string older(81, '1'), newer(81, '2');
    games.save(older, SomeDay);
    games.save(newer, SomeDay);
    const Bookmark olderGame = games.entries().at(1).bookmark;
    EXPECT_EQ(games.restore(std::nullopt), newer);
    EXPECT_EQ(games.restore(olderGame), older);
    EXPECT_EQ(games.restore(std::nullopt), older) << "the restored game stays current";
    EXPECT_EQ(games.chooseForDelete(olderGame), "1");
    const StoreChange change = games.deleteCurrent();
    EXPECT_EQ(std::pair(change.state, change.reloadReason), std::pair(State::Done, std::string()));
    ASSERT_EQ(games.entries().size(), 1u);
    EXPECT_EQ(games.currentLabel(), games.entries()[0].label);
    EXPECT_EQ(games.restore(std::nullopt), newer);
    EXPECT_EQ(games.chooseForDelete(olderGame), std::nullopt) << "a game that is gone";
    ASSERT_EQ(games.chooseForDelete(std::nullopt), "2");
    games.deleteCurrent();
    EXPECT_EQ(games.restore(std::nullopt), "");
    EXPECT_EQ(games.chooseForDelete(std::nullopt), std::nullopt);
    games.save(older, SomeDay);
    EXPECT_EQ(games.chooseForDelete(std::nullopt), "3");
}

// The board a game is stored under, as 81 characters with "0" for an empty cell.
std::string board(char digit, int at) {
    std::string d1(81, '0');
    d1[static_cast<std::size_t>(at)] = digit;
    return d1;
}

// Stored games are compared by the board Restore shows, so an old text with
// other empty marks or a missing end is still the same board.
TEST_F(Store, AnImportAddsOnlyBoardsNotStoredYetAndExportsOldestFirst) {
    games.save(board('1', 0), SomeDay);
    games.save("0000002", SomeDay); // as an older program stored a board
    const StoreImport outcome = games.import(
        {board('3', 4), board('1', 0), board('3', 4), board('2', 6), board('4', 80)}, SomeDay);
    EXPECT_EQ(std::tuple(outcome.change.state, outcome.change.reloadReason, outcome.added,
                         outcome.alreadyStored, outcome.repeated),
              std::tuple(State::Done, "", 2, 2, 1));
    EXPECT_EQ(games.boards(), std::vector<std::string>(
                                  {board('1', 0), board('2', 6), board('3', 4), board('4', 80)}));
    EXPECT_EQ(games.restore(std::nullopt), board('4', 80)) << "the last imported is the newest";
}

// While another program writes, every change fails with the reason and changes
// nothing; an import is one transaction.
TEST_F(Store, EveryChangeTheFileRefusesFailsWithItsReasonAndWritesNothing) {
    games.save(board('1', 0), SomeDay);
    Database other(folder.path() / GameStoreFileName, Database::Access::ReadWrite);
    other.exec("begin immediate");
    const StoreChange save = games.save(board('2', 1), SomeDay);
    const StoreImport import = games.import({board('2', 1), board('3', 2)}, SomeDay);
    ASSERT_TRUE(games.chooseForDelete(std::nullopt));
    const StoreChange deletion = games.deleteCurrent();
    other.exec("rollback");
    for (const StoreChange& change : {save, import.change, deletion})
        EXPECT_EQ(std::pair(change.state, change.reason),
                  std::pair(State::Failed, std::string("the file is in use by another program")));
    EXPECT_EQ(import.added, 0);
    StoredGames reopened{folder.path()};
    reopened.open();
    EXPECT_EQ(reopened.boards(), std::vector<std::string>{board('1', 0)});
}

TEST(StoreWithoutFolder, TouchesNothingAndSaysWhy) {
    StoredGames games{{}};
    EXPECT_EQ(games.open().state, StoreOpening::State::NoFolder);
    EXPECT_EQ(games.save(std::string(81, '1'), SomeDay).state, State::NoFolder);
    EXPECT_EQ(games.restore(std::nullopt), "");
    EXPECT_EQ(games.chooseForDelete(std::nullopt), std::nullopt);
    EXPECT_TRUE(games.entries().empty());
    EXPECT_EQ(games.import({std::string(81, '1')}, SomeDay).change.state, State::NoFolder);
    EXPECT_EQ(games.boards(), std::nullopt);
}

namespace fs = std::filesystem;

// Beside the program unless that folder can neither serve nor be written; a data
// folder chosen is created when missing, and only then. A folder that does not
// exist takes no file.
TEST(GameFolder, StaysBesideTheProgramUnlessThatFolderCanNeitherServeNorBeWritten) {
    const struct {
        const char* name;
        bool databaseThere, writable, dataFolder, dataChosen;
    } cases[] = {
        {"AFolderTheUserCannotWrite", false, false, true, true},
        {"ADatabaseWhereTheUserCannotWrite", true, false, true, false},
        {"AWritableFolder", false, true, true, false},
        {"NoDataFolderToGoTo", false, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder root;
        const fs::path program = root.path() / "bin", home = root.path() / "home";
        const fs::path data = home / "share" / "tabrel";
        fs::permissions(root.path(), fs::perms(0755));
        fs::create_directory(program);
        if (c.databaseThere)
            std::ofstream(program / GameStoreFileName) << "";
        fs::permissions(program, fs::perms(c.writable ? 0777 : 0755));
        fs::create_directory(home);
        fs::permissions(home, fs::perms(0777));
        const std::string seen = asUnprivilegedUser([&] {
            const fs::path chosen = gameFolder(program, c.dataFolder ? data : fs::path());
            return chosen.string() + (fs::is_directory(data) ? " +data" : "") +
                   (canCreateFilesIn(program) ? " writable" : "") +
                   (canCreateFilesIn(home / "missing") ? " missing" : "");
        });
        EXPECT_EQ(seen, (c.dataChosen ? data.string() + " +data" : program.string()) +
                            (c.writable ? " writable" : ""));
    }
}

} // namespace
