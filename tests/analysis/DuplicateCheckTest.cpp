// The duplicate check, the win check and the "Chk.Dup" message.
#include "Solutions.h"
#include "support/FormFixture.h"

namespace {

using DuplicateCheck = FormTest;
using Cell = std::pair<int, int>;

Cell currentOf(const CellGrid& grid) {
    return {grid.row(), grid.col()};
}

// Where chkdup leaves both grids' current cells: "Put In the Grid" writes into
// Grid3's, so a moved cell changes where the player's next digit lands.
struct ScanEnd {
    const char* name;
    std::vector<std::pair<Cell, const char*>> play;       // Grid3 texts
    std::vector<std::pair<Cell, const char*>> candidates; // Grid1 texts
    bool found;
    Cell grid3; // the current cells afterwards
    Cell grid1;
};

// Test names show the row's name, not its bytes.
void PrintTo(const ScanEnd& end, std::ostream* os) {
    *os << end.name;
}

class ChkdupCurrentCells : public FormTest, public ::testing::WithParamInterface<ScanEnd> {};

TEST_P(ChkdupCurrentCells, StopWhereTheScanStopped) {
    const ScanEnd& end = GetParam();
    form.Grid3.clear();
    for (const auto& [cell, text] : end.play)
        form.Grid3.setText(cell.first, cell.second, text);
    for (const auto& [cell, text] : end.candidates)
        form.Grid1.setText(cell.first, cell.second, text);
    form.Grid3.setCurrent(2, 3);
    form.Grid1.setCurrent(6, 7);
    EXPECT_EQ(form.chkdup(), end.found);
    EXPECT_EQ(currentOf(form.Grid3), end.grid3);
    EXPECT_EQ(currentOf(form.Grid1), end.grid1);
}

const Cell Unmoved3{2, 3};
const Cell Unmoved1{6, 7};

INSTANTIATE_TEST_SUITE_P(
    EveryWayTheScanEnds, ChkdupCurrentCells,
    ::testing::Values(
        ScanEnd{"NoDuplicate", {{{0, 0}, "5"}}, {}, false, {8, 8}, {8, 8}},
        ScanEnd{"RowOfPlayGrid", {{{4, 1}, "5"}, {{4, 7}, "5"}}, {}, true, Unmoved3, Unmoved1},
        ScanEnd{"ColumnOfPlayGrid", {{{1, 3}, "6"}, {{7, 3}, "6"}}, {}, true, Unmoved3, Unmoved1},
        // Box column 0 is taken before column 1, so (0, 1) is the second 5 met.
        ScanEnd{"BoxOfPlayGrid", {{{2, 0}, "5"}, {{0, 1}, "5"}}, {}, true, {1, 0}, Unmoved1},
        ScanEnd{
            "ColumnOfCandidateGrid", {}, {{{0, 4}, "5"}, {{6, 4}, "5"}}, true, {8, 8}, Unmoved1},
        ScanEnd{"BoxOfCandidateGrid", {}, {{{5, 3}, "2"}, {{3, 4}, "2"}}, true, {8, 8}, {4, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DuplicateCheck, ChkdupCountsOnlySettledCandidateCells) {
    form.Grid3.clear();
    form.Grid1.setText(0, 0, "12");
    form.Grid1.setText(0, 1, "25");
    EXPECT_FALSE(form.chkdup()) << "cells with several candidates never take part";
    form.Grid1.setText(0, 2, "5");
    form.Grid1.setText(0, 3, " 5 ");
    EXPECT_TRUE(form.chkdup()) << "a single digit with spaces around is still that digit";
}

// A play-grid value above 0 that is not a whole digit cannot index the tally of
// nine digits: it counts as a repetition, so such a board is never a win. Values
// of 0 and below take no part.
TEST_F(DuplicateCheck, ChkdupTreatsPlayValuesOutsideOneToNineAsRepeatsAndSkipsNonPositive) {
    const std::pair<const char*, bool> cells[] = {
        {"12", true},   {"0.4", true}, {"1e3", true}, {"1e400", true}, {"10", true},
        {"7.0", false}, {" 7", false}, {"3x", false}, {"0", false},    {"x", false},
        {"-3", false},  {"", false},   {"inf", false}};
    for (const auto& [text, repeats] : cells) {
        SCOPED_TRACE(text);
        form.Grid3.clear();
        form.Grid3.setText(4, 4, text);
        EXPECT_EQ(form.chkdup(), repeats);
        EXPECT_EQ(form.FindWin(), false);
    }
}

TEST_F(DuplicateCheck, ChkdupCountsAPaddedDigitAsThatDigit) {
    form.Grid3.clear();
    form.Grid3.setText(4, 0, " 7");
    form.Grid3.setText(4, 8, "7");
    EXPECT_TRUE(form.chkdup());
}

// The "Chk.Dup" verdicts, with the win check run behind each.
struct Verdict {
    const char* name;
    std::string play;
    std::vector<std::pair<Cell, const char*>> changes; // Grid3 texts written over `play`
    std::vector<std::pair<Cell, const char*>> candidates;
    bool win;
    const char* message;
};

// Test names show the row's name, not its bytes.
void PrintTo(const Verdict& verdict, std::ostream* os) {
    *os << verdict.name;
}

class ChkDupCommand : public FormTest, public ::testing::WithParamInterface<Verdict> {};

TEST_P(ChkDupCommand, ShowsOneWarningWithTheVerdict) {
    const Verdict& verdict = GetParam();
    form.Grid3.clear();
    if (!verdict.play.empty())
        putBoard(form.Grid3, verdict.play);
    for (const auto& [cell, text] : verdict.changes)
        form.Grid3.setText(cell.first, cell.second, text);
    for (const auto& [cell, text] : verdict.candidates)
        form.Grid1.setText(cell.first, cell.second, text);
    EXPECT_EQ(form.FindWin(), verdict.win);

    shell.messages.answerNext(MsgAnswer::Ok);
    form.Command9_Click();
    ASSERT_EQ(shell.messages.shown().size(), 1u);
    const ShownMessage& shown = shell.messages.shown()[0];
    EXPECT_EQ(shown.text, verdict.message);
    EXPECT_EQ(shown.icon, MsgIcon::Warning);
    EXPECT_EQ(shown.buttons, MsgButtons::Ok);
    EXPECT_EQ(shown.caption, "Tabrel");
}

const std::string Solved(SolvedBoard);

INSTANTIATE_TEST_SUITE_P(
    EveryVerdict, ChkDupCommand,
    ::testing::Values(
        Verdict{"EmptyBoards", "", {}, {}, false, "No Duplicates...Continue it"},
        Verdict{"Solved", Solved, {}, {}, true, "Good Girl! you did it"},
        Verdict{
            "CompleteWithARepeatInABox", Solved, {{{0, 0}, "6"}}, {}, false, "Duplicates found"},
        Verdict{"SolvedButTwoSettledFivesInACandidateRow",
                Solved,
                {},
                {{{3, 0}, "5"}, {{3, 8}, "5"}},
                false,
                "Duplicates found"},
        Verdict{"OneCellHoldsALetter",
                Solved,
                {{{8, 8}, "x"}},
                {},
                false,
                "No Duplicates...Continue it"},
        // A negative number fills its cell for the win check but is never tallied.
        Verdict{"NegativeNumberCountsAsFilled",
                Solved,
                {{{8, 8}, "-4"}},
                {},
                true,
                "Good Girl! you did it"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
