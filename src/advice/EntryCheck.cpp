// Reading, judging and wording the entry grid.
#include "advice/EntryCheck.h"

#include "board/BoardText.h"
#include "engine/Explain.h"
#include "engine/PuzzleText.h"
#include "engine/Rating.h"
#include "engine/Solver.h"

#include <algorithm>

namespace {

constexpr std::size_t RepeatsNamed = 2; // more would not fit the line

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

std::string times(std::size_t count) {
    return count == 2 ? "twice" : std::to_string(count) + " times";
}

// "4 twice in row 1 (r1c1, r1c5)".
std::string repeatWords(const EntryRepeat& repeat) {
    std::string cells;
    for (const int cell : repeat.cells)
        cells += (cells.empty() ? "" : ", ") + engine::cellName(cell);
    return std::to_string(repeat.digit) + " " + times(repeat.cells.size()) + " in " +
           engine::unitName(repeat.unit) + " (" + cells + ")";
}

std::string repeatsWords(const std::vector<EntryRepeat>& repeats) {
    std::string text;
    for (std::size_t i = 0; i < repeats.size() && i < RepeatsNamed; ++i)
        text += (i > 0 ? "; " : "") + repeatWords(repeats[i]);
    if (repeats.size() > RepeatsNamed)
        text += "; " + std::to_string(repeats.size() - RepeatsNamed) + " more";
    return text;
}

std::string levelWords(engine::Level level) {
    return level == engine::Level::Beyond ? "beyond expert" : std::string(engine::levelName(level));
}

std::string verdictWords(const std::optional<EntryVerdict>& verdict) {
    if (!verdict)
        return "counting solutions…";
    switch (verdict->solutions) {
    case 0:
        return "no solution";
    case 1:
        return "unique solution (" + levelWords(verdict->level) + ")";
    default:
        return "more than one solution";
    }
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

std::string entryLine(const EntryReading& reading, const std::optional<EntryVerdict>& verdict) {
    std::string line =
        std::to_string(reading.givens) + (reading.givens == 1 ? " given" : " givens");
    if (!reading.repeats.empty())
        line += " · " + repeatsWords(reading.repeats);
    return line + " · " + verdictWords(verdict);
}

Highlights repeatHighlights(const EntryReading& reading) {
    Highlights marks;
    for (const EntryRepeat& repeat : reading.repeats)
        for (const int cell : repeat.cells)
            marks.markCell(cell, Mark::Clashes);
    return marks;
}
