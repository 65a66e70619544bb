// A stored board shown as a fresh game, and the new games: "Default Game" and a new puzzle.
#include "support/PlayFixture.h"

namespace {

using FreshGame = PlayTest;

const std::string Empty(81, '.');

// Only a digit 1-9 stays, on cyan; any other character and any cell past the end
// is empty. The board becomes slot 0 of a fresh history, beside the candidates
// shown for the board before, with the current cell at the bottom right as the
// check that walks the grid leaves it.
TEST_F(FreshGame, ReadsBoardTextsLenientlyAndStartsAFreshHistory) {
    const struct {
        std::string text, board;
        int givens;
    } cases[] = {
        {"5x0-7. +9" + std::string(71, '0') + "4", "5...7...9" + Empty.substr(10) + "4", 4},
        {"123", "123" + Empty.substr(3), 3},
        {std::string(81, '0') + "999", Empty, 0}};
    play.Grid1.setText(2, 3, "47");
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
        EXPECT_EQ(play.HistGrid1.at(0, 2, 3), "47");
        EXPECT_EQ(std::pair(play.Grid3.row(), play.Grid3.col()), std::pair(8, 8));
    }
}

// Both show their board with the givens cyan and every candidate "123456789" on
// white, CandArr alike (the sweeps rely on it), as slot 0. "Default Game", which
// start-up runs too, empties only slots 0 to 4, so a later game's slot 5 is
// reachable again; "Forward" finds nothing of the game before a new puzzle.
TEST_F(FreshGame, ANewGameShowsFullCandidatesAndEmptiesTheSlotsOfTheGameBefore) {
    const struct {
        const char* name;
        std::function<void()> start;
        std::string board;
        int emptied; // slots 0 to emptied - 1
    } cases[] = {{"DefaultGame", [&] { play.showBuiltInPuzzle(); }, cellsOf(BuiltInBoard), 5},
                 {"NewPuzzle", [&] { EXPECT_EQ(play.showNewPuzzle(EasyPuzzle.puzzle), 30); },
                  cellsOf(EasyPuzzle.puzzle), HistArray::Slots}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (char digit = '1'; digit <= '7'; ++digit)
            record(digit + Empty.substr(1));
        play.Grid1.setText(2, 3, "47");
        play.Grid1.setBackColor(2, 3, Magenta);
        play.CandArr[2][3] = "47";
        play.Grid3.setBackColor(0, 2, Cyan); // empty in both boards
        c.start();
        EXPECT_EQ(boardOf(play.Grid3), c.board);
        for (int i = 0; i < 81; ++i) {
            EXPECT_EQ(play.Grid3.backColor(i / 9, i % 9), c.board[i] == '.' ? White : Cyan) << i;
            EXPECT_EQ(play.Grid1.text(i / 9, i % 9), "123456789");
            EXPECT_EQ(play.Grid1.backColor(i / 9, i % 9), White);
            EXPECT_EQ(play.CandArr[i / 9][i % 9], "123456789");
        }
        EXPECT_EQ(play.HistIdx, 0);
        EXPECT_EQ(boardOf(play.HistGrid3, 0), c.board);
        EXPECT_EQ(play.HistGrid1.at(0, 2, 3), "123456789");
        for (int slot = 1; slot < HistArray::Slots; ++slot) {
            const bool kept = slot >= c.emptied && slot <= 7;
            ASSERT_EQ(boardOf(play.HistGrid3, slot),
                      kept ? char('0' + slot) + Empty.substr(1) : Empty)
                << slot;
        }
    }
}

} // namespace
