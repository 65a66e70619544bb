// One line of plain English for a step, for a status line: the technique and
// why it places or eliminates what it does.
#pragma once

#include "engine/Step.h"

#include <string>

namespace engine {

// "Naked single: r4c5 can only be 6". Units are named "row N", "column N",
// "box N" (1-9, boxes left to right, top to bottom), cells rRcC. A technique
// without wording of its own is described from the step's fields: its name,
// the candidates of its proof and what it places or eliminates.
std::string describe(const Step& step);

// "Hidden single", "X-wing", "XY-chain".
std::string displayName(Technique technique);
// "row 3", "column 9", "box 1".
std::string unitName(int unit);

} // namespace engine
