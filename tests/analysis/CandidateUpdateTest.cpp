// "Update" and "Clue": candidates, and the roll-back on a repetition.
#include "AnalysisFixture.h"
#include "controls/NumericValue.h"

namespace {

using CandidateUpdate = AnalysisTest;
using Candidates = std::array<std::string, 81>; // row by row

// The candidate rule as written, on strings: each text with a value above 0,
// row by row, is its cell's candidate and takes its first occurrence out of every
// other string of its column, row and box, except one equal to it.
Candidates candidatesAsWritten(const CellGrid& play) {
    Candidates cand;
    cand.fill("123456789");
    for (int i = 0; i < 81; ++i) {
        const int r = i / 9, c = i % 9;
        const std::string& text = play.text(r, c);
        if (!(numericValue(text) > 0))
            continue;
        const auto first = text.find_first_not_of(' ');
        cand[i] = text.substr(first, text.find_last_not_of(' ') - first + 1);
        for (int k = 0; k < 27; ++k) { // the column, the row, then the box
            const int row = k < 9 ? k : k < 18 ? r : r / 3 * 3 + (k - 18) / 3;
            const int col = k < 9 ? c : k < 18 ? k - 9 : c / 3 * 3 + (k - 18) % 3;
            if (std::string& other = cand[row * 9 + col]; other != cand[i])
                other = PlaySide::strless(other, cand[i]);
        }
    }
    return cand;
}

TEST_F(CandidateUpdate, CandidatesFollowTheWrittenRuleOnAnyBoard) {
    std::mt19937 random(20261206);
    for (int board = 0; board < 300; ++board) {
        const std::vector<std::string> texts = randomTexts(random, board);
        for (int i = 0; i < 81; ++i)
            play.Grid3.setText(i / 9, i % 9, texts[i]);
        const Candidates expected = candidatesAsWritten(play.Grid3);
        analysis.clue(shell);
        for (int i = 0; i < 81; ++i)
            ASSERT_EQ(play.CandArr[i / 9][i % 9], expected[i]) << board << ", " << i;
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
        putBoard(play.Grid3, board);
        analysis.clue(shell);
        EXPECT_EQ(play.CandArr[cell / 9][cell % 9], kept);
    }
}

// (0, 0) and (1, 0) both come down to 4: back to the saved slot (the last one here),
// losing the 9 put in by hand since, and one record of that board.
TEST_F(CandidateUpdate, ARepeatedSingleRollsBackToTheSavedSlotWithOneRecord) {
    for (int i = 1; i < HistArray::Slots - 1; ++i)
        record(std::string(81, '.'));
    const std::string saved =
        "....9.............1........2........3........5........6........7........8........";
    record(saved);
    ASSERT_EQ(play.HistIdx, 500);
    const std::string grid1Saved = joinedTexts(play.Grid1);
    for (int run = 0; run < 2; ++run) { // and again from the same place
        play.Grid3.setText(1, 7, "9");
        const SweepOutcome outcome = analysis.update(shell);
        EXPECT_TRUE(outcome.rolledBack);
        EXPECT_EQ(outcome.clash, (Clash{Clash::Grid::Play, {0, 0}, {1, 0}})) << "column 0";
        EXPECT_EQ(outcome.digit, 4) << "read before the board was taken back";
        EXPECT_EQ(play.CandArr[0][0] + play.CandArr[1][0], "44");
        EXPECT_EQ(boardOf(play.Grid3), saved);
        EXPECT_EQ(joinedTexts(play.Grid1), grid1Saved);
        EXPECT_EQ(play.HistIdx, 500);
        EXPECT_EQ(boardOf(play.HistGrid3, 499), saved);
        EXPECT_EQ(boardOf(play.HistGrid3, 498 - run), std::string(81, '.')) << "one record a run";
    }
}

} // namespace
