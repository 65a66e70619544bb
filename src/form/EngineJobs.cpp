// The form's engine work off the window's thread: hints, the entry grid's live
// check and new puzzles, each asked on the window's thread, worked out on a
// copy, and taken back only while it still speaks of the board shown.
#include "engine/Generator.h"
#include "engine/PuzzleText.h"
#include "form/Frm_TaBrel.h"

namespace {

// Up to `count` puzzles of `level`, fewer if the making gives up or is cancelled.
std::vector<engine::Board> puzzlesAt(engine::Level level, int count, std::uint64_t seed,
                                     const std::atomic<bool>& cancelled) {
    engine::Random random(seed);
    std::vector<engine::Board> puzzles;
    while (static_cast<int>(puzzles.size()) < count && !cancelled) {
        const auto puzzle =
            engine::puzzleAtLevel(random, level, engine::Symmetry::Rotate180, cancelled);
        if (!puzzle)
            break;
        puzzles.push_back(*puzzle);
    }
    return puzzles;
}

} // namespace

void Frm_TaBrel::askForHint(bool apply) {
    const HintQuestion question = askHint(play_, analysis_);
    if (question.known) {
        takeHint(question, *question.known, apply);
        return;
    }
    startJob<Hint>(
        shell_.runner(), JobKind::Hint,
        [position = question.position](const std::atomic<bool>&) { return answerHint(position); },
        [this, question, apply](const Hint& hint) { takeHint(question, hint, apply); },
        [this, question] {
            if (question.holdsFor(play_))
                PlayStatus.show(pendingHintLine());
        });
}

void Frm_TaBrel::takeHint(const HintQuestion& question, const Hint& hint, bool apply) {
    if (!question.holdsFor(play_))
        return;
    if (apply && !solving_ && applyHint(play_, hint))
        play_.labelSlot(appliedHintLabel(hint));
    if (hint.end == HintEnd::Step || hint.end == HintEnd::LostDigit)
        ++game_.hints;
    PlayStatus.show(hintLine(hint), hintHighlights(hint), hintDetail(hint));
}

void Frm_TaBrel::checkEntry() {
    const EntryReading reading = readEntry(entry_.Grid2);
    startJob<EntryVerdict>(
        shell_.runner(), JobKind::EntryCheck,
        [board = reading.board](const std::atomic<bool>&) { return judgeEntry(board); },
        [this, reading](const EntryVerdict& verdict) { takeEntryVerdict(reading, verdict); },
        [this, reading] { takeEntryVerdict(reading, std::nullopt); });
}

void Frm_TaBrel::takeEntryVerdict(const EntryReading& reading,
                                  const std::optional<EntryVerdict>& verdict) {
    if (reading.revision == entry_.Grid2.textRevision())
        EntryStatus.show(entryLine(reading, verdict), repeatHighlights(reading));
}

void Frm_TaBrel::askNewPuzzle(engine::Level level) {
    if (makingPuzzle())
        return;
    using Made = std::optional<engine::Board>;
    startJob<Made>(
        shell_.runner(), JobKind::NewPuzzle,
        [level, seed = newSeed()](const std::atomic<bool>& cancelled) {
            const auto made = puzzlesAt(level, 1, seed, cancelled);
            return made.empty() ? Made{} : Made{made.front()};
        },
        [this, level](const Made& puzzle) { takeNewPuzzle(level, puzzle); });
    if (onMakingPuzzle)
        onMakingPuzzle();
}

void Frm_TaBrel::makePuzzles(engine::Level level, int count,
                             std::function<void(const std::vector<engine::Board>&)> take) {
    startJob<std::vector<engine::Board>>(
        shell_.runner(), JobKind::PuzzlesToPrint,
        [level, count, seed = newSeed()](const std::atomic<bool>& cancelled) {
            return puzzlesAt(level, count, seed, cancelled);
        },
        std::move(take));
}

// Each new puzzle is new: its seed is the time.
std::uint64_t Frm_TaBrel::newSeed() {
    return static_cast<std::uint64_t>(shell_.now().time_since_epoch().count());
}

bool Frm_TaBrel::makingPuzzle() const {
    return shell_.runner().busy(JobKind::NewPuzzle);
}

void Frm_TaBrel::takeNewPuzzle(engine::Level level, const std::optional<engine::Board>& puzzle) {
    if (onMakingPuzzle)
        onMakingPuzzle();
    if (puzzle)
        showNewPuzzle(engine::formatLine(*puzzle), level);
    else
        show(noNewPuzzleMessage(level, engine::GiveUpAfter.count()));
}
