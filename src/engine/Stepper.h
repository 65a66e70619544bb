// The logical stepper: the simplest step a person would take next, and a whole
// logical solution made of such steps. No guessing: every step follows from the
// pencil marks by one of the techniques of Step.h, tried simplest first.
// Everything here works on values and keeps no state, so any thread may call it.
#pragma once

#include "engine/Candidates.h"
#include "engine/Step.h"

#include <optional>
#include <vector>

namespace engine {

struct StepOptions {
    // The puzzle is known to have one solution (the exact solver tells): unique
    // rectangle rests on it and is not tried otherwise, and nested chains go
    // deeper than two levels only then.
    bool knownUnique = false;
    // Techniques above this level are not tried.
    Level hardest = Level::Extreme;
};

// The first technique, in the order of Technique, that places or eliminates
// something, with its first instance; none when no technique applies.
std::optional<Step> nextStep(const Candidates& marks, const StepOptions& options = {});

// Makes the step's placements and eliminations; true when that changed the marks.
bool apply(Candidates& marks, const Step& step);

struct LogicalSolution {
    std::vector<Step> steps;
    // Every cell filled and every unit holding 1-9 once. A board with a repeated
    // given is never solved.
    bool solved = false;
    // The pencil marks after the last step.
    Candidates end;
};

// Takes steps from `board` until it is filled or no technique applies (stuck).
// A step that changes nothing ends the walk as stuck, so that no finder can make
// it loop.
LogicalSolution solveLogically(const Board& board, const StepOptions& options = {});

} // namespace engine
