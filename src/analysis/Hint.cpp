// Asking for the next step, working it out, and making it.
#include "analysis/Hint.h"

#include "board/CellText.h"
#include "controls/BoardText.h"
#include "engine/PuzzleText.h"
#include "engine/Solver.h"
#include "engine/Stepper.h"

#include <algorithm>

namespace {

using engine::Cells;
using engine::Digits;

constexpr int Size = CellGrid::Size;

// A text made only of the digits 1-9, as a set; 0 for any other text.
Digits candidateSet(const std::string& text) {
    Digits set = 0;
    for (const char ch : text) {
        if (ch < '1' || ch > '9')
            return 0;
        set |= engine::digitBit(ch - '0');
    }
    return set;
}

HintPosition positionOf(const PlaySide& play) {
    HintPosition position;
    position.board = engine::parseLine(storedBoardText(play.Grid3)).value_or(engine::Board{});
    for (int cell = 0; cell < Cells; ++cell)
        position.shown[cell] = candidateSet(play.Grid1.text(cell / Size, cell % Size));
    return position;
}

bool isFull(const engine::Board& board) {
    return std::none_of(board.begin(), board.end(), [](std::uint8_t digit) { return digit == 0; });
}

Hint ended(HintEnd end) {
    Hint hint;
    hint.end = end;
    return hint;
}

// True when the candidate grid shows a digit of the play grid missing from its
// own cell's string.
bool showsAnotherDigit(const HintPosition& position) {
    for (int cell = 0; cell < Cells; ++cell) {
        const int digit = position.board[cell];
        if (digit != 0 && position.shown[cell] != 0 &&
            (position.shown[cell] & engine::digitBit(digit)) == 0)
            return true;
    }
    return false;
}

// The implied marks less what the candidate grid no longer shows; none when that
// leaves an empty cell without candidates or without its digit of `solution`.
std::optional<engine::Candidates> narrowed(const HintPosition& position,
                                           const std::optional<engine::Board>& solution) {
    engine::Candidates marks(position.board);
    for (int cell = 0; cell < Cells; ++cell) {
        if (marks.digit(cell) != 0 || position.shown[cell] == 0)
            continue;
        const Digits gone = static_cast<Digits>(marks.at(cell) & ~position.shown[cell]);
        for (int digit = 1; digit <= 9; ++digit)
            if ((gone & engine::digitBit(digit)) != 0)
                marks.eliminate(cell, digit);
        if (marks.at(cell) == 0 || (solution && !marks.has(cell, (*solution)[cell])))
            return std::nullopt;
    }
    return marks;
}

std::string digitText(int digit) {
    return std::string(DigitText[digit]);
}

// The marks as the sweeps write them: a filled cell's digit, an empty cell's
// candidates ascending.
std::string markText(const engine::Candidates& marks, int cell) {
    if (marks.digit(cell) != 0)
        return digitText(marks.digit(cell));
    std::string text;
    for (int digit = 1; digit <= 9; ++digit)
        if (marks.has(cell, digit))
            text += digitText(digit);
    return text;
}

void showMarks(PlaySide& play, const engine::Candidates& marks) {
    for (int cell = 0; cell < Cells; ++cell) {
        std::string& cand = play.CandArr[cell / Size][cell % Size];
        cand = markText(marks, cell);
        play.Grid1.setText(cell / Size, cell % Size, cand);
    }
}

// The first cell whose shown candidates lack the solution's digit; none when
// the candidate grid is stale (shows another digit at a filled cell).
std::optional<int> lostDigitCell(const HintPosition& position, const engine::Board& solution) {
    if (showsAnotherDigit(position))
        return std::nullopt;
    for (int cell = 0; cell < Cells; ++cell)
        if (position.board[cell] == 0 && position.shown[cell] != 0 &&
            (position.shown[cell] & engine::digitBit(solution[cell])) == 0)
            return cell;
    return std::nullopt;
}

} // namespace

bool HintQuestion::holdsFor(const PlaySide& play) const {
    return play.Grid1.textRevision() == grid1Revision && play.Grid3.textRevision() == grid3Revision;
}

HintQuestion askHint(const PlaySide& play, Analysis& analysis) {
    HintQuestion question{play.Grid1.textRevision(), play.Grid3.textRevision(), std::nullopt, {}};
    if (const std::optional<Clash> clash = analysis.findClash()) {
        question.known = ended(HintEnd::Duplicate);
        question.known->clash = clash;
        question.known->digit = analysis.repeatedDigit(*clash);
        return question;
    }
    question.position = positionOf(play);
    if (isFull(question.position.board))
        question.known = ended(HintEnd::Solved);
    return question;
}

engine::Candidates hintMarks(const HintPosition& position,
                             const std::optional<engine::Board>& solution) {
    if (!showsAnotherDigit(position))
        if (auto marks = narrowed(position, solution))
            return *marks;
    return engine::Candidates(position.board);
}

Hint answerHint(const HintPosition& position) {
    const engine::SolveResult solved = engine::solve(position.board);
    if (solved.solutions == 0)
        return ended(HintEnd::NoSolution);
    if (isFull(position.board))
        return ended(HintEnd::Solved);
    if (const auto cell =
            solved.solutions == 1 ? lostDigitCell(position, solved.solution) : std::nullopt) {
        Hint hint = ended(HintEnd::LostDigit);
        hint.cell = *cell;
        hint.digit = solved.solution[*cell];
        hint.solutions = 1;
        return hint;
    }
    Hint hint = ended(HintEnd::Stuck);
    hint.solutions = solved.solutions;
    hint.marks = hintMarks(position, solved.solution);
    engine::StepOptions options;
    options.knownUnique = solved.solutions == 1;
    if (std::optional<engine::Step> step = engine::nextStep(hint.marks, options)) {
        hint.end = HintEnd::Step;
        hint.step = std::move(*step);
    }
    return hint;
}

bool applyHint(PlaySide& play, const Hint& hint) {
    if (hint.end != HintEnd::Step)
        return false;
    for (const engine::CellDigit& placed : hint.step.placements) {
        play.Grid3.setCurrent(engine::rowOf(placed.cell), engine::colOf(placed.cell));
        play.putIn(digitText(placed.digit));
    }
    if (!hint.step.eliminations.empty()) {
        engine::Candidates after = hint.marks;
        engine::apply(after, hint.step);
        showMarks(play, after);
        play.ColorMe();
    }
    play.NextHistSlot();
    play.FILLARRAY();
    return true;
}
