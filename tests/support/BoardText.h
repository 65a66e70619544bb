// Boards as 81-character lines in tests: digits 1-9 are cell texts, any other character empty.
#pragma once

#include "board/HistArray.h"
#include "controls/BoardText.h"
#include "controls/CellGrid.h"
#include "support/Puzzles.h"

#include <string>
#include <string_view>

// The 81 cells of `board`, '.' for an empty one; fails the test on another length.
std::string cellsOf(std::string_view board);
// Writes the board into the grid's texts (empty cells become "").
void putBoard(CellGrid& grid, std::string_view board);
// The grid, or a history slot, as 81 characters: a one-digit text as itself, ""
// as '.', anything else as '?'.
std::string boardOf(const CellGrid& grid);
std::string boardOf(const HistArray& history, int slot);
