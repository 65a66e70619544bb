// Wording hints and roll-backs.
#include "form/StatusWords.h"

#include "engine/Explain.h"
#include "engine/PuzzleText.h"
#include "engine/Rating.h"

#include <algorithm>

namespace {

constexpr std::size_t RepeatsNamed = 2; // more would not fit the line

int cellOf(CellPos at) {
    return engine::cellAt(at.row, at.col);
}

// The unit the scan met the two cells in: a row before a column before a box.
int unitOf(int first, int second) {
    if (engine::rowOf(first) == engine::rowOf(second))
        return engine::rowUnit(engine::rowOf(first));
    if (engine::colOf(first) == engine::colOf(second))
        return engine::colUnit(engine::colOf(first));
    return engine::boxUnit(engine::boxOf(first));
}

// "r3c2 and r3c7" in reading order, and the unit they share.
struct ClashPlace {
    std::string cells;
    std::string unit;
};

ClashPlace placeOf(const Clash& clash) {
    const int a = std::min(cellOf(clash.first), cellOf(clash.second));
    const int b = std::max(cellOf(clash.first), cellOf(clash.second));
    return {engine::cellName(a) + " and " + engine::cellName(b), engine::unitName(unitOf(a, b))};
}

// What is wrong at the clash, in the present tense ("is", "leaves") or the past.
std::string clashWords(const Clash& clash, int digit, bool past) {
    if (digit == 0)
        return engine::cellName(cellOf(clash.second)) + (past ? " held" : " holds") +
               " a value that is no digit 1-9";
    const ClashPlace place = placeOf(clash);
    const std::string d(1, static_cast<char>('0' + digit));
    if (clash.grid == Clash::Grid::Candidates)
        return "only " + d + (past ? " was" : " is") + " left at " + place.cells + ", both in " +
               place.unit;
    return d + (past ? " came" : " is") + " twice in " + place.unit + ", at " + place.cells;
}

std::string noStep(const Hint& hint) {
    switch (hint.end) {
    case HintEnd::Solved:
        return "The board is solved.";
    case HintEnd::Duplicate:
        return hint.clash ? "No hint: " + clashWords(*hint.clash, hint.digit, false) + "." : "";
    case HintEnd::NoSolution:
        return "No hint: the board has no solution.";
    case HintEnd::Stuck:
        return hint.solutions > 1
                   ? "No hint: the board has more than one solution, and no technique takes a step."
                   : "No hint: none of the techniques the hints know takes a step here.";
    case HintEnd::LostDigit:
        return engine::cellName(hint.cell) + " lost its " + std::to_string(hint.digit) +
               ", which the solution needs";
    case HintEnd::Step:
        break;
    }
    return "";
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
    return level == engine::Level::Beyond ? "beyond extreme"
                                          : std::string(engine::levelName(level));
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

std::string hintLine(const Hint& hint) {
    return hint.end == HintEnd::Step ? engine::describe(hint.step) : noStep(hint);
}

Highlights hintHighlights(const Hint& hint) {
    if (hint.end == HintEnd::Duplicate && hint.clash)
        return clashHighlights(*hint.clash);
    Highlights marks;
    if (hint.end == HintEnd::LostDigit) {
        marks.markCell(hint.cell, Mark::Changes);
        marks.markDigit(hint.cell, hint.digit, Mark::Removes);
    }
    if (hint.end != HintEnd::Step)
        return marks;
    const auto mark = [&](const std::vector<engine::CellDigit>& entries, Mark cell, Mark digit) {
        for (const engine::CellDigit& entry : entries) {
            marks.markCell(entry.cell, cell);
            marks.markDigit(entry.cell, entry.digit, digit);
        }
    };
    mark(hint.step.proof, Mark::Proves, Mark::Proves);
    mark(hint.step.placements, Mark::Changes, Mark::Changes);
    mark(hint.step.eliminations, Mark::Changes, Mark::Removes);
    // The step's own chain: nested chains and the contradiction that ends one
    // are words, not arrows.
    for (const engine::ChainLink& link : hint.step.links)
        if (link.depth == 0 && !link.from.empty() && !link.to.empty())
            marks.addArrow({link.from.front().cell, link.from.front().digit, link.to.front().cell,
                            link.to.front().digit, link.strong});
    return marks;
}

std::string hintDetail(const Hint& hint) {
    std::string detail;
    if (hint.end == HintEnd::Step)
        for (const std::string& line : engine::explainLinks(hint.step))
            detail += (detail.empty() ? "" : "\n") + line;
    return detail;
}

std::string pendingHintLine() {
    return "Looking for a step…";
}

std::string rollBackLine(std::string_view command, const SweepOutcome& outcome) {
    if (!outcome.rolledBack || !outcome.clash)
        return "";
    return std::string(command) +
           " was taken back: " + clashWords(*outcome.clash, outcome.digit, true) + ".";
}

Highlights clashHighlights(const Clash& clash) {
    Highlights marks;
    marks.markCell(cellOf(clash.first), Mark::Clashes);
    marks.markCell(cellOf(clash.second), Mark::Clashes);
    return marks;
}

std::string entryLine(const EntryReading& reading, const std::optional<EntryVerdict>& verdict) {
    std::string line =
        std::to_string(reading.givens) + (reading.givens == 1 ? " given" : " givens");
    if (!reading.repeats.empty())
        line += " · " + repeatsWords(reading.repeats);
    return line + " · " + verdictWords(verdict);
}

std::string runLabel(std::string_view command, int placed, bool rolledBack) {
    if (rolledBack)
        return std::string(command) + " taken back";
    return std::string(command) + ": " + std::to_string(placed) + " placed";
}

std::string moveLabel(int cell, std::string_view text) {
    return engine::cellName(cell) + (text.empty() ? " cleared" : " = " + std::string(text));
}

std::string candidateLabel(int cell, int digit, bool struck) {
    return engine::cellName(cell) + ": " + std::to_string(digit) +
           (struck ? " struck" : " restored");
}

std::string appliedHintLabel(const Hint& hint) {
    std::string label = "Hint applied: " + engine::displayName(hint.step.technique);
    const auto sameDigit = [&](const engine::CellDigit& entry) {
        return entry.digit == hint.step.proof.front().digit;
    };
    if (!hint.step.proof.empty() && hint.step.placements.empty() &&
        std::all_of(hint.step.proof.begin(), hint.step.proof.end(), sameDigit) &&
        std::all_of(hint.step.eliminations.begin(), hint.step.eliminations.end(), sameDigit))
        label += " on " + std::to_string(hint.step.proof.front().digit);
    for (const engine::CellDigit& placed : hint.step.placements)
        label += ", " + engine::cellName(placed.cell) + " = " + std::to_string(placed.digit);
    return label;
}

std::string mistakesWords(int solutions, int count) {
    if (solutions != 1)
        return "Mistakes: no single solution";
    return "Mistakes: " + std::to_string(count);
}

std::string backToCorrectLine(const BackToCorrect& back) {
    switch (back.end) {
    case BackToCorrect::End::NoSingleSolution:
        return "The givens have no single solution to hold the board against.";
    case BackToCorrect::End::NoMistake:
        return "No mistake to go back from.";
    case BackToCorrect::End::NoCorrectSlot:
        return "No board of the history is free of mistakes.";
    case BackToCorrect::End::WentBack:
        break;
    }
    if (back.steps == 0)
        return "Went back to the last correct board, the one this step recorded.";
    return "Went back " + std::to_string(back.steps) + (back.steps == 1 ? " step" : " steps") +
           " to the last correct board.";
}

std::string playedTime(std::int64_t seconds) {
    const auto two = [](std::int64_t n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    if (seconds >= 3600)
        return std::to_string(seconds / 3600) + ":" + two(seconds / 60 % 60) + ":" +
               two(seconds % 60);
    return std::to_string(seconds / 60) + ":" + two(seconds % 60);
}

std::string solvedLine(std::int64_t seconds, int hints) {
    const std::string with = hints == 0   ? ""
                             : hints == 1 ? " with 1 hint"
                                          : " with " + std::to_string(hints) + " hints";
    return "Solved in " + playedTime(seconds) + with + ".";
}

std::string keptGameLine() {
    return "Your last game is kept: Game, Continue Last Game (Ctrl+R).";
}

std::string noKeptGameLine() {
    return "No game is kept yet: a game is kept from its first move.";
}

std::string cannotKeepLine(const std::string& reason) {
    return "Games in progress cannot be kept: " + reason;
}
