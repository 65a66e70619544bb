// A board text put on the play grid as a fresh game, as "Restore Game" puts a stored one.
#include "support/PlayFixture.h"

namespace {

using FreshGame = PlayTest;

// Only a digit 1-9 stays, on cyan; any other character and any cell past the end
// is empty. The board becomes slot 0 of a fresh history, with the current cell at
// the bottom right as the check that walks the grid leaves it.
TEST_F(FreshGame, ReadsBoardTextsLenientlyAndStartsAFreshHistory) {
    const std::string empty(81, '.');
    const struct {
        std::string text, board;
        int givens;
    } cases[] = {
        {"5x0-7. +9" + std::string(71, '0') + "4", "5...7...9" + empty.substr(10) + "4", 4},
        {"123", "123" + empty.substr(3), 3},
        {std::string(81, '0') + "999", empty, 0}};
    for (const auto& [text, board, givens] : cases) {
        SCOPED_TRACE(text);
        play.HistIdx = 7;
        play.Grid3.clear();
        EXPECT_EQ(play.showAsFreshGame(text), givens);
        EXPECT_EQ(boardOf(play.Grid3), board);
        for (int i = 0; i < 81; ++i)
            EXPECT_EQ(play.Grid3.backColor(i / 9, i % 9), board[i] == '.' ? White : Cyan);
        EXPECT_EQ(play.HistIdx, 0);
        EXPECT_EQ(boardOf(play.HistGrid3, 0), board);
        EXPECT_EQ(std::pair(play.Grid3.row(), play.Grid3.col()), std::pair(8, 8));
    }
}

// The candidates shown for the previous board are recorded unchanged beside the new one.
TEST_F(FreshGame, KeepsTheCandidateGridAndRecordsItInSlotZero) {
    play.Grid1.setText(2, 3, "47");
    play.showAsFreshGame(cellsOf(EasyPuzzle.puzzle));
    EXPECT_EQ(play.Grid1.text(2, 3), "47");
    EXPECT_EQ(play.HistGrid1.at(0, 2, 3), "47");
}

// A new puzzle starts as "Default Game" does, and "Forward" finds nothing of the
// game before: its boards, its candidates and its colours are gone.
TEST_F(FreshGame, ANewPuzzleStartsWithFullCandidatesAndNoHistoryOfTheGameBefore) {
    for (int step = 0; step < 8; ++step)
        record(cellsOf(BuiltInBoard).replace(40, 1, "6"));
    play.Grid1.setText(2, 3, "47");
    play.Grid1.setBackColor(2, 3, Magenta);
    play.CandArr[2][3] = "47";
    play.Grid3.setBackColor(0, 1, Cyan);
    const std::string puzzle = cellsOf(EasyPuzzle.puzzle);
    EXPECT_EQ(play.showNewPuzzle(puzzle), 30);
    EXPECT_EQ(boardOf(play.Grid3), puzzle);
    for (int i = 0; i < 81; ++i) {
        EXPECT_EQ(play.Grid3.backColor(i / 9, i % 9), puzzle[i] == '.' ? White : Cyan) << i;
        EXPECT_EQ(play.Grid1.text(i / 9, i % 9), "123456789");
        EXPECT_EQ(play.Grid1.backColor(i / 9, i % 9), White);
        EXPECT_EQ(play.CandArr[i / 9][i % 9], "123456789");
    }
    EXPECT_EQ(play.HistIdx, 0);
    EXPECT_EQ(boardOf(play.HistGrid3, 0), puzzle);
    EXPECT_EQ(play.HistGrid1.at(0, 2, 3), "123456789");
    for (int slot = 1; slot < HistArray::Slots; ++slot)
        ASSERT_EQ(boardOf(play.HistGrid3, slot), std::string(81, '.')) << slot;
}

} // namespace
