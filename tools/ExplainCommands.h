// The explain and rate commands of tabrel-puzzle, writing the lines each
// prints for the puzzles read from its input.
#pragma once

#include "engine/Grid.h"
#include "engine/Step.h"

#include <ostream>
#include <string>
#include <vector>

// For each puzzle: its line, one line per step of its logical solution, then
// "end solved|stuck LEVEL SCORE" (a stuck puzzle is beyond).
void explainPuzzles(const std::vector<engine::Board>& puzzles, std::ostream& out);
// One line per puzzle: "PUZZLE LEVEL SCORE".
void ratePuzzles(const std::vector<engine::Board>& puzzles, std::ostream& out);
// "step TECHNIQUE": the placements as rRcC=D, then the eliminations as rRcC-D.
std::string stepLine(const engine::Step& step);
