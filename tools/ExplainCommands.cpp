// Printing logical solutions and ratings, one puzzle after another.
#include "ExplainCommands.h"

#include "engine/PuzzleText.h"
#include "engine/Rating.h"
#include "engine/Stepper.h"

namespace {

std::string ratingText(const engine::Rating& rating) {
    return std::string(engine::levelName(rating.level)) + " " + std::to_string(rating.score);
}

// "r3c2=5" or "r3c2-5".
void appendCellDigit(std::string& line, engine::CellDigit entry, char sign) {
    line += ' ';
    line += engine::cellName(entry.cell);
    line += sign;
    line += static_cast<char>('0' + entry.digit);
}

} // namespace

std::string stepLine(const engine::Step& step) {
    std::string line = "step ";
    line += engine::techniqueName(step.technique);
    for (const engine::CellDigit& placement : step.placements)
        appendCellDigit(line, placement, '=');
    for (const engine::CellDigit& elimination : step.eliminations)
        appendCellDigit(line, elimination, '-');
    return line;
}

void explainPuzzles(const std::vector<engine::Board>& puzzles, std::ostream& out) {
    for (const engine::Board& puzzle : puzzles) {
        const engine::LogicalSolution solution = engine::solveLogically(puzzle);
        out << engine::formatLine(puzzle) << '\n';
        for (const engine::Step& step : solution.steps)
            out << stepLine(step) << '\n';
        out << "end " << (solution.solved ? "solved " : "stuck ")
            << ratingText(engine::rate(solution)) << '\n';
    }
}

void ratePuzzles(const std::vector<engine::Board>& puzzles, std::ostream& out) {
    for (const engine::Board& puzzle : puzzles)
        out << engine::formatLine(puzzle) << ' ' << ratingText(engine::rate(puzzle)) << '\n';
}
