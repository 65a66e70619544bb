// Boards, pencil marks and steps written as text in the engine's tests.
#pragma once

#include "engine/Candidates.h"
#include "engine/PuzzleText.h"
#include "engine/Step.h"
#include "engine/Stepper.h"
#include "support/Puzzles.h"

#include <gtest/gtest.h>
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
inline constexpr StepOptions Unique{true, Level::Expert};

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
    const auto add = [&](const CellDigit& entry, char sign) {
        text += (text.empty() ? "" : " ") + cellName(entry.cell) + sign;
        text += static_cast<char>('0' + entry.digit);
    };
    for (const CellDigit& entry : step.placements)
        add(entry, '=');
    for (const CellDigit& entry : step.eliminations)
        add(entry, '-');
    return text;
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
inline constexpr SolvedPuzzle BeyondPuzzle = {
    "beyond", "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..",
    "162857493534129678789643521475312986913586742628794135356478219241935867897261354"};

} // namespace engine
