// "Save Game", "Restore Game", "Delete Game" and start-up against a real database
// file in a fresh folder.
#include "store/GameStore.h"
#include "support/FormFixture.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <algorithm>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <stdlib.h>
#include <time.h>

namespace {

using namespace std::chrono;
using Games = std::vector<std::string>;

// The bytes of a file; "" for a folder or no file.
std::string contentsOf(const std::filesystem::path& file) {
    if (!std::filesystem::is_regular_file(file))
        return {};
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class GameCommands : public ::testing::Test {
protected:
    std::filesystem::path file() const { return folder.path() / GameStoreFileName; }
    // The file's games as "id:d1", newest first.
    Games stored() const {
        Database db(file(), Database::Access::ReadOnly);
        Statement select(db, "select id || ':' || d1 from table1 order by id desc");
        Games games;
        while (select.step())
            games.push_back(select.text(0));
        return games;
    }

    TempFolder folder;
    FakeShell shell;
    Frm_TaBrel form{shell, folder.path()};
};

// A cell that is not one digit would shift every later cell and lose the board's
// end. After a restart nothing is selected, and Restore loads the newest game.
TEST_F(GameCommands, EveryEntryCellIsStoredAsOneCharacterAndComesBackOnThePlayGrid) {
    form.Form_Load();
    const std::pair<const char*, char> cells[] = {
        {"7", '7'},   {" 4", '4'},  {"6x", '6'},  {"2.0", '2'}, {"12", '0'}, {"-3", '0'},
        {"1.5", '0'}, {"1e3", '0'}, {"1 2", '0'}, {"ab", '0'},  {"", '0'}};
    std::string board = cellsOf(EasyPuzzle.puzzle);
    std::replace(board.begin(), board.end(), '.', '0');
    for (const auto& [text, digit] : cells) {
        SCOPED_TRACE(text);
        putBoard(form.controls().Grid2, EasyPuzzle.puzzle);
        form.controls().Grid2.setText(0, 0, text);
        form.Command5_Click();
        const std::string game = stored().front();
        EXPECT_EQ(game.substr(game.find(':') + 1), digit + board.substr(1));
    }
    Frm_TaBrel later{shell, folder.path()};
    later.Form_Load();
    later.Command6_Click();
    EXPECT_EQ(boardOf(later.controls().Grid3), "." + cellsOf(EasyPuzzle.puzzle).substr(1));
}

// Delete asks about the selected game, or with none selected about the newest,
// and removes it only when confirmed; a new game never takes a deleted one's
// number. Once the last is gone Delete has nothing to ask.
TEST_F(GameCommands, DeleteRemovesOnlyConfirmedGamesUntilNoneIsLeft) {
    for (const char* d1 : {"1", "2", "3"}) // as an earlier run of the program stored them
        GameStore(file()).addNew("2026-12-05 10:00:00", d1);
    form.Form_Load();
    form.controls().DataCombo1.select(1);
    for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes, MsgAnswer::Yes})
        shell.messages.answerNext(answer);
    form.Command10_Click();
    form.Command10_Click();
    EXPECT_EQ(stored(), (Games{"3:3", "1:1"}));
    form.Command10_Click();
    form.Command5_Click();
    EXPECT_EQ(stored(), (Games{"4:" + std::string(81, '0'), "1:1"}));
    EXPECT_EQ(shell.messages.texts(),
              (Games{"Are you sure to Delete Game 2", "Are you sure to Delete Game 2",
                     "Are you sure to Delete Game 3"}));
    for (int left = 2; left > 0; --left) {
        shell.messages.answerNext(MsgAnswer::Yes);
        form.Command10_Click();
    }
    form.Command10_Click();
    EXPECT_EQ(shell.messages.shown().size(), 5u);
    EXPECT_TRUE(stored().empty());
}

