// The game kept across closing, the clock, the solved game and the record of
// the games played.
#include "controls/BoardText.h"
#include "engine/PuzzleText.h"
#include "engine/Rating.h"
#include "form/Frm_TaBrel.h"

namespace {

using namespace std::chrono;

// A crash loses no more than this of play; a burst of changes is one write.
constexpr milliseconds KeepAfter{500};

// The levels the statistics show, and the word for a game of none of them.
const std::vector<std::string> RecordLevels = {"easy", "medium", "hard", "expert", "extreme"};
constexpr const char* OtherLevel = "other";

KeptSlot keptSlot(const PlayRecord::Slot& slot, std::int64_t seq) {
    return {seq, packTexts(slot.grid1), packTexts(slot.grid3), slot.label};
}

PlayRecord::Slot playSlot(const KeptSlot& slot) {
    return {unpackTexts(slot.grid1), unpackTexts(slot.grid3), slot.label};
}

bool complete(const CellGrid& grid) {
    for (int row = 0; row < CellGrid::Size; ++row)
        for (int col = 0; col < CellGrid::Size; ++col)
            if (grid.value(row, col) < 1 || grid.value(row, col) > 9)
                return false;
    return true;
}

} // namespace

// A file start-up could not use at all was told in a box already.
void Frm_TaBrel::openKeptGames(const StoreOpening& opening) {
    if (opening.state != StoreOpening::State::Usable &&
        opening.state != StoreOpening::State::ReadOnly)
        return;
    try {
        kept_.emplace(games_.file());
        if (kept_->readOnly()) {
            kept_.reset();
            cannotKeep_ = "the game database is read-only.";
        }
    } catch (const StoreError& error) {
        cannotKeep_ = error.what();
    }
}

// Said in the line under the play grid, after the start-up's own game is up.
void Frm_TaBrel::tellKeptGame() {
    if (!cannotKeep_.empty()) {
        PlayStatus.show(cannotKeepLine(cannotKeep_));
        return;
    }
    try {
        if (kept_ && kept_->hasGame())
            PlayStatus.show(keptGameLine());
    } catch (const StoreError&) {
        // An unreadable kept game is one the user cannot continue: nothing to say.
    }
}

void Frm_TaBrel::historyChanged() {
    if (!game_.changed && play_.lastRecorded() > 0)
        firstChange();
    else if (game_.changed)
        keepSoon();
    if (historyListener_)
        historyListener_();
}

void Frm_TaBrel::firstChange() {
    game_.changed = true;
    askSolution();
    if (!kept_)
        return;
    try {
        game_.record = kept_->beginRecord(levelWord(), shell_.now());
        KeptGame game = keptState();
        const PlayRecord play = play_.record();
        for (std::size_t slot = 0; slot < play.recorded.size(); ++slot)
            game.history.push_back(keptSlot(play.recorded[slot], play.dropped + slot));
        kept_->replace(game);
        takeStamps();
    } catch (const StoreError& error) {
        stopKeeping(error.what());
    }
}

void Frm_TaBrel::keepSoon() {
    if (keepPending_ || !kept_)
        return;
    keepPending_ = true;
    shell_.later(KeepAfter, [this, alive = std::weak_ptr<bool>(alive_)] {
        if (alive.lock())
            keepNow();
    });
}

// Writes the slots whose stamps moved since the last write; a slot dropped
// from the front takes its stamp with it, as the rows go with their seq.
void Frm_TaBrel::keepNow() {
    keepPending_ = false;
    if (!kept_ || !game_.changed)
        return;
    const std::int64_t dropped = play_.droppedOldest();
    const auto shift =
        static_cast<std::size_t>(std::min<std::int64_t>(dropped - keptDropped_, HistArray::Slots));
    std::rotate(keptStamps_.begin(), keptStamps_.begin() + shift, keptStamps_.end());
    std::fill(keptStamps_.end() - shift, keptStamps_.end(), 0);
    std::vector<KeptSlot> changed;
    for (int slot = 0; slot <= play_.lastRecorded(); ++slot)
        if (keptStamps_[slot] != play_.slotStamp(slot))
            changed.push_back(keptSlot(play_.recordedSlot(slot), dropped + slot));
    try {
        const KeptGame game = keptState();
        kept_->update(game, changed);
        kept_->updateRecord(game_.record, game);
        takeStamps();
    } catch (const StoreError& error) {
        stopKeeping(error.what());
    }
}

// A file that stops taking the game (another program locked it, the disk is
// full) is said once; the game goes on unkept.
void Frm_TaBrel::stopKeeping(const std::string& reason) {
    kept_.reset();
    PlayStatus.show(cannotKeepLine(reason));
}

