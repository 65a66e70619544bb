// The handlers over the subsystems: start-up, the guard against a run inside a
// run, Stop, and the words each outcome is told in.
#include "support/FormFixture.h"
#include "support/Puzzles.h"

namespace {

using Handlers = FormTest;

// The editor must not store its start-up text into the entry grid, nor show it
// over a cell of the new, empty puzzle.
TEST_F(Handlers, StartUpLeavesTheEditorDetachedAndHiddenWithThePlayGridsFirstGiven) {
    EXPECT_TRUE(form.entry().EditorDetached);
    EXPECT_EQ(form.controls().Text1.text(), "5");
    EXPECT_FALSE(form.controls().Text1.visible());
    EXPECT_EQ(form.controls().Grid2.colWidth(0), 500);
    EXPECT_EQ(form.controls().Text2.text(), "0");
}

// A click on "Update", "Clue" or "Auto Play" during a run's yield must not start
// a run inside it; "Stop" still works there, and after the run a click works.
TEST_F(Handlers, NoRunStartsInsideARunningOne) {
    for (auto running : {&Frm_TaBrel::Command1_Click, &Frm_TaBrel::Command13_Click}) {
        FakeShell shell;
        Frm_TaBrel form{shell};
        form.Form_Load();
        form.Command7_Click(); // one sweep for either command
        shell.atYield([&] {
            form.Command1_Click();
            form.Command13_Click();
            form.Cmd_findodd_Click();
            form.Command12_Click();
        });
        (form.*running)();
        EXPECT_EQ(form.play().HistIdx, 1) << "one record: no nested run recorded";
        EXPECT_TRUE(form.stopRequested());
    }
}

TEST_F(Handlers, AutoPlayShowsThePlayPageAndTellsTheSecondsOfAWin) {
    shell.everyYield = [&] { shell.clock += std::chrono::milliseconds(10); };
    shell.messages.answerNext(MsgAnswer::Ok);
    form.Cmd_findodd_Click();
    EXPECT_EQ(shell.tabsShown, std::vector<Page>{Page::Play});
    EXPECT_EQ(form.controls().SSTab2.tab, Page::Play);
    EXPECT_EQ(form.autoPlayPasses(), 4);
    EXPECT_TRUE(isSolution(boardOf(form.controls().Grid3))) << boardOf(form.controls().Grid3);
    const ShownMessage& told = shell.messages.shown().at(0);
    EXPECT_EQ(told.text, "Successfully Completed in 0 Seconds");
    EXPECT_EQ(told.icon, MsgIcon::None);
    EXPECT_EQ(told.caption, ProgramTitle);
}

TEST_F(Handlers, AutoPlayOnABoardWithARepeatSaysSoAndRunsNoPass) {
    form.controls().Grid3.setText(0, 1, "5");
    shell.messages.answerNext(MsgAnswer::Ok);
    form.Cmd_findodd_Click();
    EXPECT_EQ(shell.messages.texts(), std::vector<std::string>{"Wrong Game...Duplicates Found"});
    EXPECT_EQ(form.autoPlayPasses(), 0);
    EXPECT_EQ(form.play().HistIdx, 0);
}

// The window closed as the last pass solved the board: the win is not told, since
// a box with no window would keep the program from ending.
TEST_F(Handlers, NoBoxShowsOnceTheFormIsUnloading) {
    shell.everyYield = [&] {
        if (form.FindWin())
            form.Form_Unload();
    };
    form.Cmd_findodd_Click();
    EXPECT_TRUE(isSolution(boardOf(form.controls().Grid3))) << boardOf(form.controls().Grid3);
    EXPECT_EQ(form.autoPlayPasses(), 4);
    form.Command9_Click();
    EXPECT_TRUE(shell.messages.shown().empty());
}

TEST_F(Handlers, ChkDupTellsEachFindingWithAWarning) {
    const std::pair<std::string, const char*> boards[] = {
        {"55" + std::string(79, '.'), "Duplicates found"},
        {std::string(EasyPuzzle.solution), "Good Girl! you did it"},
        {std::string(BuiltInBoard), "No Duplicates...Continue it"}};
    for (const auto& [board, text] : boards) {
        SCOPED_TRACE(text);
        form.controls().Grid3.clear();
        putBoard(form.controls().Grid3, board);
        shell.messages.answerNext(MsgAnswer::Ok);
        form.Command9_Click();
        EXPECT_EQ(shell.messages.shown().back().text, text);
        EXPECT_EQ(shell.messages.shown().back().icon, MsgIcon::Warning);
    }
}

// Each sweep hands the editor the last digit it placed; loading a board hands it
// every cell in turn and "" for each cell left empty.
TEST_F(Handlers, TheEditorEchoesTheLastTextPlacedOrLoaded) {
    form.Command1_Click();
    EXPECT_EQ(form.controls().Text1.text(), "3") << "Update on the built-in puzzle places one 3";
    const std::string full(EasyPuzzle.solution);
    form.showStoredBoard(full);
    EXPECT_EQ(form.controls().Text1.text(), "9");
    EXPECT_TRUE(form.entry().EditorDetached);
    form.showStoredBoard(full.substr(0, 80));
    EXPECT_EQ(form.controls().Text1.text(), "");
}

} // namespace
