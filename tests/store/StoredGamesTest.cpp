// The stored games against a real database file in a fresh folder: labels, and
// what each change returns.
#include "store/StoredGames.h"

#include "support/TempFolder.h"

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
// a delete removes the chosen game only and leaves the newest current.
TEST_F(Store, SavedBoardsComeBackAndADeleteRemovesOnlyTheChosenOne) {
    const std::string older(81, '1'), newer(81, '2');
    games.save(older, SomeDay);
    games.save(newer, SomeDay);
    ASSERT_EQ(games.entries().size(), 2u);
    const Bookmark olderGame = games.entries()[1].bookmark;
    EXPECT_EQ(games.restore(std::nullopt), newer);
    EXPECT_EQ(games.restore(olderGame), older);
    EXPECT_EQ(games.restore(std::nullopt), older) << "the restored game stays current";
    EXPECT_EQ(games.chooseForDelete(olderGame), "1");
    const StoreChange change = games.deleteCurrent();
    EXPECT_EQ(change.state, State::Done);
    EXPECT_EQ(change.reloadReason, "");
    ASSERT_EQ(games.entries().size(), 1u);
    EXPECT_EQ(games.currentLabel(), games.entries()[0].label);
    EXPECT_EQ(games.restore(std::nullopt), newer);
    EXPECT_EQ(games.chooseForDelete(olderGame), std::nullopt) << "a game that is gone";
}

// Every failure comes back with its reason, and nothing is written.
TEST_F(Store, AChangeTheFileRefusesIsReturnedAsFailedWithItsReason) {
    games.save(std::string(81, '1'), SomeDay);
    Database other(folder.path() / GameStoreFileName, Database::Access::ReadWrite);
    other.exec("begin immediate"); // another program is writing
    const StoreChange save = games.save(std::string(81, '2'), SomeDay);
    EXPECT_EQ(save.state, State::Failed);
    EXPECT_EQ(save.reason, "the file is in use by another program");
    ASSERT_TRUE(games.chooseForDelete(std::nullopt));
    EXPECT_EQ(games.deleteCurrent().state, State::Failed);
    other.exec("rollback");
    StoredGames reopened{folder.path()};
    reopened.open();
    EXPECT_EQ(reopened.entries().size(), 1u);
}

TEST(StoreWithoutFolder, TouchesNothingAndSaysWhy) {
    StoredGames games{{}};
    EXPECT_EQ(games.open().state, StoreOpening::State::NoFolder);
    EXPECT_EQ(games.save(std::string(81, '1'), SomeDay).state, State::NoFolder);
    EXPECT_EQ(games.restore(std::nullopt), "");
    EXPECT_EQ(games.chooseForDelete(std::nullopt), std::nullopt);
    EXPECT_TRUE(games.entries().empty());
}

} // namespace
