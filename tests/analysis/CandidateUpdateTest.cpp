// "Update" and "Clue": candidates, singles, the roll-back on a repetition, the
// one history record per run, and runs that cannot nest.
#include "Solutions.h"
#include "board/NumericValue.h"
#include "support/FormFixture.h"

#include <random>

namespace {

using CandidateUpdate = FormTest;
using Candidates = std::array<std::array<std::string, 9>, 9>;

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? ""
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The candidate rule exactly as written, on strings, cell by cell: the reference
// the command's own elimination must match, whatever the board holds.
Candidates candidatesAsWritten(const CellGrid& play) {
    Candidates cand;
    for (auto& row : cand)
        row.fill("123456789");
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            if (!(numericValue(play.text(r, c)) > 0))
                continue;
            const std::string d = trimmed(play.text(r, c));
            cand[r][c] = d;
            auto remove = [&](int row, int col) {
                if (cand[row][col] != d)
                    cand[row][col] = Frm_TaBrel::strless(cand[row][col], d);
            };
            for (int k = 0; k < 9; ++k)
                remove(k, c);
            for (int k = 0; k < 9; ++k)
                remove(r, k);
            for (int row = r / 3 * 3; row < r / 3 * 3 + 3; ++row)
                for (int col = c / 3 * 3; col < c / 3 * 3 + 3; ++col)
                    remove(row, col);
        }
    }
    return cand;
}

Candidates candArrOf(const Frm_TaBrel& form) {
    Candidates cand;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            cand[r][c] = form.CandArr[r][c];
    return cand;
}

// Random boards, most of them contradictory (so that some cells lose every
// digit and the order of removals decides what they keep), some with texts that
// "Put In the Grid" allows: the candidates must be those of the written rule.
TEST_F(CandidateUpdate, CandidatesFollowTheWrittenRuleOnAnyBoard) {
    std::mt19937 random(20261206);
    const char* odd[] = {"12", " 7", "0.5", "x", "-3", "5x", "0", "3 "};
    for (int board = 0; board < 300; ++board) {
        form.Grid3.clear();
        const bool withOddTexts = board % 4 == 0;
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 9; ++c) {
                const int roll = static_cast<int>(random() % 100);
                if (withOddTexts && roll < 5)
                    form.Grid3.setText(r, c, odd[random() % std::size(odd)]);
                else if (roll < 40)
                    form.Grid3.setText(r, c, std::to_string(1 + random() % 9));
            }
        }
        const Candidates expected = candidatesAsWritten(form.Grid3);
        form.Command13_Click();
        ASSERT_EQ(candArrOf(form), expected) << "board " << board;
    }
}

TEST_F(CandidateUpdate, AnEmptyBoardTakesOneSweepAndOneRecord) {
    form.Command7_Click();
    form.Command1_Click();
    EXPECT_EQ(shell.yields, 1);
    EXPECT_EQ(form.HistIdx, 1);
    for (int i = 0; i < 81; ++i)
        EXPECT_EQ(form.Grid1.text(i / 9, i % 9), "123456789");
    for (int i = 0; i < 81; ++i)
        EXPECT_EQ(form.Grid1.backColor(i / 9, i % 9), White);
}

TEST_F(CandidateUpdate, ADigitLeavesItsRowColumnAndBoxOnly) {
    form.Command7_Click();
    form.Grid3.setText(0, 0, "5");
    form.Command1_Click();
    EXPECT_EQ(shell.yields, 1);
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const bool neighbour = r == 0 || c == 0 || (r < 3 && c < 3);
            const std::string expected = r + c == 0 ? "5" : (neighbour ? "12346789" : "123456789");
            EXPECT_EQ(form.Grid1.text(r, c), expected) << r << ',' << c;
        }
    }
}

TEST_F(CandidateUpdate, SweepsUntilOneSweepPlacesNothing) {
    form.Command7_Click();
    putBoard(form.Grid3, "12345678." + std::string(72, '.'));
    form.Command1_Click();
    EXPECT_EQ(shell.yields, 2);
    EXPECT_EQ(form.Grid3.text(0, 8), "9");
    EXPECT_EQ(form.Text1.text(), "9") << "the editor keeps the last digit placed";
    EXPECT_EQ(form.HistIdx, 1);
    EXPECT_EQ(std::pair(form.Grid3.row(), form.Grid3.col()), std::pair(8, 8));
}

TEST_F(CandidateUpdate, SolvesAPuzzleOfSinglesKeepingItsGivens) {
    const std::string puzzle = "..63...2..49.7...67..4.......2.16...6..5.3....53.47......9....."
                               "3...516....5...9..";
    form.Grid3.clear();
    form.showStoredBoard(puzzle);
    form.Command1_Click();
    const std::string board = boardOf(form.Grid3);
    EXPECT_TRUE(isSolution(board)) << board;
    EXPECT_TRUE(keepsGivens(cellsOf(puzzle), board));
    EXPECT_EQ(form.HistIdx, 1);
}

// Two cells of one column both come down to 4 in the same sweep: both are
// filled, the check finds the repetition and the run returns to the board it
// started from, recording it once more.
TEST_F(CandidateUpdate, ARepeatedSingleRollsBackToTheSavedSlotWithOneRecord) {
    const std::string start = "....9...."
                              ".......9."
                              "1........"
                              "2........"
                              "3........"
                              "5........"
                              "6........"
                              "7........"
                              "8........";
    record(start);
    const std::string grid1Saved = textsOf(form.Grid1);
    form.Command1_Click();
    EXPECT_EQ(shell.yields, 1);
    EXPECT_EQ(boardOf(form.Grid3), cellsOf(start));
    EXPECT_EQ(textsOf(form.Grid1), grid1Saved);
    EXPECT_EQ(form.HistIdx, 2);
    EXPECT_EQ(boardOf(form.HistGrid3, 2), cellsOf(start));
    EXPECT_EQ(form.CandArr[0][0], "4");
    EXPECT_EQ(form.CandArr[1][0], "4");
}

