// The player's own game: candidates of their own, typed moves as history steps,
// mistakes against the solution of the givens, and the history by its slots.
#include "controls/BoardText.h"
#include "engine/Grid.h"
#include "engine/PuzzleText.h"
#include "engine/Rating.h"
#include "form/Frm_TaBrel.h"

namespace {

int cellAt(int row, int col) {
    return row * CellGrid::Size + col;
}

// The digits of the play grid's cells with a value above 0: those a fresh game
// begins with.
engine::Board boardOf(const CellGrid& grid) {
    return engine::parseLine(storedBoardText(grid)).value_or(engine::Board{});
}

} // namespace

void Frm_TaBrel::toggleCandidate(int row, int col, int digit) {
    const bool struck =
        play_.Grid1.text(row, col).find(static_cast<char>('0' + digit)) != std::string::npos;
    if (solving_ || !::toggleCandidate(play_, row, col, digit)) {
        shell_.beep();
        return;
    }
    play_.labelSlot(candidateLabel(cellAt(row, col), digit, struck));
}

void Frm_TaBrel::fillCandidates() {
    if (solving_)
        return;
    ::fillCandidates(play_, true);
    play_.labelSlot("Fill Candidates");
}

void Frm_TaBrel::resetCandidates() {
    if (solving_)
        return;
    ::fillCandidates(play_, false);
    play_.labelSlot("Reset Candidates");
}

// A key typed inside a run's yield only puts the digit in, as the button does:
// a record then would land in the middle of the run's history.
void Frm_TaBrel::recordTypedMove(int row, int col) {
    if (solving_)
        return;
    if (removeWhenPlacing_)
        takeFromPeers(play_, row, col);
    play_.NextHistSlot();
    play_.FILLARRAY();
    play_.labelSlot(moveLabel(cellAt(row, col), play_.Grid3.text(row, col)));
}

void Frm_TaBrel::showHistorySlot(int slot) {
    if (!solving_ && slot >= 0 && slot < HistArray::Slots)
        play_.revertTo(static_cast<std::int16_t>(slot));
}

void Frm_TaBrel::beginGame() {
    givens_ = boardOf(play_.Grid3);
    play_.labelSlot("Start");
    resetGame();
    if (showMistakes_)
        askSolution();
}

// The solution of the givens and, with one, their rating: the level of a game
// that did not come with one.
void Frm_TaBrel::askSolution() {
    if (solved_ || solutionAsked_)
        return;
    solutionAsked_ = true;
    using Verdict = std::pair<engine::SolveResult, engine::Level>;
    startJob<Verdict>(
        shell_.runner(), JobKind::Solution,
        [givens = givens_](const std::atomic<bool>&) {
            const engine::SolveResult solved = engine::solve(givens);
            return Verdict{solved, solved.solutions == 1 ? engine::rate(givens, true).level
                                                         : engine::Level::Beyond};
        },
        [this](const Verdict& verdict) { takeSolution(verdict.first, verdict.second); });
}

void Frm_TaBrel::takeSolution(const engine::SolveResult& solved, engine::Level level) {
    solved_ = solved;
    if (!gameLevel_)
        gameLevel_ = level;
    if (gameChanged_)
        keepSoon();
    boardChanged();
    checkSolved();
    if (std::exchange(backWhenSolved_, false))
        goBackToLastCorrect();
}

void Frm_TaBrel::setShowMistakes(bool on) {
    showMistakes_ = on;
    if (on)
        askSolution();
    boardChanged();
    if (!on && onMistakesChanged)
        onMistakesChanged();
}

DigitBits Frm_TaBrel::struckAt(int row, int col) {
    if (!struck_)
        struck_ = struckDigits(play_);
    return (*struck_)[static_cast<std::size_t>(cellAt(row, col))];
}

void Frm_TaBrel::boardChanged() {
    mistakes_.reset();
    struck_.reset();
    if (gameChanged_) {
        keepSoon();
        checkSolved();
    }
    if (showMistakes_ && onMistakesChanged)
        onMistakesChanged();
}

const MistakeMarks& Frm_TaBrel::mistakes() {
    static const MistakeMarks none;
    if (!showMistakes_ || !solved_ || solved_->solutions != 1)
        return none;
    if (!mistakes_)
        mistakes_ = mistakesOf(play_, solved_->solution);
    return *mistakes_;
}

std::string Frm_TaBrel::mistakesLine() {
    if (!showMistakes_ || !solved_)
        return {};
    return mistakesWords(solved_->solutions, mistakes().count);
}

void Frm_TaBrel::backToLastCorrectBoard() {
    if (solving_)
        return;
    if (solved_) {
        goBackToLastCorrect();
        return;
    }
    backWhenSolved_ = true;
    askSolution();
}

void Frm_TaBrel::goBackToLastCorrect() {
    using End = BackToCorrect::End;
    BackToCorrect back;
    if (solved_->solutions != 1) {
        back.end = End::NoSingleSolution;
    } else if (mistakesOf(play_, solved_->solution).count != 0) {
        const int from = play_.HistIdx;
        const std::optional<int> slot = lastCorrectSlot(play_, solved_->solution);
        back.end = slot ? End::WentBack : End::NoCorrectSlot;
        if (slot) {
            play_.revertTo(static_cast<std::int16_t>(*slot));
            back.steps = from - *slot;
        }
    }
    PlayStatus.show(backToCorrectLine(back));
}
