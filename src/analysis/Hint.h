// The hint on the play side: the engine's next logical step for the board the
// play grid holds, on the pencil marks the candidate grid shows, and that step
// made as one history step.
#pragma once

#include "analysis/Analysis.h"
#include "board/PlaySide.h"
#include "engine/Candidates.h"
#include "engine/Step.h"

#include <array>
#include <cstdint>
#include <optional>

// The play side as the engine reads it, copied so that another thread may work on it.
struct HintPosition {
    engine::Board board{}; // the play grid's digits, 0 for a cell without a value above 0
    // The candidate grid's candidate strings as digit sets; 0 where a cell holds
    // none (a text of anything but the digits 1-9).
    std::array<engine::Digits, engine::Cells> shown{};
};

enum class HintEnd {
    Step,       // `step` is the next step
    Solved,     // every cell holds a digit and none repeats
    Duplicate,  // a digit repeats, as chkdup sees it
    NoSolution, // the exact solver finds none
    Stuck,      // no technique of the stepper takes a step
    LostDigit,  // the candidate grid took from `cell` the solution's `digit`
};

struct Hint {
    HintEnd end = HintEnd::Stuck;
    engine::Step step; // Step only
    // The pencil marks the step was found on (Step only; else those of an empty board).
    engine::Candidates marks{engine::Board{}};
    std::optional<Clash> clash; // Duplicate only
    // Duplicate: the digit repeated, 0 for a value that is no digit; LostDigit:
    // the solution's digit that `cell` (0..80) lacks.
    int digit = 0;
    int cell = 0;
    int solutions = 0; // Step and Stuck: 1, or 2 for more than one
};

// What the hint asks about one board: the texts' revisions of both grids when it
// was asked, and either an answer the board gives by itself or the position for
// the engine.
struct HintQuestion {
    std::uint64_t grid1Revision = 0;
    std::uint64_t grid3Revision = 0;
    std::optional<Hint> known; // a duplicate or a solved board
    HintPosition position;

    // True while both grids' texts are as they were when asked.
    bool holdsFor(const PlaySide& play) const;
};

// Reads the play side; moves no current cell.
HintQuestion askHint(const PlaySide& play, Analysis& analysis);

// The engine's answer for `position`: NoSolution, Solved, LostDigit (the board
// has one solution and a candidate string of the candidate grid lacks its digit,
// the first such cell in reading order), Step or Stuck. Keeps no state, so any
// thread may call it.
Hint answerHint(const HintPosition& position);

// The pencil marks of `position`: the candidates its digits leave, narrowed by
// the candidate grid where it shows a candidate string — unless the candidate
// grid contradicts the board: a digit of the play grid missing from its own
// cell's string, an empty cell left without candidates, or `solution`'s digit
// (when the board has one) taken from a cell. Then the digits' candidates alone.
engine::Candidates hintMarks(const HintPosition& position,
                             const std::optional<engine::Board>& solution);

// Makes the step of a Step hint as one history step: each placement as "Put In
// the Grid" writes it, at the play grid's current cell moved there; when the
// step eliminates, CandArr and Grid1 both show the marks it leaves, coloured as
// after a sweep. Then the board is recorded in the next slot, so one "Revert"
// takes the step back. Any other hint changes nothing; returns whether it applied.
bool applyHint(PlaySide& play, const Hint& hint);
