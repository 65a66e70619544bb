// "Update" and "Clue": candidates, the roll-back on a repetition, no nested runs.
#include "board/NumericValue.h"
#include "support/FormFixture.h"

#include <random>

namespace {

using CandidateUpdate = FormTest;
using Candidates = std::array<std::string, 81>; // row by row

// The candidate rule exactly as written, on strings: the elimination's reference.
Candidates candidatesAsWritten(const CellGrid& play) {
    Candidates cand;
    cand.fill("123456789");
    for (int i = 0; i < 81; ++i) {
        const int r = i / 9, c = i % 9;
        const std::string& text = play.text(r, c);
        if (!(numericValue(text) > 0))
            continue;
        const auto first = text.find_first_not_of(' ');
        const std::string d = text.substr(first, text.find_last_not_of(' ') - first + 1);
        cand[i] = d;
        for (int k = 0; k < 27; ++k) { // the column, the row, then the box
            const int row = k < 9 ? k : k < 18 ? r : r / 3 * 3 + (k - 18) / 3;
            const int col = k < 9 ? c : k < 18 ? k - 9 : c / 3 * 3 + (k - 18) % 3;
            if (std::string& other = cand[row * 9 + col]; other != d)
                other = Frm_TaBrel::strless(other, d);
        }
    }
    return cand;
}

// Random boards, most contradictory (so the order of removals decides what a cell
// keeps), some with texts that "Put In the Grid" allows.
TEST_F(CandidateUpdate, CandidatesFollowTheWrittenRuleOnAnyBoard) {
    std::mt19937 random(20261206);
    const char* odd[] = {"12", " 7", "0.5", "x", "-3", "5x", "0", "3 "};
    for (int board = 0; board < 300; ++board) {
        form.Grid3.clear();
        for (int i = 0; i < 81; ++i) {
            const int roll = static_cast<int>(random() % 100);
            if (board % 4 == 0 && roll < 5)
                form.Grid3.setText(i / 9, i % 9, odd[random() % std::size(odd)]);
            else if (roll < 40)
                form.Grid3.setText(i / 9, i % 9, std::to_string(1 + random() % 9));
        }
        const Candidates expected = candidatesAsWritten(form.Grid3);
        form.Command13_Click();
        for (int i = 0; i < 81; ++i)
            ASSERT_EQ(form.CandArr[i / 9][i % 9], expected[i]) << board << ", " << i;
    }
}

// (0, 0) and (1, 0) both come down to 4: back to the saved slot (the last one here),
// losing the 9 put in by hand since, and one record of that board.
TEST_F(CandidateUpdate, ARepeatedSingleRollsBackToTheSavedSlotWithOneRecord) {
    for (int i = 1; i < HistArray::Slots - 1; ++i)
        record(std::string(81, '.'));
    const std::string saved = cellsOf("....9....|.........|1........|2........|3........|"
                                      "5........|6........|7........|8........");
    record(saved);
    ASSERT_EQ(form.HistIdx, 500);
    const std::string grid1Saved = joinedTexts(form.Grid1);
    for (int run = 0; run < 2; ++run) { // and again from the same place
        form.Grid3.setText(1, 7, "9");
        form.Command1_Click();
        EXPECT_EQ(form.CandArr[0][0] + form.CandArr[1][0], "44");
        EXPECT_EQ(boardOf(form.Grid3), saved);
        EXPECT_EQ(joinedTexts(form.Grid1), grid1Saved);
        EXPECT_EQ(form.HistIdx, 500);
        EXPECT_EQ(boardOf(form.HistGrid3, 499), saved);
        EXPECT_EQ(boardOf(form.HistGrid3, 498 - run), std::string(81, '.')) << "one record a run";
    }
}

// A cell losing every digit keeps its last one; the order of the filled cells decides.
TEST_F(CandidateUpdate, TheLastCandidateIsNeverRemoved) {
    const std::string rowFirst =
        "12345678." + std::string(36, '.') + "........9" + std::string(27, '.');
    const std::string columnFirst =
        std::string(17, '.') + "9" + std::string(18, '.') + "12345678." + std::string(36, '.');
    for (const auto& [board, cell, kept] :
         {std::tuple(rowFirst, 8, "9"), std::tuple(columnFirst, 4 * 9 + 8, "8")}) {
        SCOPED_TRACE(kept);
        putBoard(form.Grid3, board);
        form.Command13_Click();
        EXPECT_EQ(form.CandArr[cell / 9][cell % 9], kept);
    }
}

// A click on "Update", "Clue" or "Auto Play" during a run's yield must not start
// a run inside it; "Stop" still works there, and after the run a click works.
TEST_F(CandidateUpdate, NoRunStartsInsideARunningOne) {
    for (auto running : {&Frm_TaBrel::Command1_Click, &Frm_TaBrel::Command13_Click}) {
        form.Command2_Click();
        form.Command7_Click(); // one sweep for either command
        form.StopFlag = false;
        shell.atYield([&] {
            form.Command1_Click();
            form.Command13_Click();
            form.Cmd_findodd_Click();
            form.Command12_Click();
        });
        (form.*running)();
        EXPECT_EQ(form.HistIdx, 1) << "one record: no nested run recorded";
        EXPECT_TRUE(form.StopFlag);
    }
}

} // namespace
