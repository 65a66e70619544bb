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
// For a chain step, its reasoning one link a line (engine::explainLinks); "" else.
std::string hintDetail(const Hint& hint);
// Shown while the engine works on a board it takes long over.
std::string pendingHintLine();

// Why the run of `command` ("Update", "Clue") was taken back; "" when it was not.
std::string rollBackLine(std::string_view command, const SweepOutcome& outcome);
Highlights clashHighlights(const Clash& clash);

// "27 givens · unique solution (medium)". Without a verdict yet the line says
// the solutions are being counted.
std::string entryLine(const EntryReading& reading, const std::optional<EntryVerdict>& verdict);

// The labels of history slots, as the history list shows them.
// "Update: 12 placed", "Clue taken back".
std::string runLabel(std::string_view command, int placed, bool rolledBack);
// "r4c7 = 5", "r4c7 cleared" for a move typed at cell (0..80) leaving `text`.
std::string moveLabel(int cell, std::string_view text);
// "r1c1: 5 struck", "r1c1: 5 restored".
std::string candidateLabel(int cell, int digit, bool struck);
// "Hint applied: X-wing on 7": the technique, and its digit when it has one.
std::string appliedHintLabel(const Hint& hint);

// "Mistakes: 3", or for givens without one solution "Mistakes: no single solution".
std::string mistakesWords(int solutions, int count);
// What came of "Back to Last Correct Board".
struct BackToCorrect {
    enum class End { NoSingleSolution, NoMistake, NoCorrectSlot, WentBack };
    End end = End::NoMistake;
    int steps = 0; // WentBack: slots gone back, 0 when the slot shown recorded a correct board
};
std::string backToCorrectLine(const BackToCorrect& back);

// "12:34", or past an hour "1:02:03".
std::string playedTime(std::int64_t seconds);
// "Solved in 12:34 with 3 hints." / "Solved in 12:34."
std::string solvedLine(std::int64_t seconds, int hints);
// At start-up, when a game is kept.
std::string keptGameLine();
// "Continue Last Game" with none kept.
std::string noKeptGameLine();
// Said once, when the game database cannot keep games: `reason` says why.
std::string cannotKeepLine(const std::string& reason);
