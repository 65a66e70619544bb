// Puzzles from outside the board: the clipboard's texts on both pages, a new
// puzzle during a run, and files of puzzles to and from the stored games.
#include "engine/PuzzleText.h"
#include "engine/Solver.h"
#include "form/PuzzleFile.h"
#include "store/GameStore.h"
#include "support/FormFixture.h"
#include "support/Puzzles.h"
#include "support/TempFolder.h"

#include <fstream>

namespace {

using PuzzleCommands = FormTest;

const std::string Other = cellsOf(EasyPuzzle.puzzle);
constexpr std::string_view OtherSolution = EasyPuzzle.solution;

// A pasted puzzle starts a new game exactly as "Default Game" would; Copy gives
// back the same line.
TEST_F(PuzzleCommands, APastedPuzzleBecomesANewGameOnThePlayPage) {
    form.Command1_Click(); // a game under way: history and narrowed candidates
    form.pastePuzzle(Other);
    EXPECT_TRUE(shell.messages.shown().empty());
    EXPECT_EQ(boardOf(form.controls().Grid3), Other);
    EXPECT_EQ(form.controls().Grid3.backColor(0, 0), Cyan);
    EXPECT_EQ(form.controls().Grid3.backColor(0, 2), White);
    EXPECT_EQ(form.controls().Grid1.text(4, 4), "123456789");
    EXPECT_EQ(form.play().HistIdx, 0);
    EXPECT_EQ(form.copyPuzzle(), Other);
    EXPECT_EQ(boardOf(form.controls().Grid2), std::string(81, '.'))
        << "the entry grid is not touched";
}

TEST_F(PuzzleCommands, APastedPuzzleIsTypedIntoTheEntryGridOnItsPage) {
    form.controls().SSTab2.tab = Page::Entry;
    form.pastePuzzle(Other);
    EXPECT_EQ(boardOf(form.controls().Grid2), Other);
    EXPECT_EQ(boardOf(form.controls().Grid3), cellsOf(BuiltInBoard))
        << "the play grid is not touched";
    EXPECT_EQ(form.copyPuzzle(), Other) << "Copy takes the grid of the page shown";
}

// Nothing changes on either page, and the user is told why.
TEST_F(PuzzleCommands, TextThatIsNoPuzzleIsToldAndChangesNothing) {
    std::string repeat = Other;
    repeat[2] = '5'; // row 1 already holds a 5 at r1c1
    const struct {
        const char* name;
        std::string text;
        const char* told;
    } cases[] = {
        {"prose", "Dear friend,\nhere is a puzzle", "The clipboard holds no puzzle: line 1 holds"},
        {"short", Other.substr(3), "The clipboard holds no puzzle: it has 78 cells"},
        {"repeat", repeat,
         "The pasted puzzle has 5 twice in row 1, at r1c1 and r1c3, so it has no solution."},
    };
    for (const Page page : {Page::Play, Page::Entry}) {
        form.controls().SSTab2.tab = page;
        for (const auto& [name, text, told] : cases) {
            SCOPED_TRACE(std::string(name) +
                         (page == Page::Play ? " on Play Game" : " on Add a New Game"));
            shell.messages.answerNext(MsgAnswer::Ok);
            form.pastePuzzle(text);
            EXPECT_TRUE(shell.messages.texts().back().starts_with(told))
                << shell.messages.texts().back();
            EXPECT_EQ(shell.messages.shown().back().icon, MsgIcon::Warning);
            EXPECT_EQ(boardOf(form.controls().Grid3), cellsOf(BuiltInBoard));
            EXPECT_EQ(boardOf(form.controls().Grid2), std::string(81, '.'));
        }
    }
}

// The run must not go on over a board it did not start from: it stops after the
// pass under way, then the new puzzle is shown.
TEST_F(PuzzleCommands, ANewPuzzleDuringAutoPlayStopsTheRunAndComesAfterIt) {
    shell.atYield([&] { form.showNewPuzzle(Other); });
    form.Cmd_findodd_Click();
    EXPECT_EQ(form.autoPlayPasses(), 0) << "stopped after the starting Update";
    EXPECT_EQ(boardOf(form.controls().Grid3), Other);
    EXPECT_EQ(form.play().HistIdx, 0);
    EXPECT_TRUE(shell.messages.shown().empty());
}

class PuzzleFiles : public ::testing::Test {
protected:
    std::filesystem::path write(const std::string& name, const std::string& text) {
        const std::filesystem::path file = folder.path() / name;
        std::ofstream(file, std::ios::binary) << text;
        return file;
    }
    static std::string read(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    TempFolder folder;
    FakeShell shell;
    Frm_TaBrel form{shell, folder.path()};
};

// The common collection lines come in; comments, stored and repeated boards and
// lines that are no puzzle are skipped and counted; the export reads back as the
// same games, in the same order.
TEST_F(PuzzleFiles, ImportSkipsWhatIsNoNewPuzzleAndExportReadsBackTheSameGames) {
    std::string noSolution = Other;
    noSolution[2] = '1'; // no digit repeats, but r1c3 leaves no place for its 1
    ASSERT_EQ(engine::solve(*engine::parseLine(noSolution)).solutions, 0);
    form.Form_Load();
    putBoard(form.controls().Grid2, std::string(BuiltInBoard));
    form.Command5_Click();
    const std::filesystem::path file =
        write("collection.txt", "\xEF\xBB\xBF# a collection\r\n" + Other + " 2.3 gentle\r\n\r\n" +
                                    std::string(BuiltInBoard) + "\n" + Other + "\n" +
                                    std::string(OtherSolution).replace(0, 1, "0") +
                                    "\tnamed\nnot a puzzle\n" + noSolution + "\n");
    shell.messages.answerNext(MsgAnswer::Ok);
    form.importPuzzles(file);
    EXPECT_EQ(shell.messages.texts().back(),
              "Added 2 puzzles from \"" + file.string() +
                  "\" to the stored games.\n\nSkipped 1 already stored, 1 repeated in the file "
                  "and 2 lines that are not puzzles.");
    ASSERT_EQ(form.controls().DataCombo1.entries().size(), 3u) << "the list shows the added games";

    const std::filesystem::path exported = folder.path() / "exported.txt";
    shell.messages.answerNext(MsgAnswer::Ok);
    form.exportPuzzles(exported);
    EXPECT_EQ(shell.messages.texts().back(),
              "Exported 3 stored games to \"" + exported.string() + "\".");
    const std::string solvedButOne = "." + std::string(OtherSolution.substr(1));
    EXPECT_EQ(read(exported),
              "# Tabrel stored games: 3 puzzles, one a line, \".\" for an empty cell\n" +
                  cellsOf(BuiltInBoard) + "\n" + Other + "\n" + solvedButOne + "\n");

    EXPECT_EQ(puzzleLines(read(exported)).boards.size(), 3u) << "the export imports again";
}

// Nothing is added, and the file that could not be used is named with the reason.
TEST_F(PuzzleFiles, FailuresAreToldAndAddNothing) {
    form.Form_Load();
    const struct {
        const char* name;
        std::filesystem::path file;
        const char* reason;
    } unreadable[] = {
        {"missing", folder.path() / "missing.txt", "(No such file or directory)"},
        {"folder", folder.path(), "(it is a folder)"},
    };
    for (const auto& [name, file, reason] : unreadable) {
        SCOPED_TRACE(name);
        shell.messages.answerNext(MsgAnswer::Ok);
        form.importPuzzles(file);
        EXPECT_EQ(shell.messages.texts().back(), "No puzzles were imported: \"" + file.string() +
                                                     "\" cannot be read " + reason + ".");
    }
    {
        Database other(folder.path() / GameStoreFileName, Database::Access::ReadWrite);
        other.exec("begin immediate");
        shell.messages.answerNext(MsgAnswer::Ok);
        form.importPuzzles(write("one.txt", Other + "\n"));
    }
    EXPECT_TRUE(
        shell.messages.texts().back().ends_with(": the file is in use by another program."));
    EXPECT_TRUE(form.controls().DataCombo1.entries().empty());

    const std::filesystem::path nowhere = folder.path() / "no folder" / "out.txt";
    shell.messages.answerNext(MsgAnswer::Ok);
    form.exportPuzzles(nowhere);
    EXPECT_EQ(shell.messages.texts().back(),
              "No puzzles were exported: \"" + nowhere.string() +
                  "\" cannot be written (No such file or directory).");
    EXPECT_FALSE(std::filesystem::exists(nowhere.parent_path()));
}

} // namespace
