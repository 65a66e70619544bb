// The words of the play side's status line and the marks that go with them:
// a hint, and why "Update" or "Clue" took its run back.
#pragma once

#include "advice/Hint.h"
#include "analysis/Analysis.h"
#include "board/StatusLine.h"

#include <string>
#include <string_view>

// A Step hint is the engine's one-line description of its step; every other
// end says why there is no step.
std::string hintLine(const Hint& hint);
// A step's proof, what it places and what it removes; a duplicate's clashing cells.
Highlights hintHighlights(const Hint& hint);
// Shown while the engine works on a board it takes long over.
std::string pendingHintLine();

// Why the run of `command` ("Update", "Clue") was taken back; "" when it was not.
std::string rollBackLine(std::string_view command, const SweepOutcome& outcome);
Highlights clashHighlights(const Clash& clash);
