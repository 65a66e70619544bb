// "Auto Play": the ways a run ends, Stop, the time it reports, the box phase.
#include "AnalysisFixture.h"

#include <chrono>

namespace {

using namespace std::chrono_literals;
using AutoPlay = AnalysisTest;

// A repetition before the run ends it at once; a board without a hidden single
// ends after one pass. Stop is read before each pass, so setting it in a yield
// ends the run after the pass under way. The seconds of a win come from both
// clock readings cut to the second before they are subtracted.
TEST_F(AutoPlay, EachEndIsReturnedWithThePassesRunAndTheWholeSecondsOfAWin) {
    using enum AutoPlayEnd;
    const auto second = shell.clock; // a whole second
    const std::string builtIn(BuiltInBoard);
    const int never = 999;
    const struct {
        const char* name;
        std::string board;
        std::chrono::milliseconds start, end;
        int stopFrom; // the slot from which a yield sets Stop
        AutoPlayEnd ending;
        int passes, histIdx, seconds;
    } cases[] = {
        {"SolvedWithinASecond", builtIn, 100ms, 900ms, never, Solved, 4, 13, 0},
        {"SolvedAcrossASecond", builtIn, 900ms, 1100ms, never, Solved, 4, 13, 1},
        {"SolvedInNearlyTwo", builtIn, 0ms, 1999ms, never, Solved, 4, 13, 1},
        {"Duplicates", "55" + std::string(79, '.'), 0ms, 1999ms, never, Duplicates, 0, 0, 0},
        {"NothingToFind", std::string(81, '.'), 0ms, 1999ms, never, Stopped, 1, 4, 0},
        // Update records slot 1, the first pass slots 2 to 4.
        {"StopInTheSecondPass", builtIn, 0ms, 1999ms, 4, Stopped, 2, 7, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        play.showBuiltInPuzzle();
        play.showAsFreshGame(c.board);
        shell.clock = second + c.start;
        stop = false;
        shell.everyYield = [&] {
            shell.clock = second + c.end;
            stop = stop || play.HistIdx >= c.stopFrom;
        };
        const AutoPlayOutcome outcome = analysis.autoPlay(shell, stop);
        EXPECT_EQ(outcome.end, c.ending);
        EXPECT_EQ(outcome.passes, c.passes);
        EXPECT_EQ(play.HistIdx, c.histIdx);
        EXPECT_EQ(outcome.seconds, c.seconds);
        EXPECT_EQ(isSolution(boardOf(play.Grid3)), c.ending == Solved) << boardOf(play.Grid3);
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

} // namespace
