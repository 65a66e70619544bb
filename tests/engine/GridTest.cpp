// The engine's grid: geometry, pencil marks, names, and puzzles read from text or what is wrong.
#include "EngineText.h"
#include "engine/Generator.h"
#include "engine/Solver.h"

#include <gtest/gtest.h>
#include <set>

namespace engine {
namespace {

const std::string Puzzle(EasyPuzzle.puzzle);

// Every unit holds nine different cells, every cell lies in exactly three units
// and sees exactly the 20 cells it shares a unit with.
TEST(Grid, UnitsAndPeersCoverTheBoardExactly) {
    std::array<int, Cells> unitsPerCell{};
    for (const UnitCells& unit : UnitTable) {
        EXPECT_EQ(std::set<int>(unit.begin(), unit.end()).size(), 9u);
        for (int cell : unit)
            ++unitsPerCell[cell];
    }
    for (int cell = 0; cell < Cells; ++cell) {
        EXPECT_EQ(unitsPerCell[cell], 3);
        std::set<int> shared;
        for (int unit : unitsOf(cell))
            for (int other : UnitTable[unit])
                if (other != cell)
                    shared.insert(other);
        EXPECT_EQ(shared, std::set<int>(PeerTable[cell].begin(), PeerTable[cell].end()));
    }
}

// r1c3 sees 5, 3, 7 in its row, 8 in its column and 6, 9 in its box.
TEST(Candidates, AnEmptyCellKeepsTheDigitsItsPeersLackAndLosesAPlacedOne) {
    Candidates marks(boardOf(Puzzle));
    EXPECT_EQ(marks.at(cellAt(0, 2)), digitBit(1) | digitBit(2) | digitBit(4));
    EXPECT_EQ(marks.at(cellAt(0, 0)), 0);
    EXPECT_TRUE(marks.places(rowUnit(0), 4) & 1u << 2);
    marks.place(cellAt(0, 2), 4);
    EXPECT_EQ(marks.places(rowUnit(0), 4), 0);
    EXPECT_EQ(marks.digit(cellAt(0, 2)), 4);
    EXPECT_FALSE(marks.has(cellAt(0, 3), 4));
    EXPECT_FALSE(marks.has(cellAt(2, 0), 4));
    EXPECT_EQ(marks.emptyCells(), 51 - 1);
    EXPECT_TRUE(marks.eliminate(cellAt(0, 3), 2));
    EXPECT_FALSE(marks.eliminate(cellAt(0, 3), 2));
}

TEST(Step, EveryTechniqueLevelAndSymmetryIsFoundByItsName) {
    for (int i = 0; i <= static_cast<int>(Technique::ForcingChain); ++i) {
        const auto technique = static_cast<Technique>(i);
        EXPECT_EQ(techniqueNamed(techniqueName(technique)), technique);
    }
    EXPECT_EQ(levelNamed("hard"), Level::Hard);
    EXPECT_FALSE(levelNamed("Hard"));
    EXPECT_EQ(levelOf(Technique::XYWing), Level::Hard);
    for (const Symmetry symmetry : {Symmetry::Rotate180, Symmetry::None})
        EXPECT_EQ(symmetryNamed(symmetryName(symmetry)), symmetry);
    EXPECT_FALSE(symmetryNamed("rotate90"));
}

// Rows between bars, boxes between rule lines, "_" for an empty cell.
const std::string Picture =
    "+-------+-------+-------+\n| 5 3 _ | _ 7 _ | _ _ _ |\n| 6 _ _ | 1 9 5 | _ _ _ |\n"
    "| _ 9 8 | _ _ _ | _ 6 _ |\n+=======+=======+=======+\n| 8 _ _ | _ 6 _ | _ _ 3 |\n"
    "| 4 _ _ | 8 _ 3 | _ _ 1 |\n| 7 _ _ | _ 2 _ | _ _ 6 |\n+-------+-------+-------+\n"
    "| _ 6 _ | _ _ _ | 2 8 _ |\n| _ _ _ | 4 1 9 | _ _ 5 |\n| _ _ _ | _ 8 _ | _ 7 9 |\n"
    "+-------+-------+-------+\n";

// Puzzle's row 1 "53..7...." in each empty mark, then the other rows as they are.
std::string withEmptyMark(char mark) {
    std::string line = Puzzle;
    for (char& ch : line)
        if (ch == '.')
            ch = mark;
    return line;
}

// Each text and the board it gives or what is wrong with it. A row of nine
// dashes is nine empty cells, not a rule line.
TEST(ReadPuzzle, EveryPastedFormGivesTheBoardAndAnyOtherTextSaysWhatIsWrong) {
    std::string dashedRow, shortRow = Picture, dashedBoard = Puzzle;
    for (int row = 0; row < 9; ++row)
        dashedRow += row == 4 ? "---|---|---\n" : Puzzle.substr(row * 9, 9) + "\n";
    dashedBoard.replace(36, 9, ".........");
    shortRow.replace(shortRow.find("4 _ _ | 8"), 9, "4 _ | 8");
    const std::pair<std::string, std::string> texts[] = {
        {Puzzle, Puzzle},
        {Puzzle + "\r\n", Puzzle},
        {withEmptyMark('0'), Puzzle},
        {withEmptyMark('-'), Puzzle},
        {withEmptyMark('*'), Puzzle},
        {"  5 3 . . 7 . . . . " + Puzzle.substr(9) + "\t", Puzzle},
        {Picture, Puzzle},
        {"\r\n\n53..7....\r\n6..195...\r\n.98....6.\r\n8...6...3\n\n4..8.3..1\n7...2...6\n"
         ".6....28.\n...419..5\n....8..79\n\n",
         Puzzle},
        {dashedRow, dashedBoard},
        {"", "there are no cells in it"},
        {"  \n---+---\n", "there are no cells in it"},
        {Puzzle.substr(1), "it has 80 cells, a puzzle has 81"},
        {Puzzle + "1", "it has 82 cells, a puzzle has 81"},
        {"x" + Puzzle.substr(1), "line 1 holds \"x\", which is neither a digit nor an empty cell"},
        {"\xC3\xA9", "line 1 holds a character, which is neither a digit nor an empty cell"},
        {shortRow, "line 7 has 8 cells, a row has 9"},
        {Picture.substr(0, Picture.rfind("| _ _ _ | _ 8")),
         "it has 8 lines of cells, a grid has 9"},
    };
    for (const auto& [text, read] : texts) {
        SCOPED_TRACE(text);
        const PuzzleReading reading = readPuzzle(text);
        EXPECT_EQ(reading.board ? formatLine(*reading.board) : reading.problem, read);
        EXPECT_EQ(reading.problem.empty(), reading.board.has_value());
    }
}

TEST(ParseCollectionLine, TakesThePuzzleBeforeARatingOrNameColumn) {
    const std::pair<std::string, bool> texts[] = {
        {Puzzle, true},
        {Puzzle + "\r", true},
        {Puzzle + " 3.4", true},
        {Puzzle + "\tgentle #12", true},
        {withEmptyMark('0'), true},
        {"  " + Puzzle, true},
        {Puzzle + "x", false},
        {Puzzle.substr(1), false},
        {Puzzle.substr(1) + " 3.4", false},
        {"a" + Puzzle.substr(1), false},
        {"5 3 . . 7" + Puzzle.substr(5), false},
        {"", false},
    };
    for (const auto& [text, puzzle] : texts) {
        const auto board = parseCollectionLine(text);
        EXPECT_EQ(board ? formatLine(*board) : "", puzzle ? Puzzle : "") << text;
    }
}

// Blank lines and comments go, indented ones too; the others keep their number
// in the file, without a byte order mark before them or the CR of a CRLF.
TEST(ContentLines, KeepsEachLineButBlanksAndCommentsWithItsNumber) {
    std::vector<std::pair<long, std::string_view>> lines;
    for (const TextLine& line : contentLines("\xEF\xBB\xBF"
                                             "first\r\n# note\n\n \t\r\n  # note\n"
                                             "second # no note\n\tthird"))
        lines.emplace_back(line.number, line.text);
    EXPECT_EQ(lines, (std::vector<std::pair<long, std::string_view>>{
                         {1, "first"}, {6, "second # no note"}, {7, "\tthird"}}));
}

// An empty board but for `digit` in each of the named cells ("r1c1 r1c6").
std::string lineWith(std::string_view cells, char digit) {
    std::string line(Cells, '.');
    for (std::size_t at = 0; at + 4 <= cells.size(); at += 5)
        line[cellNamed(cells.substr(at, 4))] = digit;
    return line;
}

// The repeat's cells, in the unit's order, and the unit (Grid.h numbering); a
// repeat leaves no solution.
TEST(RepeatedGiven, NamesTheFirstUnitThatHoldsADigitTwice) {
    const std::pair<std::string, const char*> boards[] = {
        {Puzzle, ""},
        {std::string(EasyPuzzle.solution), ""},
        {lineWith("r1c1 r1c6", '5'), "r1c1 r1c6 0"},
        {lineWith("r2c5 r9c5", '7'), "r2c5 r9c5 13"},
        {lineWith("r5c5 r6c6", '4'), "r5c5 r6c6 22"},
        {lineWith("r9c1 r9c2 r1c1", '2'), "r9c1 r9c2 8"},
    };
    for (const auto& [board, named] : boards) {
        const auto repeat = repeatedGiven(boardOf(board));
        EXPECT_EQ(repeat ? cellName(repeat->first) + " " + cellName(repeat->second) + " " +
                               std::to_string(repeat->unit)
                         : "",
                  named);
        EXPECT_EQ(solve(boardOf(board)).solutions == 0, repeat.has_value()) << board;
    }
}

} // namespace
} // namespace engine
