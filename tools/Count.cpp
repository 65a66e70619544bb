// tabrel-puzzle count: the number of solutions of each puzzle (0, 1, or 2 for
// two or more) and the first solution found.
#include "PuzzleCommands.h"
#include "engine/PuzzleText.h"
#include "engine/Solver.h"

namespace tool {

namespace {

void countLine(const engine::Board& puzzle, std::string& out) {
    const engine::SolveResult result = engine::solve(puzzle);
    out += engine::formatLine(puzzle);
    out += ' ';
    out += static_cast<char>('0' + result.solutions);
    out += ' ';
    out += result.solutions == 0 ? "-" : engine::formatLine(result.solution);
    out += '\n';
}

} // namespace

int countCommand(Arguments arguments) {
    return forEachPuzzle("count", arguments, countLine);
}

} // namespace tool
