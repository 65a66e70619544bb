// The words of the status lines under the grids and the marks that go with
// them: a hint, why "Update" or "Clue" took its run back, the entry live check.
#pragma once

#include "analysis/Analysis.h"
#include "analysis/Hint.h"
#include "controls/StatusLine.h"
#include "entry/EntryCheck.h"

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

// "27 givens · unique solution (medium)". Without a verdict yet the line says
// the solutions are being counted.
std::string entryLine(const EntryReading& reading, const std::optional<EntryVerdict>& verdict);