// The user is told once, plays the built-in puzzle, and the file stays as it was.
TEST_F(GameCommands, AnUnusableFileIsToldOnceAtStartUpAndNeverTouched) {
    enum Spoil { AnotherFormat, AFolderInItsPlace, Locked };
    const std::pair<Spoil, const char*> cases[] = {
        {AnotherFormat, "is not a game database"},
        {AFolderInItsPlace, "cannot be opened or created"},
        {Locked, "is in use by another program"}};
    for (const auto& [spoil, reason] : cases) {
        SCOPED_TRACE(reason);
        TempFolder where;
        const std::filesystem::path file = where.path() / GameStoreFileName;
        std::optional<Database> holder;
        if (spoil == AnotherFormat)
            std::ofstream(file) << "a file of another format";
        else if (spoil == AFolderInItsPlace)
            std::filesystem::create_directory(file);
        else {
            GameStore(file).addNew("2026-12-05 10:00:00", "1");
            holder.emplace(file, Database::Access::ReadWrite).exec("begin exclusive");
        }
        const std::string before = contentsOf(file);
        FakeShell alone;
        Frm_TaBrel start{alone, where.path()};
        alone.messages.answerNext(MsgAnswer::Ok);
        alone.messages.answerNext(MsgAnswer::Ok);
        start.Form_Load();
        start.Command5_Click();
        start.Command10_Click();
        const Games told = alone.messages.texts();
        ASSERT_EQ(told.size(), 2u) << "Delete has nothing to ask";
        EXPECT_NE(told[0].find(file.string() + "\" cannot be used: the file " + reason),
                  std::string::npos);
        EXPECT_TRUE(told[1].starts_with("The game was not stored"));
        EXPECT_EQ(boardOf(start.controls().Grid3), cellsOf(BuiltInBoard));
        EXPECT_EQ(contentsOf(file), before);
    }
}

// A file the user may read but not write is listed and restored from; Save and
// Delete say they could not write, and the file keeps every byte. The check runs
// as a user the file's bits bind, and first proves that user cannot write it.
TEST_F(GameCommands, AReadOnlyFileIsRestoredFromAndRefusesSaveAndDeleteWithTheirMessages) {
    for (const char* d1 : {"1", "2"})
        GameStore(file()).addNew("2026-12-05 10:00:00", std::string(81, d1[0]));
    std::filesystem::permissions(file(), std::filesystem::perms(0444));
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0555));
    const std::string before = contentsOf(file());
    const std::string seen = asUnprivilegedUser([&] {
        if (open(file().c_str(), O_WRONLY) >= 0)
            return std::string("the file can be written");
        FakeShell alone;
        for (MsgAnswer answer : {MsgAnswer::Ok, MsgAnswer::Ok, MsgAnswer::Yes, MsgAnswer::Ok})
            alone.messages.answerNext(answer);
        Frm_TaBrel start{alone, folder.path()};
        start.Form_Load();
        std::string seen = start.controls().PlayStatus.text() + "\n";
        int key = '4'; // a first change, with nothing to keep it in
        start.Grid3_KeyPress(key);
        start.Command6_Click();
        seen += boardOf(start.controls().Grid3) + " " +
                std::to_string(start.controls().DataCombo1.entries().size()) + " listed\n";
        start.Command5_Click();
        start.Command10_Click();
        for (const std::string& text : alone.messages.texts())
            seen += text + "\n";
        return seen;
    });
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0755));
    const std::string name = "\"" + file().string() + "\"";
    EXPECT_EQ(seen, "Games in progress cannot be kept: the game database is read-only.\n" +
                        std::string(81, '2') + " 2 listed\n" + "The stored games in " + name +
                        " are read-only: games can be restored, but not saved or deleted.\n" +
                        "The game was not stored in " + name + ": the file is read-only.\n" +
                        "Are you sure to Delete Game 2\n" + "Game 2 was not deleted from " + name +
                        ": the file is read-only.\n");
    EXPECT_EQ(contentsOf(file()), before);
}

} // namespace
