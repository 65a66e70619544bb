// Puzzles from the clipboard on both pages, and a new puzzle during a run.
#include "support/FormFixture.h"
#include "support/Puzzles.h"

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

} // namespace
