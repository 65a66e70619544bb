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
    play.showAsFreshGame(cellsOf(OtherPuzzle));
    EXPECT_EQ(play.Grid1.text(2, 3), "47");
    EXPECT_EQ(play.HistGrid1.at(0, 2, 3), "47");
}

} // namespace
