// Reading and judging the entry grid.
#include "entry/EntryCheck.h"

#include "controls/BoardText.h"
#include "engine/PuzzleText.h"
#include "engine/Rating.h"
#include "engine/Solver.h"

#include <algorithm>

namespace {

bool alreadyNamed(const std::vector<EntryRepeat>& repeats, const EntryRepeat& repeat) {
    return std::any_of(repeats.begin(), repeats.end(), [&](const EntryRepeat& named) {
        return named.digit == repeat.digit && named.cells == repeat.cells;
    });
}

std::vector<EntryRepeat> repeatsOf(const engine::Board& board) {
    std::vector<EntryRepeat> repeats;
    for (int unit = 0; unit < engine::Units; ++unit) {
        for (int digit = 1; digit <= 9; ++digit) {
            EntryRepeat repeat{digit, unit, {}};
            for (const int cell : engine::UnitTable[unit])
                if (board[cell] == digit)
                    repeat.cells.push_back(cell);
            if (repeat.cells.size() > 1 && !alreadyNamed(repeats, repeat))
                repeats.push_back(std::move(repeat));
        }
    }
    return repeats;
}

} // namespace

EntryReading readEntry(const CellGrid& grid) {
    EntryReading reading;
    reading.revision = grid.textRevision();
    reading.board = engine::parseLine(storedBoardText(grid)).value_or(engine::Board{});
    reading.givens = static_cast<int>(std::count_if(reading.board.begin(), reading.board.end(),
                                                    [](std::uint8_t digit) { return digit != 0; }));
    reading.repeats = repeatsOf(reading.board);
    return reading;
}

EntryVerdict judgeEntry(const engine::Board& board) {
    EntryVerdict verdict;
    verdict.solutions = engine::solve(board).solutions;
    if (verdict.solutions == 1)
        verdict.level = engine::rate(board, true).level;
    return verdict;
}

Highlights repeatHighlights(const EntryReading& reading) {
    Highlights marks;
    for (const EntryRepeat& repeat : reading.repeats)
        for (const int cell : repeat.cells)
            marks.markCell(cell, Mark::Clashes);
    return marks;
}
