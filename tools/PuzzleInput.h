// What the commands of tabrel-puzzle share: written output, and running a
// command over every puzzle line of a file or standard input.
#pragma once

#include "ToolStatus.h"
#include "engine/Grid.h"

#include <string>

namespace tool {

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
