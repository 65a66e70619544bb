// "Save Game", "Restore Game", "Delete Game" and start-up against a real database
// file in a fresh folder.
#include "library/GameStore.h"
#include "support/FormFixture.h"
#include "support/TempFolder.h"

#include <fstream>
#include <functional>
#include <memory>
#include <stdlib.h>
#include <time.h>

namespace {

using namespace std::chrono;

void useTimeZone(const char* zone) {
    setenv("TZ", zone, 1);
    tzset();
}

// The bytes of a file; "" for anything else.
std::string contentsOf(const std::filesystem::path& file) {
    if (!std::filesystem::is_regular_file(file))
        return {};
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class GameCommands : public ::testing::Test {
protected:
    GameCommands() { useTimeZone("UTC"); }

    std::filesystem::path file() const { return folder.path() / GameStoreFileName; }
    // Stores games straight into the file, as an earlier run of the program would have.
    void storeEarlier(std::initializer_list<std::string_view> boards) {
        GameStore store(file());
        for (std::string_view d1 : boards)
            store.addNew("2026-12-05 10:00:00", d1);
    }
    // The d1 texts in the file, newest first.
    std::vector<std::string> storedBoards() {
        GameStore store(file());
        std::vector<std::string> boards;
        for (const ListEntry& entry : store.entries()) {
            store.moveTo(entry.bookmark);
            boards.push_back(*store.field("d1"));
        }
        return boards;
    }
    std::vector<Bookmark> listed() const {
        std::vector<Bookmark> bookmarks;
        for (const ListEntry& entry : form.DataCombo1.entries())
            bookmarks.push_back(entry.bookmark);
        return bookmarks;
    }

    TempFolder folder;
    FakeShell shell;
    Frm_TaBrel form{shell, folder.path()};
};

TEST_F(GameCommands, SavedEntryBoardsComeBackOnThePlayGridNewestFirst) {
    form.Form_Load();
    putBoard(form.Grid2, OtherPuzzle);
    form.Command5_Click();
    putBoard(form.Grid2, BuiltInBoard);
    form.Command5_Click();
    EXPECT_EQ(listed(), (std::vector<Bookmark>{2, 1}));
    EXPECT_EQ(form.DataCombo1.selected(), -1);

    form.DataCombo1.select(1);
    form.Command6_Click();
    EXPECT_EQ(boardOf(form.Grid3), cellsOf(OtherPuzzle));
    EXPECT_EQ(std::pair(form.Grid3.row(), form.Grid3.col()), std::pair(8, 8));

    // After a restart nothing is selected, and Restore loads the newest game.
    FakeShell laterShell;
    Frm_TaBrel later{laterShell, folder.path()};
    later.Form_Load();
    later.Command6_Click();
    EXPECT_EQ(boardOf(later.Grid3), cellsOf(BuiltInBoard));
    EXPECT_TRUE(shell.messages.shown().empty());
}

// A cell that is not one digit would shift every later cell and lose the board's end.
TEST_F(GameCommands, EveryEntryCellIsStoredAsExactlyOneCharacter) {
    form.Form_Load();
    form.Command5_Click();
    EXPECT_EQ(storedBoards().front(), std::string(81, '0')) << "an empty entry grid";
    const std::pair<const char*, char> cells[] = {
        {"7", '7'},   {" 4", '4'},  {"6x", '6'},  {"2.0", '2'}, {"12", '0'}, {"-3", '0'},
        {"1.5", '0'}, {"1e3", '0'}, {"1 2", '0'}, {"ab", '0'},  {"0", '0'}};
    for (const auto& [text, stored] : cells) {
        SCOPED_TRACE(text);
        putBoard(form.Grid2, std::string(40, '.') + "8" + std::string(39, '.') + "9");
        form.Grid2.setText(0, 0, text);
        form.Command5_Click();
        const std::string d1 = storedBoards().front();
        ASSERT_EQ(d1.size(), 81u);
        EXPECT_EQ(d1[0], stored);
        EXPECT_EQ(d1.substr(1), std::string(39, '0') + "8" + std::string(39, '0') + "9");
    }
}

TEST_F(GameCommands, LabelsCarryTheLocalDateOfTheSave) {
    form.Form_Load();
    struct Case {
        const char* zone;
        sys_seconds when;
        const char* ending;
    } cases[] = {
        {"UTC", sys_days{year{2026} / 12 / 31} + 23h + 59min + 59s, "-31/12/26"},
        {"UTC", sys_days{year{2027} / 3 / 1}, "-1/3/27"},
        {"UTC", sys_days{year{2009} / 1 / 2}, "-2/1/09"},
        {"UTC-14", sys_days{year{2026} / 12 / 31} + 12h, "-1/1/27"}, // 14 hours ahead
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ending);
        useTimeZone(c.zone);
        shell.clock = c.when;
        form.Command5_Click();
        const std::string label = form.DataCombo1.entries().front().label;
        EXPECT_TRUE(label.ends_with(c.ending)) << label;
    }
}

TEST_F(GameCommands, RestoreReadsStoredTextsLeniently) {
    storeEarlier({"5x3-.0 9", "0", "12"});
    form.Form_Load();
    const std::string expected[] = {"12", "", "5.3....9"};
    for (int entry = 0; entry < 3; ++entry) {
        SCOPED_TRACE(entry);
        form.DataCombo1.select(entry);
        form.Command6_Click();
        EXPECT_EQ(boardOf(form.Grid3),
                  expected[entry] + std::string(81 - expected[entry].size(), '.'));
    }
}

TEST_F(GameCommands, DeleteAsksAndRemovesOnlyTheConfirmedGame) {
    storeEarlier({"1", "2", "3"});
    form.Form_Load();
    form.DataCombo1.select(1);
    shell.messages.answerNext(MsgAnswer::No);
    form.Command10_Click();
    const ShownMessage& question = shell.messages.shown().back();
    EXPECT_EQ(question.text, "Are you sure to Delete Game 2");
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    EXPECT_EQ(question.icon, MsgIcon::Question);
    EXPECT_EQ(question.caption, "Tabrel");
    EXPECT_EQ(storedBoards(), (std::vector<std::string>{"3", "2", "1"})) << "No keeps all";

    shell.messages.answerNext(MsgAnswer::Yes);
    form.Command10_Click();
    EXPECT_EQ(storedBoards(), (std::vector<std::string>{"3", "1"}));
    EXPECT_EQ(listed(), (std::vector<Bookmark>{3, 1}));
    EXPECT_EQ(form.DataCombo1.text(), "3-5/12/26") << "the edit field names the newest game";
}

// With nothing selected Delete offers the current game; the last one leaves an
// empty list, on which Delete has nothing to ask and Restore shows an empty board.
TEST_F(GameCommands, DeleteWithNothingSelectedEmptiesTheListGameByGame) {
    storeEarlier({"1", "2"});
    form.Form_Load();
    for (const char* question :
         {"Are you sure to Delete Game 2", "Are you sure to Delete Game 1"}) {
        shell.messages.answerNext(MsgAnswer::Yes);
        form.Command10_Click();
        EXPECT_EQ(shell.messages.texts().back(), question);
    }
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(form.DataCombo1.text(), "");
    form.Command10_Click();
    form.Command6_Click();
    EXPECT_EQ(shell.messages.shown().size(), 2u);
    EXPECT_TRUE(storedBoards().empty());
    EXPECT_EQ(boardOf(form.Grid3), std::string(81, '.'));
    EXPECT_EQ(form.HistIdx, 0);
}

TEST_F(GameCommands, AnUnusableFileIsToldOnceAtStartUpAndNeverTouched) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<Database>(const std::filesystem::path&)> make;
        const char* reason;
    } cases[] = {
        {"another format",
         [](const std::filesystem::path& file) {
             std::ofstream(file) << "a file of another format";
             return nullptr;
         },
         "is not a game database"},
        {"a folder in its place",
         [](const std::filesystem::path& file) {
             std::filesystem::create_directory(file);
             return nullptr;
         },
         "cannot be opened or created"},
        {"locked by another program",
         [](const std::filesystem::path& file) {
             GameStore(file).addNew("2026-12-05 10:00:00", "1");
             auto holder = std::make_unique<Database>(file, Database::Access::ReadWrite);
             holder->exec("begin exclusive");
             return holder;
         },
         "is in use by another program"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder where;
        const std::filesystem::path file = where.path() / GameStoreFileName;
        const std::unique_ptr<Database> holder = c.make(file);
        const std::string before = contentsOf(file);
        FakeShell alone;
        Frm_TaBrel start{alone, where.path()};
        alone.messages.answerNext(MsgAnswer::Ok);
        start.Form_Load();
        ASSERT_EQ(alone.messages.shown().size(), 1u);
        EXPECT_NE(alone.messages.texts()[0].find(file.string()), std::string::npos);
        EXPECT_NE(alone.messages.texts()[0].find(c.reason), std::string::npos);
        EXPECT_EQ(boardOf(start.Grid3), cellsOf(BuiltInBoard));
        EXPECT_TRUE(start.DataCombo1.entries().empty());

        alone.messages.answerNext(MsgAnswer::Ok);
        start.Command5_Click();
        EXPECT_TRUE(alone.messages.texts().back().starts_with("The game was not stored"));
        start.Command10_Click();
        EXPECT_EQ(alone.messages.shown().size(), 2u);
        EXPECT_EQ(contentsOf(file), before);
    }
}

TEST_F(GameCommands, ALockedFileRefusesSaveAndDeleteAndTellsTheUser) {
    storeEarlier({"1"});
    form.Form_Load();
    Database other(file(), Database::Access::ReadWrite);
    other.exec("begin immediate");
    shell.messages.answerNext(MsgAnswer::Ok);
    form.Command5_Click();
    EXPECT_EQ(shell.messages.texts().back(), "The game was not stored in \"" + file().string() +
                                                 "\": the file is in use by another program.");
    shell.messages.answerNext(MsgAnswer::Yes);
    shell.messages.answerNext(MsgAnswer::Ok);
    form.Command10_Click();
    EXPECT_TRUE(shell.messages.texts().back().starts_with("Game 1 was not deleted from"));
    other.exec("rollback");
    EXPECT_EQ(storedBoards(), std::vector<std::string>{"1"});
    EXPECT_EQ(listed(), std::vector<Bookmark>{1});
}

} // namespace
