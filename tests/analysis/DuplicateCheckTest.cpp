// The duplicate check and what "Chk.Dup" finds.
#include "AnalysisFixture.h"

namespace {

using DuplicateCheck = AnalysisTest;
using Cell = std::pair<int, int>;
using Texts = std::vector<std::pair<Cell, const char*>>;

void write(CellGrid& grid, const Texts& texts) {
    for (const auto& [cell, text] : texts)
        grid.setText(cell.first, cell.second, text);
}

// "Put In the Grid" writes at Grid3's current cell, so where the scan leaves it
// matters. Grid1 cells count only when settled on one digit, spaces aside.
TEST_F(DuplicateCheck, ChkdupLeavesBothCurrentCellsWhereItsScanStopped) {
    const Cell from3{2, 3}, from1{6, 7};
    const struct {
        const char* name;
        Texts play, candidates; // Grid3 and Grid1 texts
        bool found;
        Cell grid3, grid1; // the current cells afterwards
    } cases[] = {
        {"NoDuplicate", {{{0, 0}, "5"}}, {}, false, {8, 8}, {8, 8}},
        {"RowOfPlayGrid", {{{4, 1}, "5"}, {{4, 7}, "5"}}, {}, true, from3, from1},
        {"PaddedPlayDigit", {{{4, 0}, " 7"}, {{4, 8}, "7"}}, {}, true, from3, from1},
        {"ColumnOfPlayGrid", {{{1, 3}, "6"}, {{7, 3}, "6"}}, {}, true, from3, from1},
        // Box column 0 is taken before column 1, so (0, 1) is the second 5 met.
        {"BoxOfPlayGrid", {{{2, 0}, "5"}, {{0, 1}, "5"}}, {}, true, {1, 0}, from1},
        {"ColumnOfCandidateGrid", {}, {{{0, 4}, "5"}, {{6, 4}, "5"}}, true, {8, 8}, from1},
        {"BoxOfCandidateGrid", {}, {{{5, 3}, "2"}, {{3, 4}, "2"}}, true, {8, 8}, {4, 3}},
        {"PaddedCandidate", {}, {{{0, 2}, "5"}, {{0, 3}, " 5 "}}, true, {8, 8}, from1},
        {"Unsettled", {}, {{{0, 0}, "25"}, {{0, 1}, "5"}, {{0, 2}, "52"}}, false, {8, 8}, {8, 8}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        play.clearGrids();
        write(play.Grid3, c.play);
        write(play.Grid1, c.candidates);
        play.Grid3.setCurrent(from3.first, from3.second);
        play.Grid1.setCurrent(from1.first, from1.second);
        EXPECT_EQ(analysis.chkdup().has_value(), c.found);
        EXPECT_EQ(Cell(play.Grid3.row(), play.Grid3.col()), c.grid3);
        EXPECT_EQ(Cell(play.Grid1.row(), play.Grid1.col()), c.grid1);
    }
}

// A value above 0 that is no whole digit 1-9 cannot index the tally of nine digits:
// it is a repetition on its own. Values of 0 and below take no part.
TEST_F(DuplicateCheck, PlayValuesAboveZeroThatAreNoDigitCountAsRepeats) {
    const std::pair<const char*, bool> cells[] = {
        {"12", true},   {"0.4", true}, {"1e3", true}, {"1e400", true}, {"10", true},
        {"7.0", false}, {" 7", false}, {"3x", false}, {"0", false},    {"x", false},
        {"-3", false},  {"", false},   {"inf", false}};
    for (const auto& [text, repeats] : cells) {
        SCOPED_TRACE(text);
        play.Grid3.clear();
        play.Grid3.setText(4, 4, text);
        EXPECT_EQ(analysis.chkdup().has_value(), repeats);
        EXPECT_EQ(analysis.checkBoard(), repeats ? BoardCheck::Duplicates : BoardCheck::Neither);
    }
}

// A negative number counts as filled for the win check, while the duplicate
// check skips it.
TEST_F(DuplicateCheck, AFullBoardWithoutRepeatsIsAWin) {
    putBoard(play.Grid3, EasyPuzzle.solution);
    for (const char* last : {"9", "-4"}) {
        play.Grid3.setText(8, 8, last);
        EXPECT_EQ(analysis.checkBoard(), BoardCheck::Win) << last;
    }
}

// A later command marks the clashing cells, so both must be named: the cell at
// which the scan met the digit again, and the one of its unit met before it.
TEST_F(DuplicateCheck, AClashNamesTheCellWhereTheScanMetTheDigitAgainAndItsTwin) {
    using G = Clash::Grid;
    const struct {
        const char* name;
        Texts play, candidates;
        Clash clash;
    } cases[] = {
        {"Row", {{{4, 7}, "5"}, {{4, 1}, "5"}}, {}, {G::Play, {4, 1}, {4, 7}}},
        {"Column", {{{7, 3}, "6"}, {{1, 3}, "6"}}, {}, {G::Play, {1, 3}, {7, 3}}},
        // Box column 0 is scanned before column 1, top to bottom.
        {"Box", {{{2, 0}, "5"}, {{0, 1}, "5"}}, {}, {G::Play, {2, 0}, {0, 1}}},
        {"NoDigitOnItsOwn", {{{3, 3}, "1"}, {{5, 5}, "12"}}, {}, {G::Play, {5, 5}, {5, 5}}},
        {"CandidateGrid", {}, {{{0, 4}, "5"}, {{6, 4}, " 5"}}, {G::Candidates, {0, 4}, {6, 4}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        play.clearGrids();
        write(play.Grid3, c.play);
        write(play.Grid1, c.candidates);
        EXPECT_EQ(analysis.chkdup(), c.clash);
    }
}

// The hint and the roll-back report name the clash and its digit without moving
// the current cell the user works at.
TEST_F(DuplicateCheck, FindClashNamesWhatChkdupFindsAndItsDigitWithoutMovingACell) {
    using G = Clash::Grid;
    const struct {
        const char* name;
        Texts play, candidates;
        std::optional<Clash> clash;
        int digit;
    } cases[] = {
        {"None", {{{0, 0}, "5"}}, {}, std::nullopt, 0},
        {"Box", {{{2, 0}, "5"}, {{0, 1}, "5"}}, {}, Clash{G::Play, {2, 0}, {0, 1}}, 5},
        {"NoDigit", {{{5, 5}, "12"}}, {}, Clash{G::Play, {5, 5}, {5, 5}}, 0},
        {"CandidateGrid",
         {},
         {{{0, 4}, "5"}, {{6, 4}, " 5"}},
         Clash{G::Candidates, {0, 4}, {6, 4}},
         5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        play.clearGrids();
        write(play.Grid3, c.play);
        write(play.Grid1, c.candidates);
        play.Grid3.setCurrent(3, 4);
        play.Grid1.setCurrent(7, 2);
        const std::optional<Clash> clash = analysis.findClash();
        EXPECT_EQ(clash, c.clash);
        EXPECT_EQ(clash ? analysis.repeatedDigit(*clash) : 0, c.digit);
        EXPECT_EQ(Cell(play.Grid3.row(), play.Grid3.col()), Cell(3, 4));
        EXPECT_EQ(Cell(play.Grid1.row(), play.Grid1.col()), Cell(7, 2));
        EXPECT_EQ(analysis.chkdup(), c.clash);
    }
}

} // namespace
