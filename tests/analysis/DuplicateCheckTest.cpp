// The duplicate check, "Chk.Dup" and the win check.
#include "AnalysisFixture.h"

namespace {

using DuplicateCheck = AnalysisTest;
using Cell = std::pair<int, int>;
struct Text {
    int row, col;
    const char* text;
};

// The clash names the cell at which the scan met the digit again and the one of
// its unit met before it, for a later command to mark; the hint and the roll-back
// report find it without moving a current cell. "Put In the Grid" writes at
// Grid3's current cell, so where chkdup's scan leaves both current cells matters.
// Grid1 cells count only when settled on one digit, spaces aside.
TEST_F(DuplicateCheck, TheScanNamesTheClashAndLeavesBothCurrentCellsWhereItStopped) {
    constexpr Clash::Grid P = Clash::Grid::Play, C = Clash::Grid::Candidates;
    const Cell from3{2, 3}, from1{6, 7}, end{8, 8};
    const struct {
        const char* name;
        Clash::Grid grid; // where the texts go
        std::vector<Text> texts;
        std::optional<Clash> clash;
        int digit;
        Cell grid3, grid1; // the current cells after chkdup
    } cases[] = {
        {"None", P, {{0, 0, "5"}}, {}, 0, end, end},
        {"Row", P, {{4, 7, "5"}, {4, 1, "5"}}, Clash{P, {4, 1}, {4, 7}}, 5, from3, from1},
        {"Padded", P, {{4, 0, " 7"}, {4, 8, "7"}}, Clash{P, {4, 0}, {4, 8}}, 7, from3, from1},
        {"Column", P, {{7, 3, "6"}, {1, 3, "6"}}, Clash{P, {1, 3}, {7, 3}}, 6, from3, from1},
        // Box column 0 is scanned before column 1, top to bottom; the box pass walks
        // the current cell over the mirror image of the cell it examines.
        {"Box", P, {{2, 0, "5"}, {0, 1, "5"}}, Clash{P, {2, 0}, {0, 1}}, 5, {1, 0}, from1},
        {"NoDigit", P, {{3, 3, "1"}, {5, 5, "12"}}, Clash{P, {5, 5}, {5, 5}}, 0, from3, from1},
        {"Candidates", C, {{0, 4, "5"}, {6, 4, " 5 "}}, Clash{C, {0, 4}, {6, 4}}, 5, end, from1},
        {"CandidateBox", C, {{5, 3, "2"}, {3, 4, "2"}}, Clash{C, {5, 3}, {3, 4}}, 2, end, {4, 3}},
        {"Unsettled", C, {{0, 0, "25"}, {0, 1, "5"}, {0, 2, "52"}}, {}, 0, end, end},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        play.clearGrids();
        for (const auto& [row, col, text] : c.texts)
            (c.grid == P ? play.Grid3 : play.Grid1).setText(row, col, text);
        play.Grid3.setCurrent(from3.first, from3.second);
        play.Grid1.setCurrent(from1.first, from1.second);
        const std::optional<Clash> clash = analysis.findClash();
        EXPECT_EQ(clash, c.clash);
        EXPECT_EQ(clash ? analysis.repeatedDigit(*clash) : 0, c.digit);
        EXPECT_EQ(Cell(play.Grid3.row(), play.Grid3.col()), from3);
        EXPECT_EQ(Cell(play.Grid1.row(), play.Grid1.col()), from1);
        EXPECT_EQ(analysis.chkdup(), c.clash);
        EXPECT_EQ(Cell(play.Grid3.row(), play.Grid3.col()), c.grid3);
        EXPECT_EQ(Cell(play.Grid1.row(), play.Grid1.col()), c.grid1);
    }
}

// A value above 0 that is no whole digit 1-9 cannot index the tally of nine digits:
// it is a repetition on its own. Values of 0 and below take no part, but count as
// filled for the win check.
TEST_F(DuplicateCheck, PlayValuesAboveZeroThatAreNoDigitCountAsRepeats) {
    using enum BoardCheck;
    const struct {
        const char* text;
        bool solved; // the rest of the board is solved, else empty
        BoardCheck check;
    } cells[] = {
        {"12", false, Duplicates},    {"0.4", false, Duplicates}, {"1e3", false, Duplicates},
        {"1e400", false, Duplicates}, {"10", false, Duplicates},  {"7.0", false, Neither},
        {" 7", false, Neither},       {"3x", false, Neither},     {"0", false, Neither},
        {"x", false, Neither},        {"-3", false, Neither},     {"", false, Neither},
        {"inf", false, Neither},      {"9", true, Win},           {"-4", true, Win}};
    for (const auto& c : cells) {
        SCOPED_TRACE(c.text);
        putBoard(play.Grid3, c.solved ? EasyPuzzle.solution : std::string(81, '.'));
        play.Grid3.setText(8, 8, c.text);
        EXPECT_EQ(analysis.checkBoard(), c.check);
    }
}

} // namespace
