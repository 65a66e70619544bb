// The player's own game: candidates of their own, typed moves as history steps,
// mistakes against the solution of the givens, and the history by its slots.
#include "engine/Grid.h"
#include "engine/Rating.h"
#include "form/Frm_TaBrel.h"

namespace {

int cellAt(int row, int col) {
    return row * CellGrid::Size + col;
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
    play_.labelSlot("Start");
    resetGame(playBoard());
    if (showMistakes_)
        askSolution();
}

// The solution of the givens and, with one, their rating: the level of a game
// that did not come with one.
void Frm_TaBrel::askSolution() {
    if (game_.solution || shell_.runner().busy(JobKind::Solution))
        return;
    using Verdict = std::pair<engine::SolveResult, engine::Level>;
    startJob<Verdict>(
        shell_.runner(), JobKind::Solution,
        [givens = game_.givens](const std::atomic<bool>&) {
            const engine::SolveResult solved = engine::solve(givens);
            return Verdict{solved, solved.solutions == 1 ? engine::rate(givens, true).level
                                                         : engine::Level::Beyond};
        },
        [this](const Verdict& verdict) { takeSolution(verdict.first, verdict.second); });
}

void Frm_TaBrel::takeSolution(const engine::SolveResult& solved, engine::Level level) {
    game_.solution = solved;
    if (!game_.level)
        game_.level = level;
    if (game_.changed)
        keepSoon();
    boardChanged();
    checkSolved();
    if (std::exchange(game_.backWhenSolved, false))
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

SweepMemo::DigitSet Frm_TaBrel::struckAt(int row, int col) {
    if (!struck_)
        struck_ = struckDigits(play_);
    return (*struck_)[static_cast<std::size_t>(cellAt(row, col))];
}

void Frm_TaBrel::boardChanged() {
    mistakes_.reset();
    struck_.reset();
    if (game_.changed) {
        keepSoon();
        checkSolved();
    }
    if (showMistakes_ && onMistakesChanged)
        onMistakesChanged();
}

const MistakeMarks& Frm_TaBrel::mistakes() {
    static const MistakeMarks none;
    if (!showMistakes_ || !game_.solution || game_.solution->solutions != 1)
        return none;
    if (!mistakes_)
        mistakes_ = mistakesOf(play_, game_.solution->solution);
    return *mistakes_;
}

std::string Frm_TaBrel::mistakesLine() {
    if (!showMistakes_ || !game_.solution)
        return {};
    return mistakesWords(game_.solution->solutions, mistakes().count);
}

void Frm_TaBrel::backToLastCorrectBoard() {
    if (solving_)
        return;
    if (game_.solution) {
        goBackToLastCorrect();
        return;
    }
    game_.backWhenSolved = true;
    askSolution();
}

void Frm_TaBrel::goBackToLastCorrect() {
    using End = BackToCorrect::End;
    BackToCorrect back;
    if (game_.solution->solutions != 1) {
        back.end = End::NoSingleSolution;
    } else if (mistakesOf(play_, game_.solution->solution).count != 0) {
        const int from = play_.HistIdx;
        const std::optional<int> slot = lastCorrectSlot(play_, game_.solution->solution);
        back.end = slot ? End::WentBack : End::NoCorrectSlot;
        if (slot) {
            play_.revertTo(static_cast<std::int16_t>(*slot));
            back.steps = from - *slot;
        }
    }
    PlayStatus.show(backToCorrectLine(back));
}
