// What the commands of tabrel-puzzle share: exit statuses, usage errors, and
// running a command over every puzzle line of a file or standard input.
#pragma once

#include "engine/Grid.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tool {

inline constexpr int Success = 0;
// A line that is no puzzle (the others are still done), an unreadable FILE,
// output that could not be written, or no puzzle generated at the level.
inline constexpr int BadInput = 1;
// An unknown command or option, or a missing or bad value.
inline constexpr int UsageError = 2;

using Arguments = std::span<const std::string_view>;

// Says `problem` on standard error with a pointer to --help; returns UsageError.
int usageError(std::string_view problem);

// Flushes standard output and returns `status`, or BadInput, said on standard
// error, when the output could not all be written (a full disk, say).
int withOutputWritten(int status);

// Appends the result line of one puzzle to `out`.
using PuzzleAction = void (*)(const engine::Board& puzzle, std::string& out);

// The body of a command taking [FILE]: reads all of FILE (standard input
// without one), runs `action` on each 81-character line of it (InputText.h)
// and writes all output at once. A line of another length is reported by its
// number and makes the status BadInput.
int forEachPuzzle(std::string_view command, Arguments arguments, PuzzleAction action);

} // namespace tool
