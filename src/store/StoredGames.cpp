// Opening, saving, restoring and deleting stored games; a failure is returned
// with its reason, never thrown.
#include "store/StoredGames.h"

#include <algorithm>
#include <unordered_set>

namespace {

StoreChange failed(const StoreError& error) {
    return {StoreChange::State::Failed, error.what(), ""};
}

// A stored text read as Restore reads it: only "1"-"9" is a given, and a cell
// past the end is empty.
std::string shownBoard(std::string_view d1) {
    std::string board(81, '0');
    for (std::size_t i = 0; i < board.size() && i < d1.size(); ++i)
        if (d1[i] >= '1' && d1[i] <= '9')
            board[i] = d1[i];
    return board;
}

} // namespace

StoredGames::StoredGames(std::filesystem::path folder) : folder_(std::move(folder)) {}

StoreOpening StoredGames::open() {
    if (folder_.empty())
        return {};
    try {
        store_.emplace(file());
    } catch (const StoreError& error) {
        return {StoreOpening::State::Unusable, error.what()};
    }
    return {store_->readOnly() ? StoreOpening::State::ReadOnly : StoreOpening::State::Usable, ""};
}

std::vector<GameEntry> StoredGames::entries() const {
    return store_ ? store_->entries() : std::vector<GameEntry>{};
}

std::string StoredGames::file() const {
    return (folder_ / GameStoreFileName).string();
}

StoreChange StoredGames::save(std::string_view d1, std::chrono::system_clock::time_point when) {
    if (!store_)
        return notOpen();
    try {
        store_->addNew(localDateTime(when), d1);
    } catch (const StoreError& error) {
        return failed(error);
    }
    return {StoreChange::State::Done, "", reload()};
}

StoreImport StoredGames::import(const std::vector<std::string>& d1s,
                                std::chrono::system_clock::time_point when) {
    if (!store_)
        return {notOpen()};
    StoreImport outcome;
    std::unordered_set<std::string> known;
    for (const std::string& d1 : store_->boards())
        known.insert(shownBoard(d1));
    std::vector<std::string> fresh;
    std::unordered_set<std::string> imported;
    for (const std::string& d1 : d1s) {
        if (known.contains(d1))
            ++outcome.alreadyStored;
        else if (!imported.insert(d1).second)
            ++outcome.repeated;
        else
            fresh.push_back(d1);
    }
    if (fresh.empty())
        return outcome;
    try {
        store_->addAll(localDateTime(when), fresh);
    } catch (const StoreError& error) {
        return {failed(error)};
    }
    outcome.added = static_cast<int>(fresh.size());
    outcome.change.reloadReason = reload();
    return outcome;
}

std::optional<std::vector<std::string>> StoredGames::boards() const {
    if (!store_)
        return std::nullopt;
    std::vector<std::string> boards = store_->boards();
    std::reverse(boards.begin(), boards.end());
    for (std::string& board : boards)
        board = shownBoard(board);
    return boards;
}

std::string StoredGames::restore(std::optional<Bookmark> chosen) {
    if (!store_)
        return {};
    if (chosen)
        store_->moveTo(*chosen);
    return store_->field("D1").value_or("");
}

// A chosen game that is gone is not replaced by another.
std::optional<std::string> StoredGames::chooseForDelete(std::optional<Bookmark> chosen) {
    if (!store_ || (chosen && !store_->moveTo(*chosen)))
        return std::nullopt;
    return store_->field("id");
}

StoreChange StoredGames::deleteCurrent() {
    if (!store_)
        return {StoreChange::State::NotOpened, "", ""};
    try {
        store_->deleteCurrent();
    } catch (const StoreError& error) {
        return failed(error);
    }
    StoreChange change{StoreChange::State::Done, "", reload()};
    store_->moveFirst();
    return change;
}

std::string StoredGames::currentLabel() const {
    return store_ ? store_->field("game").value_or("") : "";
}

StoreChange StoredGames::notOpen() const {
    return {folder_.empty() ? StoreChange::State::NoFolder : StoreChange::State::NotOpened, "", ""};
}

std::string StoredGames::reload() {
    try {
        store_->requery();
    } catch (const StoreError& error) {
        return error.what();
    }
    return {};
}
