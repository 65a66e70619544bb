// Boards on the play side: fresh and new games, colouring, and the history of 501 slots.
#include "support/PlayFixture.h"

namespace {

using Colouring = PlayTest;
using FreshGame = PlayTest;
using History = PlayTest;

const std::string Empty(81, '.');

// A play text whose value is not above 0 is erased and white, the rest cyan; a
// candidate cell with at most one digit left (a value up to 9) is magenta.
TEST_F(Colouring, PaintsByNumericValueAndKeepsThePlayGridsCurrentCell) {
    const struct {
        const char* text;
        Rgb play, candidate;
    } cells[] = {{"", White, Magenta},      {"7", Cyan, Magenta},   {"0", White, Magenta},
                 {"-4", White, Magenta},    {"x", White, Magenta},  {"3x", Cyan, Magenta},
                 {" 5", Cyan, Magenta},     {"0.4", Cyan, Magenta}, {"12", Cyan, White},
                 {"123456789", Cyan, White}};
    for (int i = 0; i < std::ssize(cells); ++i) {
        play.Grid3.setText(i / 9, i % 9, cells[i].text);
        play.Grid3.setBackColor(i / 9, i % 9, Cyan); // a stale colour must not survive
        play.Grid1.setText(i / 9, i % 9, cells[i].text);
    }
    // "Put In the Grid" writes into the play grid's current cell, so it must stay.
    play.Grid3.setCurrent(4, 6);
    play.ColorMe();
    for (int i = 0; i < std::ssize(cells); ++i) {
        SCOPED_TRACE('"' + std::string(cells[i].text) + '"');
        EXPECT_EQ(play.Grid3.text(i / 9, i % 9), cells[i].play == Cyan ? cells[i].text : "");
        EXPECT_EQ(play.Grid3.backColor(i / 9, i % 9), cells[i].play);
        EXPECT_EQ(play.Grid1.backColor(i / 9, i % 9), cells[i].candidate);
    }
    EXPECT_EQ(std::pair(play.Grid3.row(), play.Grid3.col()), std::pair(4, 6));
    EXPECT_EQ(std::pair(play.Grid1.row(), play.Grid1.col()), std::pair(8, 8));
}

// Revert shows a slot coloured from its content, as ColorMe does. Forward only
// paints non-zero play cells cyan (a negative number included), empties the rest
// without whitening them, leaves the candidate grid alone and ends at (8, 8).
TEST_F(History, RevertAndForwardWalkTheRecordedBoardsColouringDifferently) {
    play.clearGrids();
    play.revert();
    EXPECT_EQ(boardOf(play.Grid3), Empty) << "Revert at slot 0 reloads nothing";
    play.Grid3.setText(0, 1, "-4");
    play.Grid3.setText(0, 4, "0");
    play.Grid1.setText(0, 0, "5");
    for (int slot = 1; slot <= 2; ++slot) {
        play.NextHistSlot();
        play.FILLARRAY();
    }
    play.revert();
    play.revert();
    EXPECT_EQ(boardOf(play.Grid3), cellsOf(BuiltInBoard));
    EXPECT_EQ(play.Grid3.backColor(0, 4), Cyan);
    play.forward(); // to slot 1
    EXPECT_EQ(play.Grid3.text(0, 1), "-4");
    EXPECT_EQ(play.Grid3.backColor(0, 1), Cyan);
    EXPECT_EQ(play.Grid3.text(0, 4), "");
    EXPECT_EQ(play.Grid3.backColor(0, 4), Cyan) << "an erased cell keeps its background";
    EXPECT_EQ(play.Grid1.backColor(0, 0), White) << "the candidate grid is not recoloured";
    EXPECT_EQ(std::pair(play.Grid3.row(), play.Grid3.col()), std::pair(8, 8));
    play.forward();
    play.revert(); // back to slot 1
    EXPECT_EQ(play.Grid3.text(0, 1), "");
    EXPECT_EQ(play.Grid3.backColor(0, 4), White);
    EXPECT_EQ(play.Grid1.backColor(0, 0), Magenta);
    play.forward();
    play.forward();
    EXPECT_EQ(play.HistIdx, 3);
    EXPECT_EQ(boardOf(play.Grid3), Empty) << "a slot never recorded reads empty";
}

// The index never leaves 0..500 and the newest 501 boards stay reachable in order;
// Forward refuses at the last slot and, by its own rule, at slot 99.
TEST_F(History, RecordingBeyondTheLastSlotDropsTheOldestAndForwardStopsAt99And500) {
    for (int i = 1; i <= 600; ++i) {
        play.Grid3.setText(0, 0, std::to_string(i));
        play.NextHistSlot();
        play.FILLARRAY();
    }
    EXPECT_EQ(play.HistIdx, 500);
    for (int slot = 0; slot <= 500; ++slot)
        ASSERT_EQ(play.HistGrid3.at(slot, 0, 0), std::to_string(100 + slot)) << slot;
    play.revert();
    EXPECT_EQ(play.Grid3.text(0, 0), "599");
    for (const auto& [from, to] : {std::pair(500, 500), std::pair(99, 99), std::pair(100, 101)}) {
        play.HistIdx = static_cast<std::int16_t>(from);
        play.forward();
        EXPECT_EQ(play.HistIdx, to) << "Forward from slot " << from;
    }
}

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
