// The status lines of the form: engine answers that arrive after the board
// moved on, or inside a run.
#include "support/FormFixture.h"

namespace {

using Status = FormTest;

Hint answered(const HintQuestion& question) {
    return question.known ? *question.known : answerHint(question.position);
}

// An answer worked out off the window's thread may come after the user changed
// the board: showing or making it then would speak of another board.
TEST_F(Status, AnAnswerForAnEarlierBoardIsNeitherShownNorMade) {
    const HintQuestion question = form.hintQuestion();
    const Hint hint = answered(question);
    ASSERT_EQ(hint.end, HintEnd::Step);
    const EntryReading reading = form.entryQuestion();
    form.controls().Grid3.setText(8, 0, "9");
    form.controls().Grid2.setText(0, 0, "5");
    const std::string board = boardOf(form.controls().Grid3);
    form.takeHint(question, hint, true);
    form.takeEntryVerdict(reading, judgeEntry(reading.board));
    EXPECT_EQ(boardOf(form.controls().Grid3), board);
    EXPECT_EQ(form.play().HistIdx, 0);
    EXPECT_EQ(form.controls().PlayStatus.text(), "");
    EXPECT_EQ(form.controls().EntryStatus.text(), "");
}

// A hint made inside a run's yield would record a slot in the middle of the run.
TEST_F(Status, ApplyHintDuringARunOnlyShowsTheHint) {
    shell.atYield([&] {
        const HintQuestion question = form.hintQuestion();
        form.takeHint(question, answered(question), true);
    });
    form.Command13_Click();
    EXPECT_EQ(form.play().HistIdx, 1) << "the run's own record only";
    EXPECT_NE(form.controls().PlayStatus.text(), "");
}

} // namespace
