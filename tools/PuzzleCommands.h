// The commands of tabrel-puzzle, each given the arguments after its name and
// returning the exit status (PuzzleInput.h).
#pragma once

#include "PuzzleInput.h"

namespace tool {

// count [FILE]: "PUZZLE N SOLUTION" per puzzle.
int countCommand(Arguments arguments);
// explain [FILE]: per puzzle its line, "step TECHNIQUE rRcC=D|rRcC-D ..." per
// logical step, then "end solved|stuck LEVEL SCORE".
int explainCommand(Arguments arguments);
// rate [FILE]: "PUZZLE LEVEL SCORE" per puzzle.
int rateCommand(Arguments arguments);
// generate --level L [--count N] [--seed S] [--symmetry rotate180|none]: N
// puzzles at level L, one a line.
int generateCommand(Arguments arguments);

} // namespace tool
