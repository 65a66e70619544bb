// Boards written as text in tests: an 81-character line or a 9-line picture.
// Digits 1-9 are cell texts; '.', '0' and '_' are empty cells; spaces, line ends
// and the drawing characters '|', '-', '+' are ignored.
#pragma once

#include "board/HistArray.h"
#include "controls/BoardText.h"
#include "controls/CellGrid.h"

#include <string>
#include <string_view>

// The 81 cells of `board`, row by row; fails the test on a malformed picture.
std::string cellsOf(std::string_view board);
// Writes the board into the grid's texts (empty cells become "").
void putBoard(CellGrid& grid, std::string_view board);
// The grid, or a history slot, as 81 characters: a one-digit text as itself, ""
// as '.', anything else as '?'.
std::string boardOf(const CellGrid& grid);
std::string boardOf(const HistArray& history, int slot);

// The built-in puzzle as the play grid shows it after start-up.
inline constexpr std::string_view BuiltInBoard =
    "5...72......5....8.2.6..9......8..46...2.9...17..5......6..3.2.4....8......42...3";

// A puzzle other than the built-in one, so a board that comes back is told apart.
inline constexpr std::string_view OtherPuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
