// The input both tools read: all of FILE or of standard input, then its lines
// (engine::contentLines), each one puzzle of 81 characters.
#pragma once

#include "engine/PuzzleText.h"

#include <optional>
#include <string>
#include <string_view>

namespace tool {

// All of `file`, or of standard input without one; none when it cannot be read,
// said on standard error as "PROGRAM: cannot read FILE: reason".
std::optional<std::string> readInput(std::string_view program,
                                     const std::optional<std::string>& file);

// Why `line` is no puzzle line: "line N: a puzzle has 81 characters, this line M".
std::string wrongLength(const engine::TextLine& line);

} // namespace tool