void Frm_TaBrel::takeStamps() {
    for (int slot = 0; slot < HistArray::Slots; ++slot)
        keptStamps_[slot] = play_.slotStamp(slot);
    keptDropped_ = play_.droppedOldest();
}

KeptGame Frm_TaBrel::keptState() {
    const PlayRecord play = play_.shown();
    KeptGame game;
    game.givens = engine::formatLine(game_.givens);
    std::replace(game.givens.begin(), game.givens.end(), '.', '0');
    game.grid1 = packTexts(play.grid1);
    game.grid3 = packTexts(play.grid3);
    game.candidates = packTexts(play.candidates);
    game.histIdx = play.histIdx;
    game.lastRecorded = play_.lastRecorded();
    game.dropped = play.dropped;
    game.level = levelWord();
    game.seconds = secondsPlayed();
    game.hints = game_.hints;
    game.helped = game_.helped;
    game.solved = game_.isSolved;
    game.record = game_.record;
    return game;
}

std::string Frm_TaBrel::levelWord() const {
    if (!game_.level)
        return game_.solution ? OtherLevel : "";
    return *game_.level == engine::Level::Beyond ? OtherLevel
                                                 : std::string(engine::levelName(*game_.level));
}

// A write asked for is made now: before another game takes the play grid, or
// the statistics are read.
void Frm_TaBrel::keepPendingNow() {
    if (keepPending_)
        keepNow();
}

void Frm_TaBrel::continueLastGame() {
    if (solving_)
        return;
    keepPendingNow();
    std::optional<KeptGame> game;
    try {
        game = kept_ ? kept_->load() : std::nullopt;
    } catch (const StoreError&) {
    }
    if (!game) {
        PlayStatus.show(noKeptGameLine());
        return;
    }
    PlayRecord play{{},
                    unpackTexts(game->grid1),
                    unpackTexts(game->grid3),
                    unpackTexts(game->candidates),
                    game->histIdx,
                    game->dropped};
    for (const KeptSlot& slot : game->history)
        play.recorded.push_back(playSlot(slot));
    resetGame(engine::parseLine(game->givens).value_or(engine::Board{}));
    game_.level = engine::levelNamed(game->level);
    game_.hints = game->hints;
    game_.helped = game->helped;
    game_.isSolved = game->solved;
    game_.playedBefore = game->seconds;
    game_.record = game->record;
    game_.changed = true;
    play_.restore(play);
    takeStamps();
    // The clock goes on from the time kept, unless the game was solved.
    game_.activeSince.reset();
    setWindowActive(windowActive_);
    askSolution();
}

void Frm_TaBrel::resetGame(const engine::Board& givens) {
    shell_.runner().cancel(JobKind::Solution);
    game_ = Game{givens};
    setWindowActive(windowActive_);
    boardChanged();
}

engine::Board Frm_TaBrel::playBoard() const {
    return engine::parseLine(storedBoardText(play_.Grid3)).value_or(engine::Board{});
}

void Frm_TaBrel::setWindowActive(bool active) {
    windowActive_ = active;
    if (!active)
        stopClock();
    else if (!game_.isSolved && !game_.activeSince)
        game_.activeSince = shell_.now();
}

void Frm_TaBrel::stopClock() {
    game_.playedBefore = secondsPlayed();
    game_.activeSince.reset();
}

std::int64_t Frm_TaBrel::secondsPlayed() {
    if (!game_.activeSince)
        return game_.playedBefore;
    return game_.playedBefore + duration_cast<seconds>(shell_.now() - *game_.activeSince).count();
}

void Frm_TaBrel::checkSolved() {
    if (game_.isSolved || !game_.changed || !complete(play_.Grid3))
        return;
    if (!game_.solution) {
        askSolution();
        return;
    }
    const bool right = game_.solution->solutions == 1 ? playBoard() == game_.solution->solution
                                                      : !analysis_.findClash();
    if (!right)
        return;
    stopClock();
    game_.isSolved = true;
    PlayStatus.show(solvedLine(secondsPlayed(), game_.hints));
    keepNow();
}

std::vector<LevelRecord> Frm_TaBrel::statistics() {
    keepPendingNow();
    try {
        return kept_ ? kept_->records(RecordLevels, OtherLevel, game_.isSolved ? 0 : game_.record)
                     : std::vector<LevelRecord>{};
    } catch (const StoreError&) {
        return {};
    }
}

void Frm_TaBrel::resetStatistics() {
    if (!kept_ || show(resetStatisticsQuestion()) != MsgAnswer::Yes)
        return;
    try {
        kept_->resetRecords();
        game_.record = 0;
    } catch (const StoreError& error) {
        stopKeeping(error.what());
    }
}
