// "Auto Play" and "Stop": the box phase, the ways a run ends, the time it reports.
#include "Solutions.h"
#include "support/FormFixture.h"

#include <chrono>

namespace {

using namespace std::chrono_literals;
using AutoPlay = FormTest;

// Both clock readings are cut to the second before they are subtracted.
TEST_F(AutoPlay, SolvesTheBuiltInPuzzleAndReportsWholeSecondsCutToTheSecond) {
    const auto second = shell.clock; // a whole second
    const struct {
        std::chrono::milliseconds start, end;
        int seconds;
    } cases[] = {{100ms, 900ms, 0}, {900ms, 1100ms, 1}, {0ms, 1999ms, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.end.count());
        form.Command2_Click();
        shell.clock = second + c.start;
        shell.everyYield = [&] { shell.clock = second + c.end; };
        shell.messages.answerNext(MsgAnswer::Ok);
        form.Cmd_findodd_Click();
        EXPECT_EQ(shell.messages.texts().back(),
                  "Successfully Completed in " + std::to_string(c.seconds) + " Seconds");
        EXPECT_TRUE(isSolution(boardOf(form.Grid3))) << boardOf(form.Grid3);
        EXPECT_EQ(shell.tabsShown.back(), 0) << "the play page is shown";
    }
}

// The box flag is never cleared between boxes: once box 1 has its hidden 5, the
// later boxes look at digit 1 only, so box 9's hidden 5 at (8, 8) waits.
TEST_F(AutoPlay, OnlyTheFirstBoxWithAHiddenSingleGetsItsDigitInAPass) {
    const std::string start = cellsOf(".........|...5.....|......5..|.........|.5.......|"
                                      ".......5.|....5....|..5......|.........");
    form.showStoredBoard(start);
    form.Cmd_findodd_Click();
    ASSERT_EQ(boardOf(form.HistGrid3, 1), start) << "the starting Update places nothing";
    EXPECT_EQ(boardOf(form.HistGrid3, 2), "5" + start.substr(1));
}

// The pass under way finishes; a Stop pressed before the run is forgotten.
TEST_F(AutoPlay, StopDuringTheSecondPassEndsTheRunAfterIt) {
    form.Command12_Click();
    shell.everyYield = [&] {
        if (form.HistIdx >= 4) // Update recorded slot 1, the first pass slots 2 to 4
            form.Command12_Click();
    };
    form.Cmd_findodd_Click();
    EXPECT_EQ(form.autoPlayPasses(), 2);
    EXPECT_EQ(form.HistIdx, 7);
    EXPECT_FALSE(isSolution(boardOf(form.Grid3)));
}

} // namespace
