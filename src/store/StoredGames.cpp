// Opening, saving, restoring and deleting stored games; a failure is returned
// with its reason, never thrown.
#include "store/StoredGames.h"

#include <ctime>

namespace {

// `when` in local time, as the date column holds it: "YYYY-MM-DD HH:MM:SS".
std::string localDateTime(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

StoreChange failed(const StoreError& error) {
    return {StoreChange::State::Failed, error.what(), ""};
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

std::vector<ListEntry> StoredGames::entries() const {
    return store_ ? store_->entries() : std::vector<ListEntry>{};
}

std::string StoredGames::file() const {
    return (folder_ / GameStoreFileName).string();
}

StoreChange StoredGames::save(std::string_view d1, std::chrono::system_clock::time_point when) {
    if (!store_)
        return {folder_.empty() ? StoreChange::State::NoFolder : StoreChange::State::NotOpened, "",
                ""};
    try {
        store_->addNew(localDateTime(when), d1);
    } catch (const StoreError& error) {
        return failed(error);
    }
    return {StoreChange::State::Done, "", reload()};
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

std::string StoredGames::reload() {
    try {
        store_->requery();
    } catch (const StoreError& error) {
        return error.what();
    }
    return {};
}
