// tabrel-puzzle explain and rate: each puzzle's logical solution step by step,
// and its level and score.
#include "PuzzleCommands.h"
#include "engine/PuzzleText.h"
#include "engine/Rating.h"
#include "engine/Solver.h"
#include "engine/Stepper.h"

namespace tool {

namespace {

// Unique rectangle rests on the puzzle having one solution, which the exact
// solver settles.
engine::LogicalSolution logicalSolution(const engine::Board& puzzle) {
    return engine::solveLogically(puzzle,
                                  {engine::hasUniqueSolution(puzzle), engine::Level::Extreme});
}

void appendRating(const engine::Rating& rating, std::string& out) {
    out += engine::levelName(rating.level);
    out += ' ';
    out += std::to_string(rating.score);
}

// " r3c2=5" or " r3c2-5".
void appendCellDigit(engine::CellDigit entry, char sign, std::string& out) {
    out += ' ';
    out += engine::cellName(entry.cell);
    out += sign;
    out += static_cast<char>('0' + entry.digit);
}

void appendStep(const engine::Step& step, std::string& out) {
    out += "step ";
    out += engine::techniqueName(step.technique);
    for (const engine::CellDigit& placement : step.placements)
        appendCellDigit(placement, '=', out);
    for (const engine::CellDigit& elimination : step.eliminations)
        appendCellDigit(elimination, '-', out);
    out += '\n';
}

void explainLines(const engine::Board& puzzle, std::string& out) {
    const engine::LogicalSolution solution = logicalSolution(puzzle);
    out += engine::formatLine(puzzle);
    out += '\n';
    for (const engine::Step& step : solution.steps)
        appendStep(step, out);
    out += solution.solved ? "end solved " : "end stuck ";
    appendRating(engine::rate(solution), out);
    out += '\n';
}

void rateLine(const engine::Board& puzzle, std::string& out) {
    out += engine::formatLine(puzzle);
    out += ' ';
    appendRating(engine::rate(logicalSolution(puzzle)), out);
    out += '\n';
}

} // namespace

int explainCommand(Arguments arguments) {
    return forEachPuzzle("explain", arguments, explainLines);
}

int rateCommand(Arguments arguments) {
    return forEachPuzzle("rate", arguments, rateLine);
}

} // namespace tool
