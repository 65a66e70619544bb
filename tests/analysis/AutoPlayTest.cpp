// "Auto Play" and "Stop": passes of hidden singles between runs of "Update",
// the ways a run ends, and the time it reports.
#include "Solutions.h"
#include "support/FormFixture.h"

#include <chrono>

namespace {

using namespace std::chrono_literals;
using AutoPlay = FormTest;

void load(Frm_TaBrel& form, std::string_view board) {
    form.Grid3.clear();
    form.showStoredBoard(cellsOf(board));
}

TEST_F(AutoPlay, SolvesTheBuiltInPuzzleAndReportsTheSeconds) {
    form.SSTab2.tab = 1;
    shell.messages.answerNext(MsgAnswer::Ok);
    form.Cmd_findodd_Click();
    const std::string board = boardOf(form.Grid3);
    EXPECT_TRUE(isSolution(board)) << board;
    EXPECT_TRUE(keepsGivens(cellsOf(BuiltInBoard), board));
    ASSERT_EQ(shell.messages.shown().size(), 1u);
    const ShownMessage& shown = shell.messages.shown()[0];
    EXPECT_EQ(shown.text, "Successfully Completed in 0 Seconds");
    EXPECT_EQ(shown.icon, MsgIcon::None);
    EXPECT_EQ(shown.caption, "Tabrel");
    EXPECT_EQ(shell.tabsShown, std::vector<int>{0});
    EXPECT_EQ(form.SSTab2.tab, 0);
    // One record for the starting "Update", three for every pass.
    EXPECT_EQ(form.HistIdx, 1 + 3 * form.autoPlayPasses());
}

// A board that repeats a digit, or holds a value no board may hold, is refused
// before anything runs.
TEST_F(AutoPlay, ARepeatAtTheStartOnlyShowsTheMessage) {
    for (const char* text : {"5", "12"}) {
        SCOPED_TRACE(text);
        form.Command2_Click();
        form.Grid3.setText(0, 1, text);
        shell.messages.answerNext(MsgAnswer::Ok);
        form.Cmd_findodd_Click();
        EXPECT_EQ(shell.messages.texts().back(), "Wrong Game...Duplicates Found");
        EXPECT_EQ(shell.messages.shown().back().icon, MsgIcon::None);
        EXPECT_EQ(shell.yields, 0) << "no Update ran";
        EXPECT_EQ(form.HistIdx, 0);
        EXPECT_EQ(form.Grid3.text(0, 1), text);
        EXPECT_EQ(form.autoPlayPasses(), 0);
    }
}

TEST_F(AutoPlay, APuzzleOfSinglesIsSolvedByTheFirstUpdateAndOnePass) {
    load(form, "..63...2..49.7...67..4.......2.16...6..5.3....53.47......9.....3...516....5...9..");
    shell.messages.answerNext(MsgAnswer::Ok);
    form.Cmd_findodd_Click();
    EXPECT_TRUE(isSolution(boardOf(form.Grid3)));
    EXPECT_TRUE(isSolution(boardOf(form.HistGrid3, 1))) << "solved by the starting Update";
    EXPECT_EQ(form.autoPlayPasses(), 1);
    EXPECT_EQ(form.HistIdx, 4);
}

TEST_F(AutoPlay, AnEmptyBoardEndsSilentlyAfterOnePass) {
    form.Command7_Click();
    form.Cmd_findodd_Click();
    EXPECT_TRUE(shell.messages.shown().empty());
    EXPECT_EQ(form.autoPlayPasses(), 1);
    EXPECT_EQ(form.HistIdx, 4);
    EXPECT_EQ(boardOf(form.Grid3), std::string(81, '.'));
}

// The box flag is not cleared between boxes: boxes 1 and 9 both have a hidden 5
// (at (0, 0) and (8, 8)), but once box 1 has its 5 the later boxes look at
// digit 1 only, so the box phase places one digit.
TEST_F(AutoPlay, OnlyTheFirstBoxWithAHiddenSingleGetsItsDigitInAPass) {
    const std::string start = "........."
                              "...5....."
                              "......5.."
                              "........."
                              ".5......."
                              ".......5."
                              "....5...."
                              "..5......"
                              ".........";
    load(form, start);
    form.Cmd_findodd_Click();

    std::string afterStart = cellsOf(start);
    ASSERT_EQ(boardOf(form.HistGrid3, 1), afterStart) << "the starting Update places nothing";
    int boxNineCellsAllowingFive = 0;
    for (int r = 6; r < 9; ++r)
        for (int c = 6; c < 9; ++c)
            boxNineCellsAllowingFive += form.HistGrid1.at(1, r, c).find('5') != std::string::npos;
    ASSERT_EQ(boxNineCellsAllowingFive, 1);

    std::string afterBoxPhase = afterStart;
    afterBoxPhase[0] = '5';
    EXPECT_EQ(boardOf(form.HistGrid3, 2), afterBoxPhase);
}

// "Stop" ends the run at the next test before a pass: the pass under way
// finishes, with its win check.
struct StopPoint {
    const char* name;
    int pressedAtSlot; // pressed at the first yield once HistIdx has reached this
    int passes;
    bool solved;
};

// Test names show the row's name, not its bytes.
void PrintTo(const StopPoint& stop, std::ostream* os) {
    *os << stop.name;
}

class StopDuringAutoPlay : public FormTest, public ::testing::WithParamInterface<StopPoint> {};

TEST_P(StopDuringAutoPlay, EndsAfterThePassUnderWay) {
    const StopPoint& stop = GetParam();
    bool pressed = false;
    shell.everyYield = [&] {
        if (!pressed && form.HistIdx >= stop.pressedAtSlot) {
            form.Command12_Click();
            pressed = true;
        }
    };
    if (stop.solved)
        shell.messages.answerNext(MsgAnswer::Ok);
    form.Cmd_findodd_Click();
    EXPECT_TRUE(pressed);
    EXPECT_EQ(form.autoPlayPasses(), stop.passes);
    EXPECT_EQ(form.HistIdx, 1 + 3 * stop.passes);
    EXPECT_EQ(isSolution(boardOf(form.Grid3)), stop.solved);
}

// The built-in puzzle takes four passes: the starting Update records slot 1,
// pass n records slots 3n - 1 to 3n + 1.
INSTANTIATE_TEST_SUITE_P(BuiltInPuzzle, StopDuringAutoPlay,
                         ::testing::Values(StopPoint{"DuringTheStartingUpdate", 0, 0, false},
                                           StopPoint{"DuringTheSecondPass", 4, 2, false},
                                           StopPoint{"DuringTheWinningPass", 10, 4, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AutoPlay, AStopPressedBeforeTheRunIsForgotten) {
    form.Command12_Click();
    shell.messages.answerNext(MsgAnswer::Ok);
    form.Cmd_findodd_Click();
    EXPECT_TRUE(isSolution(boardOf(form.Grid3)));
}

// Both readings are cut to the second before they are subtracted.
TEST_F(AutoPlay, ReportsWholeSecondsBetweenReadingsCutToTheSecond) {
    const auto second = std::chrono::system_clock::time_point{std::chrono::seconds(1'800'000'000)};
    const struct {
        const char* name;
        std::chrono::milliseconds start, end;
        const char* text;
    } cases[] = {{"WithinOneSecond", 100ms, 900ms, "Successfully Completed in 0 Seconds"},
                 {"AcrossOneBoundary", 900ms, 1100ms, "Successfully Completed in 1 Seconds"},
                 {"JustUnderTwoSeconds", 0ms, 1999ms, "Successfully Completed in 1 Seconds"},
                 {"ThreeBoundaries", 500ms, 3500ms, "Successfully Completed in 3 Seconds"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        form.Command2_Click();
        shell.clock = second + c.start;
        shell.everyYield = [&] { shell.clock = second + c.end; };
        shell.messages.answerNext(MsgAnswer::Ok);
        form.Cmd_findodd_Click();
        EXPECT_EQ(shell.messages.texts().back(), c.text);
    }
}

} // namespace
