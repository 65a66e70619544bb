// Puzzles read from pasted text, from collection lines and from the lines of a
// file: every accepted form gives the same board, every other text says what is
// wrong with it.
#include "EngineText.h"
#include "engine/Solver.h"

namespace engine {
namespace {

constexpr std::string_view Puzzle = EasyPuzzle.puzzle;

constexpr const char* Picture = "5 3 . | . 7 . | . . .\n"
                                "6 . . | 1 9 5 | . . .\n"
                                ". 9 8 | . . . | . 6 .\n"
                                "------+-------+------\n"
                                "8 . . | . 6 . | . . 3\n"
                                "4 . . | 8 . 3 | . . 1\n"
                                "7 . . | . 2 . | . . 6\n"
                                "------+-------+------\n"
                                ". 6 . | . . . | 2 8 .\n"
                                ". . . | 4 1 9 | . . 5\n"
                                ". . . | . 8 . | . 7 9\n";

// Puzzle's row 1 "53..7...." in each empty mark, then the other rows as they are.
std::string withEmptyMark(char mark) {
    std::string line(Puzzle);
    for (char& ch : line)
        if (ch == '.')
            ch = mark;
    return line;
}

TEST(ReadPuzzle, EveryPastedFormGivesTheSameBoard) {
    const struct {
        const char* name;
        std::string text;
    } forms[] = {
        {"line", std::string(Puzzle)},
        {"line with a line end", std::string(Puzzle) + "\r\n"},
        {"zeros", withEmptyMark('0')},
        {"dashes", withEmptyMark('-')},
        {"underscores", withEmptyMark('_')},
        {"stars", withEmptyMark('*')},
        {"spaced line", "  5 3 . . 7 . . . . " + std::string(Puzzle.substr(9)) + "\t"},
        {"picture", Picture},
        {"picture with blank lines and CRs", "\r\n\n53..7....\r\n6..195...\r\n.98....6.\r\n"
                                             "8...6...3\n\n4..8.3..1\n7...2...6\n.6....28.\n"
                                             "...419..5\n....8..79\n\n"},
        {"framed picture", "+-------+-------+-------+\n| 5 3 _ | _ 7 _ | _ _ _ |\n"
                           "| 6 _ _ | 1 9 5 | _ _ _ |\n| _ 9 8 | _ _ _ | _ 6 _ |\n"
                           "+=======+=======+=======+\n| 8 _ _ | _ 6 _ | _ _ 3 |\n"
                           "| 4 _ _ | 8 _ 3 | _ _ 1 |\n| 7 _ _ | _ 2 _ | _ _ 6 |\n"
                           "+-------+-------+-------+\n| _ 6 _ | _ _ _ | 2 8 _ |\n"
                           "| _ _ _ | 4 1 9 | _ _ 5 |\n| _ _ _ | _ 8 _ | _ 7 9 |\n"
                           "+-------+-------+-------+\n"},
    };
    for (const auto& [name, text] : forms) {
        SCOPED_TRACE(name);
        const PuzzleReading reading = readPuzzle(text);
        EXPECT_EQ(reading.problem, "");
        ASSERT_TRUE(reading.board);
        EXPECT_EQ(formatLine(*reading.board), Puzzle);
    }
}

// A row of nine dashes is nine empty cells, not a rule line.
TEST(ReadPuzzle, ARowOfDashesIsARowOfEmptyCells) {
    std::string picture;
    for (int row = 0; row < 9; ++row)
        picture += row == 4 ? "---|---|---\n" : std::string(Puzzle.substr(row * 9, 9)) + "\n";
    std::string expected(Puzzle);
    expected.replace(36, 9, ".........");
    const PuzzleReading reading = readPuzzle(picture);
    ASSERT_TRUE(reading.board) << reading.problem;
    EXPECT_EQ(formatLine(*reading.board), expected);
}

TEST(ReadPuzzle, AnyOtherTextSaysWhatIsWrongWithIt) {
    std::string shortRow = Picture;
    shortRow.replace(shortRow.find("4 . . | 8"), 9, "4 . | 8");
    const struct {
        const char* name;
        std::string text;
        const char* problem;
    } cases[] = {
        {"nothing", "", "there are no cells in it"},
        {"blanks and rules", "  \n---+---\n", "there are no cells in it"},
        {"short line", std::string(Puzzle.substr(1)), "it has 80 cells, a puzzle has 81"},
        {"long line", std::string(Puzzle) + "1", "it has 82 cells, a puzzle has 81"},
        {"a letter", "x" + std::string(Puzzle.substr(1)),
         "line 1 holds \"x\", which is neither a digit nor an empty cell"},
        {"prose", "Hello,\nworld",
         "line 1 holds \"H\", which is neither a digit nor an empty cell"},
        {"not ASCII", "\xC3\xA9",
         "line 1 holds a character, which is neither a digit nor an empty cell"},
        {"a short row", shortRow, "line 6 has 8 cells, a row has 9"},
        {"eight rows", std::string(Picture).substr(0, std::string(Picture).rfind(". . . | . 8")),
         "it has 8 lines of cells, a grid has 9"},
    };
    for (const auto& [name, text, problem] : cases) {
        SCOPED_TRACE(name);
        const PuzzleReading reading = readPuzzle(text);
        EXPECT_FALSE(reading.board);
        EXPECT_EQ(reading.problem, problem);
    }
}

TEST(ParseCollectionLine, TakesThePuzzleBeforeARatingOrNameColumn) {
    const std::string line(Puzzle);
    const struct {
        const char* name;
        std::string text;
        bool puzzle;
    } cases[] = {
        {"bare", line, true},
        {"CR", line + "\r", true},
        {"rating", line + " 3.4", true},
        {"tab and name", line + "\tgentle #12", true},
        {"zeros", withEmptyMark('0'), true},
        {"leading blanks", "  " + line, true},
        {"glued column", line + "x", false},
        {"82 cells", line + "1", false},
        {"80 cells", line.substr(1), false},
        {"80 cells and a column", line.substr(1) + " 3.4", false},
        {"letter inside", "a" + line.substr(1), false},
        {"spaced cells", "5 3 . . 7" + line.substr(5), false},
        {"blank", "", false},
    };
    for (const auto& [name, text, puzzle] : cases) {
        SCOPED_TRACE(name);
        const auto board = parseCollectionLine(text);
        ASSERT_EQ(board.has_value(), puzzle);
        if (board) {
            EXPECT_EQ(formatLine(*board), Puzzle);
        }
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

TEST(RepeatedGiven, NamesTheFirstUnitThatHoldsADigitTwice) {
    const struct {
        const char* name;
        std::string board;
        std::optional<std::pair<const char*, const char*>> cells;
        int unit;
    } cases[] = {
        {"none in a puzzle", std::string(Puzzle), std::nullopt, 0},
        {"none in a solution", std::string(EasyPuzzle.solution), std::nullopt, 0},
        {"row", lineWith("r1c1 r1c6", '5'), std::pair{"r1c1", "r1c6"}, 0},
        {"column", lineWith("r2c5 r9c5", '7'), std::pair{"r2c5", "r9c5"}, 13},
        {"box", lineWith("r5c5 r6c6", '4'), std::pair{"r5c5", "r6c6"}, 22},
        {"first unit wins", lineWith("r9c1 r9c2 r1c1", '2'), std::pair{"r9c1", "r9c2"}, 8},
    };
    for (const auto& [name, board, cells, unit] : cases) {
        SCOPED_TRACE(name);
        const auto repeat = repeatedGiven(boardOf(board));
        ASSERT_EQ(repeat.has_value(), cells.has_value());
        if (!repeat)
            continue;
        EXPECT_EQ(cellName(repeat->first), cells->first);
        EXPECT_EQ(cellName(repeat->second), cells->second);
        EXPECT_EQ(repeat->unit, unit);
        EXPECT_EQ(solve(boardOf(board)).solutions, 0) << "a repeat leaves no solution";
    }
}

} // namespace
} // namespace engine
