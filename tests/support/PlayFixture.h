// A play side as start-up leaves it: the built-in puzzle, full candidates, slot 0.
#pragma once

#include "board/PlaySide.h"
#include "support/BoardText.h"

#include <gtest/gtest.h>

class PlayTest : public ::testing::Test {
protected:
    PlayTest() { play.showBuiltInPuzzle(); }

    // Puts `board` on the play grid and records it in the next slot, as commands do.
    void record(std::string_view board) {
        putBoard(play.Grid3, board);
        play.NextHistSlot();
        play.FILLARRAY();
    }

    PlaySide play;
};
