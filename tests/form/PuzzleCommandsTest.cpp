// Puzzles from outside: the clipboard on both pages, a new puzzle during a run, puzzle files.
#include "store/GameStore.h"
#include "support/FormFixture.h"
#include "support/Puzzles.h"
#include "support/TempFolder.h"

#include <fstream>

namespace {

using PuzzleCommands = FormTest;

const std::string Other = cellsOf(EasyPuzzle.puzzle);

// On "Play Game" a pasted puzzle starts a new game as "Default Game" would; on
// "Add a New Game" it is typed into the entry grid. The other grid is not
// touched, and Copy takes the grid of the page shown.
TEST_F(PuzzleCommands, APastedPuzzleGoesToTheGridOfThePageShown) {
    form.Command1_Click(); // a game under way: history and narrowed candidates
    form.pastePuzzle(Other);
    EXPECT_EQ(boardOf(form.controls().Grid3), Other);
    EXPECT_EQ(form.controls().Grid1.text(4, 4), "123456789");
    EXPECT_EQ(form.play().HistIdx, 0);
    EXPECT_EQ(boardOf(form.controls().Grid2), std::string(81, '.'));
    form.controls().SSTab2.tab = Page::Entry;
    form.pastePuzzle(BuiltInBoard);
    EXPECT_EQ(boardOf(form.controls().Grid2), cellsOf(BuiltInBoard));
    EXPECT_EQ(boardOf(form.controls().Grid3), Other);
    EXPECT_EQ(form.copyPuzzle(), cellsOf(BuiltInBoard));
}

// Nothing changes on either page, and the user is told why.
TEST_F(PuzzleCommands, TextThatIsNoPuzzleIsToldAndChangesNothing) {
    std::string repeat = Other;
    repeat[2] = '5'; // row 1 already holds a 5 at r1c1
    const std::pair<std::string, const char*> cases[] = {
        {"Dear friend,\nhere is a puzzle", "The clipboard holds no puzzle: line 1 holds"},
        {repeat,
         "The pasted puzzle has 5 twice in row 1, at r1c1 and r1c3, so it has no solution."},
    };
    for (const Page page : {Page::Play, Page::Entry}) {
        form.controls().SSTab2.tab = page;
        for (const auto& [text, told] : cases) {
            SCOPED_TRACE(told);
            shell.messages.answerNext(MsgAnswer::Ok);
            form.pastePuzzle(text);
            EXPECT_TRUE(shell.messages.texts().back().starts_with(told));
            EXPECT_EQ(shell.messages.icons().back(), MsgIcon::Warning);
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
}

class PuzzleFiles : public ::testing::Test {
protected:
    PuzzleFiles() { form.Form_Load(); }

    std::filesystem::path write(const std::string& name, const std::string& text) {
        const std::filesystem::path file = folder.path() / name;
        std::ofstream(file, std::ios::binary) << text;
        return file;
    }
    // What the form tells after `action`.
    std::string told(const std::function<void()>& action) {
        shell.messages.answerNext(MsgAnswer::Ok);
        action();
        return shell.messages.texts().back();
    }
    static std::string quoted(const std::filesystem::path& file) {
        return "\"" + file.string() + "\"";
    }

    TempFolder folder;
    FakeShell shell;
    Frm_TaBrel form{shell, folder.path()};
};

// The common collection lines come in; comments, stored and repeated boards and
// lines that are no puzzle are skipped and counted; the export writes every
// stored game, oldest first, as lines an import reads.
TEST_F(PuzzleFiles, ImportSkipsWhatIsNoNewPuzzleAndExportWritesEveryGame) {
    std::string noSolution = Other;
    noSolution[2] = '1'; // no digit repeats, but r1c3 leaves no place for its 1
    putBoard(form.controls().Grid2, BuiltInBoard);
    form.Command5_Click();
    const std::filesystem::path file =
        write("collection.txt", "\xEF\xBB\xBF# a collection\r\n" + Other + " 2.3 gentle\r\n\r\n" +
                                    std::string(BuiltInBoard) + "\n" + Other + "\n" +
                                    std::string(EasyPuzzle.solution).replace(0, 1, "0") +
                                    "\tnamed\nnot a puzzle\n" + noSolution + "\n");
    EXPECT_EQ(told([&] { form.importPuzzles(file); }),
              "Added 2 puzzles from " + quoted(file) +
                  " to the stored games.\n\nSkipped 1 already stored, 1 repeated in the file "
                  "and 2 lines that are not puzzles.");
    EXPECT_EQ(form.controls().DataCombo1.entries().size(), 3u) << "the list shows the added games";
    const std::filesystem::path exported = folder.path() / "exported.txt";
    EXPECT_EQ(told([&] { form.exportPuzzles(exported); }),
              "Exported 3 stored games to " + quoted(exported) + ".");
    EXPECT_EQ(contentsOf(exported),
              "# Tabrel stored games: 3 puzzles, one a line, \".\" for an empty cell\n" +
                  cellsOf(BuiltInBoard) + "\n" + Other + "\n." +
                  std::string(EasyPuzzle.solution.substr(1)) + "\n");
}

// Nothing is added or written, and the file that could not be used is named
// with the reason.
TEST_F(PuzzleFiles, FailuresAreToldAndChangeNothing) {
    const std::filesystem::path missing = folder.path() / "missing.txt";
    const std::filesystem::path nowhere = folder.path() / "no folder" / "out.txt";
    EXPECT_EQ(told([&] { form.importPuzzles(missing); }),
              "No puzzles were imported: " + quoted(missing) +
                  " cannot be read (No such file or directory).");
    EXPECT_EQ(told([&] { form.importPuzzles(folder.path()); }),
              "No puzzles were imported: " + quoted(folder.path()) +
                  " cannot be read (it is a folder).");
    EXPECT_EQ(told([&] { form.exportPuzzles(nowhere); }),
              "No puzzles were exported: " + quoted(nowhere) +
                  " cannot be written (No such file or directory).");
    EXPECT_FALSE(std::filesystem::exists(nowhere.parent_path()));
    Database other(folder.path() / GameStoreFileName, Database::Access::ReadWrite);
    other.exec("begin immediate");
    EXPECT_TRUE(told([&] {
                    form.importPuzzles(write("one.txt", Other + "\n"));
                }).ends_with(": the file is in use by another program."));
    EXPECT_TRUE(form.controls().DataCombo1.entries().empty());
}

} // namespace
