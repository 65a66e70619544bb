// "Auto Play": the box phase, the ways a run ends, the time it reports.
#include "AnalysisFixture.h"
#include "support/Puzzles.h"

#include <chrono>

namespace {

using namespace std::chrono_literals;
using AutoPlay = AnalysisTest;

// Both clock readings are cut to the second before they are subtracted.
TEST_F(AutoPlay, SolvesTheBuiltInPuzzleAndReportsWholeSecondsCutToTheSecond) {
    const auto second = shell.clock; // a whole second
    const struct {
        std::chrono::milliseconds start, end;
        int seconds;
    } cases[] = {{100ms, 900ms, 0}, {900ms, 1100ms, 1}, {0ms, 1999ms, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.end.count());
        play.showBuiltInPuzzle();
        shell.clock = second + c.start;
        shell.everyYield = [&] { shell.clock = second + c.end; };
        const AutoPlayOutcome outcome = analysis.autoPlay(shell, stop);
        EXPECT_EQ(outcome.end, AutoPlayEnd::Solved);
        EXPECT_EQ(outcome.seconds, c.seconds);
        EXPECT_TRUE(isSolution(boardOf(play.Grid3))) << boardOf(play.Grid3);
    }
}

// A repetition before the run ends it at once; a board without a hidden single
// ends after one pass.
TEST_F(AutoPlay, EachEndIsReturnedWithThePassesRun) {
    const struct {
        const char* name;
        std::string board;
        AutoPlayEnd end;
        int passes, histIdx;
    } cases[] = {{"Solved", std::string(BuiltInBoard), AutoPlayEnd::Solved, 4, 13},
                 {"Duplicates", "55" + std::string(79, '.'), AutoPlayEnd::Duplicates, 0, 0},
                 {"NothingToFind", std::string(81, '.'), AutoPlayEnd::Stopped, 1, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        play.showBuiltInPuzzle();
        play.Grid3.clear();
        play.showAsFreshGame(cellsOf(c.board));
        const AutoPlayOutcome outcome = analysis.autoPlay(shell, stop);
        EXPECT_EQ(outcome.end, c.end);
        EXPECT_EQ(outcome.passes, c.passes);
        EXPECT_EQ(play.HistIdx, c.histIdx);
        EXPECT_EQ(outcome.seconds, 0);
    }
}

// The box flag is never cleared between boxes: once box 1 has its hidden 5, the
// later boxes look at digit 1 only, so box 9's hidden 5 at (8, 8) waits.
TEST_F(AutoPlay, OnlyTheFirstBoxWithAHiddenSingleGetsItsDigitInAPass) {
    const std::string start =
        "............5...........5............5..............5.....5......5...............";
    play.showAsFreshGame(start);
    analysis.autoPlay(shell, stop);
    ASSERT_EQ(boardOf(play.HistGrid3, 1), start) << "the starting Update places nothing";
    EXPECT_EQ(boardOf(play.HistGrid3, 2), "5" + start.substr(1));
}

// The flag is read before each pass, so setting it in a yield ends the run after
// the pass under way.
TEST_F(AutoPlay, AStopDuringTheSecondPassEndsTheRunAfterIt) {
    shell.everyYield = [&] {
        if (play.HistIdx >= 4) // Update recorded slot 1, the first pass slots 2 to 4
            stop = true;
    };
    const AutoPlayOutcome outcome = analysis.autoPlay(shell, stop);
    EXPECT_EQ(outcome.end, AutoPlayEnd::Stopped);
    EXPECT_EQ(outcome.passes, 2);
    EXPECT_EQ(play.HistIdx, 7);
    EXPECT_FALSE(isSolution(boardOf(play.Grid3)));
}

} // namespace