// Digits put in by hand since the last record go with the roll-back.
TEST_F(CandidateUpdate, ARollBackLosesDigitsPutInSinceTheLastRecord) {
    record(cellsOf(BuiltInBoard));
    form.Grid3.setText(0, 1, "5"); // a second 5 in row 0
    form.Command1_Click();
    EXPECT_EQ(boardOf(form.Grid3), cellsOf(BuiltInBoard));
    EXPECT_EQ(form.HistIdx, 2);
}

// A cell whose every digit is excluded keeps the one it had left when its
// string came down to one character; which one depends on the order in which
// the filled cells, row by row, reach it.
TEST_F(CandidateUpdate, TheLastCandidateIsNeverRemoved) {
    const struct {
        const char* name;
        std::string board;
        int row, col;
        const char* kept;
    } cases[] = {
        {"RowDigitsComeFirst",
         "12345678." + std::string(36, '.') + "........9" + std::string(27, '.'), 0, 8, "9"},
        {"ColumnDigitComesFirst",
         std::string(17, '.') + "9" + std::string(18, '.') + "12345678." + std::string(36, '.'), 4,
         8, "8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        form.Command2_Click();
        form.Command7_Click();
        putBoard(form.Grid3, c.board);
        form.Command13_Click();
        EXPECT_EQ(form.CandArr[c.row][c.col], c.kept);
        EXPECT_EQ(boardOf(form.Grid3), cellsOf(BuiltInBoard))
            << "the placed digit repeats, so the run returns to slot 0";
    }
}

// The saved slot may be the last one; the roll-back must reach it without
// stepping outside the history, and the run's record then drops the oldest.
TEST_F(CandidateUpdate, ARollBackFromTheLastSlotStaysInsideTheHistory) {
    for (int i = 1; i < HistArray::Slots - 1; ++i)
        record(std::string(81, '.'));
    const std::string start =
        "12345678." + std::string(36, '.') + "........9" + std::string(27, '.');
    record(start);
    ASSERT_EQ(form.HistIdx, 500);
    form.Command1_Click();
    EXPECT_EQ(form.HistIdx, 500);
    EXPECT_EQ(boardOf(form.Grid3), cellsOf(start));
    EXPECT_EQ(boardOf(form.HistGrid3, 500), cellsOf(start));
    EXPECT_EQ(boardOf(form.HistGrid3, 499), cellsOf(start));
    form.Command1_Click(); // and again, from the same place
    EXPECT_EQ(form.HistIdx, 500);
    EXPECT_EQ(boardOf(form.Grid3), cellsOf(start));
}

TEST_F(CandidateUpdate, ClueFillsTheSinglesOfTheBoardAsItStoodAndNothingMore) {
    const std::string puzzle = "..63...2..49.7...67..4.......2.16...6..5.3....53.47......9....."
                               "3...516....5...9..";
    form.Grid3.clear();
    form.showStoredBoard(puzzle);
    const std::string before = boardOf(form.Grid3);
    form.Command13_Click();
    EXPECT_EQ(shell.yields, 1);
    EXPECT_EQ(form.HistIdx, 1);
    const std::string after = boardOf(form.Grid3);
    int filled = 0;
    for (int i = 0; i < 81; ++i) {
        const std::string& shown = form.Grid1.text(i / 9, i % 9);
        if (before[i] != '.')
            continue;
        // Grid1 still shows the candidates from before the placements.
        EXPECT_EQ(after[i] != '.', shown.size() == 1) << "cell " << i;
        if (after[i] != '.') {
            EXPECT_EQ(std::string(1, after[i]), shown);
            ++filled;
        }
    }
    EXPECT_GT(filled, 0);

    int clues = 1;
    while (!isSolution(boardOf(form.Grid3)) && clues < 81) {
        form.Command13_Click();
        ++clues;
    }
    EXPECT_TRUE(isSolution(boardOf(form.Grid3))) << "clue after clue reaches what Update reaches";
    EXPECT_EQ(form.HistIdx, clues);
}

TEST_F(CandidateUpdate, ClueOnASolvedBoardPlacesNothingButStillRecords) {
    form.Grid3.clear();
    form.showStoredBoard(SolvedBoard);
    form.Command13_Click();
    EXPECT_EQ(boardOf(form.Grid3), SolvedBoard);
    EXPECT_EQ(boardOf(form.Grid1), SolvedBoard);
    EXPECT_EQ(form.HistIdx, 1);
}

// A click on "Update", "Clue" or "Auto Play" during a run's yield must not start
// a run inside it; "Stop" still works there.
TEST_F(CandidateUpdate, NoRunStartsInsideARunningOne) {
    for (void (Frm_TaBrel::*running)() :
         {&Frm_TaBrel::Command1_Click, &Frm_TaBrel::Command13_Click}) {
        form.Command2_Click();
        form.Command7_Click(); // one sweep for either command
        form.StopFlag = false;
        const int yieldsBefore = shell.yields;
        shell.atYield([&] {
            form.Command1_Click();
            form.Command13_Click();
            form.Cmd_findodd_Click();
            form.Command12_Click();
        });
        (form.*running)();
        EXPECT_EQ(form.HistIdx, 1) << "one record: no nested run recorded";
        EXPECT_EQ(shell.yields - yieldsBefore, 1);
        EXPECT_TRUE(form.StopFlag);
        EXPECT_TRUE(shell.messages.shown().empty());
    }
    form.Command1_Click();
    EXPECT_EQ(form.HistIdx, 2) << "after the run a click works again";
}

} // namespace
