// Logical solutions: every step sound and the simplest; odd boards never called solved.
#include "engine/Stepper.h"

#include "EngineText.h"
#include "engine/Solver.h"

#include <fstream>
#include <gtest/gtest.h>
#include <utility>

namespace engine {
namespace {

// A puzzle of each level, then qqwing expert puzzles whose logical solutions take
// most of the chain techniques, from xy-wing to forcing chains; the solutions are
// the exact solver's.
const std::string_view Puzzles[] = {
    EasyPuzzle.puzzle,
    MediumPuzzle.puzzle,
    HardPuzzle.puzzle,
    ExpertPuzzle.puzzle,
    ExtremePuzzle.puzzle,
    "5.8...6.....18.957....76...6.1.....2.5....3......9..7..2591....8697...3.1........",
    "..96..7.....2.......2..9856....9.5.7...81.49.2........4.712..8..5.7...1.........4",
    ".4....6.7.5...4...1.8......7....6.4.....7.9...9..5...267.2..49...9........5.8..6.",
};

// The soundness test's share of bench/beyond.txt: as many as stay within a few
// seconds under the sanitizers; bench/check-logic checks the whole file.
constexpr std::size_t BeyondCount = 64;

// At every point of each solution, whatever any finder offers is sound, proven
// by candidates of its units and changes the marks, and the stepper took the
// first technique that applies. The extreme finders, slow where simpler ones
// apply, are asked only where none does.
TEST(Stepper, EveryFinderIsSoundAtEveryPointAndTheStepperTakesTheFirst) {
    for (const std::string_view puzzle : Puzzles) {
        SCOPED_TRACE(puzzle);
        const Board solution = solve(boardOf(puzzle)).solution;
        Candidates marks = marksOf(puzzle);
        while (const auto step = nextStep(marks, Unique)) {
            std::optional<Technique> first;
            Finder asked = nullptr; // a finder of several rows is asked once
            for (const TechniqueCase& finder : techniqueCases()) {
                if (first && levelOf(finder.technique) == Level::Extreme)
                    break;
                if (std::exchange(asked, finder.find) == finder.find)
                    continue;
                const auto offered = finder.find(marks);
                if (!offered)
                    continue;
                SCOPED_TRACE(std::string(techniqueName(finder.technique)));
                EXPECT_EQ(offered->technique, finder.technique);
                expectSound(*offered, solution);
                expectProvenByCandidates(*offered, marks);
                Candidates tried = marks;
                EXPECT_TRUE(apply(tried, *offered));
                first = first.value_or(finder.technique);
            }
            EXPECT_EQ(first, step->technique);
            ASSERT_TRUE(apply(marks, *step));
        }
    }
}

// Techniques above `hardest` are not tried: the hard puzzle stops at medium.
TEST(Stepper, TriesNoTechniqueAboveTheHardestLevelAsked) {
    const LogicalSolution walk = solveLogically(boardOf(HardPuzzle.puzzle), {false, Level::Medium});
    EXPECT_FALSE(walk.solved);
    for (const Step& step : walk.steps)
        EXPECT_LE(levelOf(step.technique), Level::Medium);
    EXPECT_TRUE(nextStep(walk.end));
}

// The puzzles of bench/beyond.txt, which need dynamic or nested chains (the
// whole file is bench/check-logic's to check); the first `count` of them.
std::vector<Board> beyondPuzzles(std::size_t count) {
    std::vector<Board> puzzles;
    std::ifstream in(TABREL_BEYOND_PUZZLES);
    for (std::string line; puzzles.size() < count && std::getline(in, line);)
        if (const auto board = parseCollectionLine(line))
            puzzles.push_back(*board);
    EXPECT_EQ(puzzles.size(), count) << TABREL_BEYOND_PUZZLES;
    return puzzles;
}

// Every step of each logical solution is sound against the exact solver's one
// solution, and the walk ends on it.
TEST(Stepper, SolvesPuzzlesThatNeedDynamicChainsWithSoundSteps) {
    for (const Board& puzzle : beyondPuzzles(BeyondCount)) {
        SCOPED_TRACE(formatLine(puzzle));
        const Board solution = solve(puzzle).solution;
        const LogicalSolution walk = solveLogically(puzzle, Unique);
        for (const Step& step : walk.steps)
            expectSound(step, solution);
        EXPECT_TRUE(walk.solved);
        EXPECT_EQ(walk.end.board(), solution);
    }
}

struct OddBoard {
    const char* name;
    std::string_view board;
    bool solved;
};

// None of these may crash the stepper or be called solved when it is not.
const OddBoard OddBoards[] = {
    {"empty", ".................................................................................",
     false},
    {"full", EasyPuzzle.solution, true},
    // Two 5s in row 1 of a filled board: every cell holds a digit, yet it is no
    // solution.
    {"fullWithRepeat",
     "554678912672195348198342567859761423426853791713924856961537284287419635345286179", false},
    {"repeatedGiven",
     "53.57....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79", false},
    // Fits every unit, but the puzzle's one solution has 4 in r1c3.
    {"noSolution",
     "531.7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79", false},
    {"twoSolutions", TwoSolutions, false},
    // r1c9 sees every digit and has no candidate left.
    {"cellWithoutCandidates",
     "12345678.........9...............................................................", false},
};

TEST(Stepper, OddBoardsEndWithoutACrashAndAreSolvedOnlyWhenValid) {
    for (const OddBoard& odd : OddBoards) {
        SCOPED_TRACE(odd.name);
        const LogicalSolution walk = solveLogically(boardOf(odd.board));
        EXPECT_EQ(walk.solved, odd.solved);
        EXPECT_FALSE(nextStep(walk.end));
    }
}

} // namespace
} // namespace engine
