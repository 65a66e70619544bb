// Boards, pencil marks and steps written as text in the engine's tests.
#pragma once

#include "engine/Candidates.h"
#include "engine/PuzzleText.h"
#include "engine/Step.h"
#include "engine/Stepper.h"
#include "support/Puzzles.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// An 81-character line; a malformed one fails the test and gives an empty board.
inline Board boardOf(std::string_view line) {
    const auto board = parseLine(line);
    EXPECT_TRUE(board) << "not a board: " << line;
    return board.value_or(Board{});
}

// The boards and puzzles of these tests have one solution, which the uniqueness
// finders rest on.
template <std::optional<Step> (*find)(const Candidates&, bool)>
std::optional<Step> onUnique(const Candidates& marks) {
    return find(marks, true);
}
inline constexpr StepOptions Unique{true, Level::Extreme};

// "r1c8" -> its cell.
inline int cellNamed(std::string_view name) {
    return cellAt(name[1] - '1', name[3] - '1');
}

// The marks of `line` with the candidates `eliminated` ("r1c8-5 r2c2-6") taken out.
inline Candidates marksOf(std::string_view line, std::string_view eliminated = "") {
    Candidates marks(boardOf(line));
    std::istringstream words{std::string(eliminated)};
    for (std::string word; words >> word;)
        marks.eliminate(cellNamed(word), word[5] - '0');
    return marks;
}

// "r4c3=4 r5c3-4": placements with '=', then eliminations with '-'.
inline std::string changesOf(const Step& step) {
    std::string text;
    for (const auto& [entries, sign] :
         {std::pair{&step.placements, '='}, {&step.eliminations, '-'}})
        for (const CellDigit& entry : *entries)
            text += (text.empty() ? "" : " ") + cellName(entry.cell) + sign +
                    static_cast<char>('0' + entry.digit);
    return text;
}

// A board on which `technique` is the simplest step once the candidates
// `eliminated` are taken out of its pencil marks, what the step changes and its
// line. TechniqueTest.cpp holds the rows, simplest technique first.
using Finder = std::optional<Step> (*)(const Candidates&);
struct TechniqueCase {
    const char* name;
    Technique technique;
    Finder find;
    std::string_view board, eliminated, changes, description;
};
std::span<const TechniqueCase> techniqueCases();
inline void PrintTo(const TechniqueCase& row, std::ostream* out) {
    *out << row.name;
}

// Placements are the solution's digits, eliminations are not.
inline void expectSound(const Step& step, const Board& solution) {
    for (const CellDigit& placement : step.placements)
        EXPECT_EQ(solution[placement.cell], placement.digit) << cellName(placement.cell);
    for (const CellDigit& elimination : step.eliminations)
        EXPECT_NE(solution[elimination.cell], elimination.digit) << cellName(elimination.cell);
}

// The proof rests on candidates the marks have, each in one of the units the
// step names (a naked single names none), and its nodes cover it.
inline void expectProvenByCandidates(const Step& step, const Candidates& marks) {
    std::size_t covered = 0;
    for (int size : step.nodeSizes)
        covered += static_cast<std::size_t>(size);
    EXPECT_TRUE(step.nodeSizes.empty() || covered == step.proof.size());
    EXPECT_FALSE(step.proof.empty());
    for (const CellDigit& entry : step.proof) {
        EXPECT_TRUE(marks.has(entry.cell, entry.digit)) << cellName(entry.cell);
        const auto units = unitsOf(entry.cell);
        EXPECT_TRUE(step.units.empty() ||
                    std::find_first_of(units.begin(), units.end(), step.units.begin(),
                                       step.units.end()) != units.end())
            << cellName(entry.cell);
    }
}

// Puzzles of the other levels (and one the techniques here do not finish); the
// easy and the medium one are shared by every test folder.
inline constexpr SolvedPuzzle HardPuzzle = {
    "hard", "1.8.29...7..........31.....28...31.........6..5.2...37.72.8.....1..6.9....9..18..",
    "168729543725834691493156782287643159341597268956218437672985314814362975539471826"};
// Needs a swordfish on 4.
inline constexpr SolvedPuzzle ExpertPuzzle = {
    "expert", "......6.3.6....5....5..4.719...3....72.15.3.835..2....6........5.36..9...1..8.7..",
    "194578623867312594235964871941836257726159348358427169682793415573641982419285736"};
// Needs a dynamic forcing chain.
inline constexpr SolvedPuzzle ExtremePuzzle = {
    "extreme", ".........2...947.....8..1.3.97...24...5.89....1..4.5.....9.73.........1..61.5...4",
    "176325489283194756549876123697531248425789631318642597854917362732468915961253874"};
// The easy puzzle without the 6 of r4c6: two solutions, so the stepper stops
// after the singles.
inline constexpr std::string_view TwoSolutions =
    "53..7....6..195....98....6.8.......34..8.3..17...2...6.6....28....419..5....8..79";

} // namespace engine
