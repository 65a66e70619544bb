// Puzzles as text: the one-line form of 81 characters that files, the command
// line and the clipboard use, and the rRcC names of cells in explanations.
#pragma once

#include "engine/Grid.h"

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// A line of exactly 81 characters: "1"-"9" a given, any other character an empty
// cell. None for any other length.
std::optional<Board> parseLine(std::string_view line);
// 81 characters, "." for an empty cell.
std::string formatLine(const Board& board);
// "r2c8": row and column counted from 1.
std::string cellName(int cell);

} // namespace engine
