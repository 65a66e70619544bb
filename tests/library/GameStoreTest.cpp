// The store on a real file: created when missing, newest first with fresh ids,
// labels as the list shows them, and no write through a read-only connection.
#include "library/GameStore.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class GameStoreTest : public ::testing::Test {
protected:
    std::filesystem::path file() const { return folder.path() / GameStoreFileName; }

    TempFolder folder;
};

std::vector<std::string> labels(const GameStore& store) {
    std::vector<std::string> labels;
    for (const ListEntry& entry : store.entries())
        labels.push_back(entry.label);
    return labels;
}

// AUTOINCREMENT: a deleted game's number must never name a later game.
TEST_F(GameStoreTest, ListsNewestFirstAndNeverReusesAnId) {
    {
        GameStore store(file());
        EXPECT_TRUE(store.entries().empty());
        for (const char* d1 : {"1", "2", "3"})
            store.addNew("2026-12-05 10:00:00", d1);
    }
    GameStore store(file());
    store.deleteCurrent();
    store.addNew("2026-12-05 10:00:01", "4");
    store.requery();
    EXPECT_EQ(labels(store), (std::vector<std::string>{"4-5/12/26", "2-5/12/26", "1-5/12/26"}));
    EXPECT_EQ(store.field("d1"), "4");
}

TEST_F(GameStoreTest, ReadsFieldsByNameInAnyCaseAndRefusesUnknownBookmarks) {
    GameStore store(file());
    EXPECT_EQ(store.field("id"), std::nullopt) << "an empty set has no current row";
    store.addNew("2026-12-05 10:00:00", "5'); drop table table1; --");
    store.addNew("2026-12-06 11:00:00", "6");
    store.requery();
    ASSERT_TRUE(store.moveTo(1));
    EXPECT_EQ(store.field("GAME"), "1-5/12/26");
    EXPECT_EQ(store.field("Id"), "1");
    EXPECT_EQ(store.field("Date"), "2026-12-05 10:00:00");
    EXPECT_EQ(store.field("D1"), "5'); drop table table1; --") << "texts are bound, not spliced";
    EXPECT_EQ(store.field("title"), std::nullopt);
    EXPECT_FALSE(store.moveTo(7));
    EXPECT_EQ(store.field("id"), "1") << "a failed move keeps the current row";
}

TEST_F(GameStoreTest, ReadOnlyAccessRefusesEveryWriteAndChangesNothing) {
    EXPECT_THROW(GameStore(file(), Database::Access::ReadOnly), StoreError);
    EXPECT_FALSE(std::filesystem::exists(file())) << "reading only never creates the file";
    GameStore(file()).addNew("2026-12-05 10:00:00", "1");

    GameStore store(file(), Database::Access::ReadOnly);
    EXPECT_TRUE(store.readOnly());
    EXPECT_THROW(store.addNew("2026-12-06 10:00:00", "2"), StoreError);
    EXPECT_THROW(store.deleteCurrent(), StoreError);
    store.requery();
    EXPECT_EQ(labels(store), std::vector<std::string>{"1-5/12/26"});
}

} // namespace
