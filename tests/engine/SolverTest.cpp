// The exact solver's counts and solutions, checked against the rules and a plain search.
#include "engine/Solver.h"

#include "EngineText.h"
#include "engine/Random.h"

#include <algorithm>
#include <fstream>
#include <set>

namespace engine {
namespace {

// True when `grid` holds 1-9 once in every unit and keeps every given of `puzzle`.
bool solves(const Board& grid, const Board& puzzle) {
    for (int cell = 0; cell < Cells; ++cell)
        if (puzzle[cell] != 0 && puzzle[cell] != grid[cell])
            return false;
    return isSolution(formatLine(grid));
}

// The four of the 324 constraints a solution meets once each that a placement
// of `digit` at `cell` meets: the cell holds a digit, and its row, its column
// and its box hold that digit.
std::array<int, 4> constraintsOf(int cell, int digit) {
    const int row = cell / 9, col = cell % 9, box = row / 3 * 3 + col / 3;
    return {cell, 81 + row * 9 + digit - 1, 162 + col * 9 + digit - 1, 243 + box * 9 + digit - 1};
}

// The solutions of `board`, up to `cap`, by a plain exact-cover search that
// shares nothing with the solver: it tries each placement that meets the
// constraint with the fewest placements left, the last on a tie.
int plainCount(Board board, int cap = 2) {
    std::array<int, 324> met{}, placements{};
    for (int cell = 0; cell < Cells; ++cell)
        if (board[cell] != 0)
            for (const int c : constraintsOf(cell, board[cell]))
                if (met[c]++ != 0)
                    return 0; // a digit twice in a unit
    const auto open = [&](int cell, int digit) {
        const auto meets = constraintsOf(cell, digit);
        return board[cell] == 0 &&
               std::none_of(meets.begin(), meets.end(), [&](int c) { return met[c] != 0; });
    };
    for (int cell = 0; cell < Cells; ++cell)
        for (int digit = 1; digit <= 9; ++digit)
            if (open(cell, digit))
                for (const int c : constraintsOf(cell, digit))
                    ++placements[c];
    int fewest = -1;
    for (int c = 0; c < 324; ++c)
        if (met[c] == 0 && (fewest < 0 || placements[c] <= placements[fewest]))
            fewest = c;
    int found = fewest < 0; // a full board
    for (int cell = 0; cell < Cells && found < cap; ++cell)
        for (int digit = 1; digit <= 9 && found < cap; ++digit) {
            const auto meets = constraintsOf(cell, digit);
            if (open(cell, digit) && std::find(meets.begin(), meets.end(), fewest) != meets.end()) {
                board[cell] = static_cast<std::uint8_t>(digit);
                found += plainCount(board, cap - found);
                board[cell] = 0;
            }
        }
    return found;
}

const std::string Medium(MediumPuzzle.puzzle), MediumSolved(MediumPuzzle.solution);
// Every empty cell keeps a candidate and singles run dry before the clash shows:
// only the search finds that nothing fits.
const std::string HiddenContradiction =
    ".....1.......62..879.......6...5..2..1.......932....6.2....9.83....8.17..7.5.3..4";

// Boards of each outcome, a full and an empty one among them, then boards cut
// out of solved grids, some unique and some not, and boards with a wrong digit
// put in: the solver agrees with the plain search on every one, its solution
// keeps the givens, and the boards cover all three outcomes.
TEST(Solver, AgreesWithThePlainSearchAndTheSolutionKeepsTheGivens) {
    const std::string lines[] = {
        "55" + std::string(79, '.'), HiddenContradiction, Medium, MediumSolved,
        "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..",
        // Two rows of a band with their digits swapped in two columns: a rectangle
        // that fills both ways.
        "358974612716258943294136758.327615.4145892376.673452.1681529437479613825523487169",
        std::string(81, '.')};
    std::vector<Board> boards;
    for (const std::string& line : lines)
        boards.push_back(boardOf(line));
    Random random(2024);
    for (int trial = 0; trial < 300; ++trial) {
        Board& board = boards.emplace_back(*randomSolution(Board{}, random.next()));
        const int emptied = 20 + static_cast<int>(random.below(45));
        for (int i = 0; i < emptied; ++i)
            board[random.below(Cells)] = 0;
        if (trial % 3 == 0)
            board[random.below(Cells)] = static_cast<std::uint8_t>(1 + random.below(9));
    }
    std::array<int, 3> counted{};
    for (const Board& board : boards) {
        SCOPED_TRACE(formatLine(board));
        const int expected = plainCount(board);
        ++counted[expected];
        const SolveResult result = solve(board);
        ASSERT_EQ(result.solutions, expected);
        EXPECT_EQ(hasUniqueSolution(board), expected == 1);
        EXPECT_TRUE(expected > 0 ? solves(result.solution, board) : result.solution == Board{});
    }
    EXPECT_GT(*std::min_element(counted.begin(), counted.end()), 0);
    EXPECT_EQ(plainCount(boardOf(HiddenContradiction)), 0);
    const Candidates marks(boardOf(HiddenContradiction));
    for (int cell = 0; cell < Cells; ++cell)
        EXPECT_TRUE(marks.digit(cell) != 0 || marks.at(cell) != 0) << "no hidden clash at " << cell;
}

// The solver's costliest boards known, one a line: the unsolvable 17-given
// board, then the finds of the hunt in bench/HardBoards.cpp. The search once
// took over four million guesses on the first, and more than MostGuesses on 21
// of the others.
TEST(Solver, CountsTheCostliestBoardsKnownWithFewGuesses) {
    constexpr int MostGuesses = 512;
    std::ifstream in(TABREL_SOLVER_HARD_BOARDS);
    int boards = 0;
    for (std::string line; std::getline(in, line);) {
        const auto board = parseLine(line);
        if (!board)
            continue;
        SCOPED_TRACE(line);
        ++boards;
        const SolveResult result = solve(*board);
        EXPECT_EQ(result.solutions, plainCount(*board));
        EXPECT_LT(result.guesses, MostGuesses);
        EXPECT_TRUE(result.solutions == 0 || solves(result.solution, *board));
    }
    EXPECT_GE(boards, 20);
}

// A random solution keeps the givens and follows its seed; a board without one gives none.
TEST(Solver, ARandomSolutionKeepsTheGivensAndFollowsTheSeed) {
    const Board puzzle = boardOf("9" + std::string(39, '.') + "5" + std::string(40, '.'));
    std::set<Board> grids;
    for (std::uint64_t seed = 7; seed < 13; ++seed) {
        const auto grid = randomSolution(puzzle, seed);
        ASSERT_TRUE(grid && solves(*grid, puzzle));
        EXPECT_EQ(randomSolution(puzzle, seed), grid);
        grids.insert(*grid);
    }
    EXPECT_GE(grids.size(), 5u);
    EXPECT_FALSE(randomSolution(boardOf(HiddenContradiction), 1));
    EXPECT_FALSE(randomSolution(boardOf("55" + std::string(79, '.')), 1));
}

} // namespace
} // namespace engine
