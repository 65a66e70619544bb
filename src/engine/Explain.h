// One line of plain English for a step, for a status line: the technique and
// why it places or eliminates what it does.
#pragma once

#include "engine/Step.h"

#include <string>
#include <vector>

namespace engine {

// "Naked single: r4c5 can only be 6". Units are named "row N", "column N",
// "box N" (1-9, boxes left to right, top to bottom), cells rRcC. A technique
// without wording of its own is described from the step's fields: its name,
// the candidates of its proof and what it places or eliminates.
std::string describe(const Step& step);

// The links of a chain step, one line a fact: "r2c2 and r2c5 are not 4, so
// r2c8 is 4 (row 2)". A forcing chain's branches and a nested chain each start
// with a line of what they assume ("If r8c8 is 1:") and are indented under it;
// a contradiction ends its chain ("so r7c3 would lose every digit"). Empty
// for a step without links.
std::vector<std::string> explainLinks(const Step& step);

// "Hidden single", "X-wing", "XY-chain".
std::string displayName(Technique technique);
// "row 3", "column 9", "box 1".
std::string unitName(int unit);

} // namespace engine
