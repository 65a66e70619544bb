// A grid as one line of text: how boards leave the program for files, tools and tests.
#pragma once

#include "controls/CellGrid.h"

#include <string>

// The 81 cells row by row: "" as `empty`, a one-character text as itself, any
// longer text as '?', so that the line always has 81 characters.
std::string boardLine(const CellGrid& grid, char empty);
// The 81 texts row by row, joined with ','.
std::string joinedTexts(const CellGrid& grid);
// The 81 cells row by row, each cell's value when it is a whole number from 1
// to 9 and `empty` otherwise.
std::string digitLine(const CellGrid& grid, char empty);
// The stored-game format: digitLine with "0", so that no cell moves the cells
// after it.
std::string storedBoardText(const CellGrid& grid);
