// The handlers over the subsystems: start-up, runs, unloading, words, answers that come late.
#include "support/FormFixture.h"
#include "support/Puzzles.h"

namespace {

using Handlers = FormTest;
using Status = FormTest;

// The editor must not store its start-up text into the entry grid, nor show it
// over a cell of the new, empty puzzle. It holds the last digit a sweep placed,
// and after loading a board the last cell's text, "" when any cell is empty.
TEST_F(Handlers, TheEditorStaysDetachedAndHiddenHoldingTheLastTextPlacedOrLoaded) {
    EXPECT_TRUE(form.entry().EditorDetached);
    EXPECT_EQ(form.controls().Text1.text(), "5") << "the play grid's first given";
    EXPECT_FALSE(form.controls().Text1.visible());
    EXPECT_EQ(form.controls().Grid2.colWidth(0), 500);
    EXPECT_EQ(form.controls().Text2.text(), "0");
    form.Command1_Click();
    EXPECT_EQ(form.controls().Text1.text(), "3") << "Update on the built-in puzzle places one 3";
    form.showStoredBoard(EasyPuzzle.solution);
    EXPECT_EQ(form.controls().Text1.text(), "9");
    form.showStoredBoard(EasyPuzzle.solution.substr(0, 80));
    EXPECT_EQ(form.controls().Text1.text(), "");
    EXPECT_TRUE(form.entry().EditorDetached);
}

// A click on "Update", "Clue" or "Auto Play" during a run's yield must not start
// a run inside it; "Stop" still works there.
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

// "Auto Play" first shows the play page; "Chk.Dup" warns whatever it finds.
TEST_F(Handlers, EachCheckTellsWhatItFound) {
    const std::string repeat = "55" + std::string(79, '.'), builtIn(BuiltInBoard);
    const auto autoPlay = &Frm_TaBrel::Cmd_findodd_Click, chkDup = &Frm_TaBrel::Command9_Click;
    const struct {
        std::string board;
        void (Frm_TaBrel::*command)();
        const char* told;
    } cases[] = {
        {builtIn, autoPlay, "Successfully Completed in 0 Seconds"},
        {repeat, autoPlay, "Wrong Game...Duplicates Found"},
        {repeat, chkDup, "Duplicates found"},
        {std::string(EasyPuzzle.solution), chkDup, "Good Girl! you did it"},
        {builtIn, chkDup, "No Duplicates...Continue it"},
    };
    for (const auto& [board, command, told] : cases) {
        SCOPED_TRACE(told);
        form.showStoredBoard(board);
        form.controls().SSTab2.tab = Page::Entry;
        shell.messages.answerNext(MsgAnswer::Ok);
        (form.*command)();
        EXPECT_EQ(shell.messages.texts().back(), told);
        EXPECT_EQ(shell.messages.icons().back(),
                  command == chkDup ? MsgIcon::Warning : MsgIcon::None);
        EXPECT_EQ(form.controls().SSTab2.tab, command == chkDup ? Page::Entry : Page::Play);
    }
}

// The window closed as the last pass solved the board: the win is not told, since
// a box with no window would keep the program from ending (the fake shell fails
// the test on a box nobody scripted).
TEST_F(Handlers, NoBoxShowsOnceTheFormIsUnloading) {
    shell.everyYield = [&] {
        if (form.FindWin())
            form.Form_Unload();
    };
    form.Cmd_findodd_Click();
    EXPECT_EQ(form.autoPlayPasses(), 4);
    form.Command9_Click();
}

// An answer worked out off the window's thread may come after the user changed
// the board: showing or making it then would speak of another board.
TEST_F(Status, AnAnswerForAnEarlierBoardIsNeitherShownNorMade) {
    shell.jobs.hold = true;
    form.askForHint(true);
    form.controls().Grid3.setText(8, 0, "9");
    const std::string board = boardOf(form.controls().Grid3);
    shell.jobs.finishJobs();
    EXPECT_EQ(boardOf(form.controls().Grid3), board);
    EXPECT_EQ(form.play().HistIdx, 0);
    EXPECT_EQ(form.controls().PlayStatus.text(), "");
}

// A late answer says it is coming. Each change of the entry grid asks anew;
// only the newest board's verdict shows.
TEST_F(Status, ALateAnswerSaysItIsComingAndTheEntryLineSpeaksOfTheNewestBoard) {
    shell.jobs.hold = true;
    form.askForHint(false);
    form.controls().Grid2.setText(0, 0, "5");
    form.controls().Grid2.setText(0, 1, "5");
    shell.jobs.beLate();
    EXPECT_EQ(form.controls().PlayStatus.text(), "Looking for a step…");
    EXPECT_EQ(form.controls().EntryStatus.text(),
              "2 givens · 5 twice in row 1 (r1c1, r1c2) · counting solutions…");
    shell.jobs.finishJobs();
    EXPECT_EQ(form.controls().PlayStatus.text(),
              "Hidden single: the only place for 8 in box 2 is r1c4");
    EXPECT_EQ(form.controls().EntryStatus.text(),
              "2 givens · 5 twice in row 1 (r1c1, r1c2) · no solution");
}

// The clash is named under the grid, with no box to hold up the player.
TEST_F(Status, AnUpdateTakenBackNamesTheClash) {
    form.controls().Grid3.setText(0, 1, "5");
    form.Command1_Click();
    EXPECT_EQ(form.controls().PlayStatus.text(),
              "Update was taken back: 5 came twice in row 1, at r1c1 and r1c2.");
}

// A hint made inside a run's yield would record a slot in the middle of the run.
TEST_F(Status, ApplyHintDuringARunOnlyShowsTheHint) {
    shell.atYield([&] { form.askForHint(true); });
    form.Command13_Click();
    EXPECT_EQ(form.play().HistIdx, 1) << "the run's own record only";
    EXPECT_NE(form.controls().PlayStatus.text(), "");
}

} // namespace
