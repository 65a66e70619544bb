// The commands of tabrel-puzzle, each given the arguments after its name and
// returning the exit status (PuzzleInput.h).
#pragma once

#include "PuzzleInput.h"

namespace tool {

// count [FILE]: "PUZZLE N SOLUTION" per puzzle.
int countCommand(Arguments arguments);

} // namespace tool
