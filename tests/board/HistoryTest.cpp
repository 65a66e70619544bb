// Colouring, and "Revert" and "Forward" through the recorded boards, 501 slots at most.
#include "support/PlayFixture.h"

namespace {

using Colouring = PlayTest;
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

} // namespace
