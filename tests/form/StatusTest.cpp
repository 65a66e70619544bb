// The form's status lines for answers that come late, after the board moved on, or in a run.
#include "support/FormFixture.h"

namespace {

using Status = FormTest;

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
