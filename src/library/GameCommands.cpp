// "Save Game", "Restore Game" and "Delete Game", and the opening of the stored
// games at start-up.
#include "board/BoardText.h"
#include "form/Frm_TaBrel.h"
#include "library/GameStore.h"

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

} // namespace

void GameStoreDeleter::operator()(GameStore* store) const {
    delete store;
}

void Frm_TaBrel::openGameStore() {
    if (programFolder_.empty())
        return;
    try {
        store_.reset(new GameStore(storeFile()));
    } catch (const StoreError& error) {
        tellStoreProblem("The stored games in \"" + storeFile() +
                         "\" cannot be used: " + error.what() +
                         ".\n\nTabrel goes on with the built-in puzzle. Until it is started "
                         "with a usable file, games cannot be saved, restored or deleted.");
        return;
    }
    if (store_->readOnly())
        tellStoreProblem("The stored games in \"" + storeFile() +
                         "\" are read-only: games can be restored, but not saved or deleted.");
    reloadGameList();
}

void Frm_TaBrel::Command5_Click() {
    const std::string d1 = storedBoardText(Grid2);
    if (!store_) {
        tellStoreProblem(programFolder_.empty()
                             ? "The game was not stored: there is no file for stored games."
                             : "The game was not stored: \"" + storeFile() +
                                   "\" could not be used when Tabrel started.");
        return;
    }
    try {
        store_->addNew(localDateTime(shell_.now()), d1);
    } catch (const StoreError& error) {
        tellStoreProblem("The game was not stored in \"" + storeFile() + "\": " + error.what() +
                         ".");
        return;
    }
    requeryGames();
    reloadGameList();
}

void Frm_TaBrel::Command6_Click() {
    Text1.setText("");
    Grid3.clear();
    // From here on a step that fails is skipped, without a message.
    std::string d1;
    if (store_) {
        // With no entry selected the current row stays: the newest game after
        // start-up, a save or a delete.
        if (const std::optional<Bookmark> bookmark = DataCombo1.selectedBookmark())
            store_->moveTo(*bookmark);
        d1 = store_->field("D1").value_or("");
    }
    showStoredBoard(d1);
}

void Frm_TaBrel::Command10_Click() {
    if (!store_)
        return;
    // With no entry selected the current row is the game meant, as for Restore;
    // the question names it. A selected game that is gone is not replaced by another.
    if (const std::optional<Bookmark> bookmark = DataCombo1.selectedBookmark();
        bookmark && !store_->moveTo(*bookmark))
        return;
    const std::optional<std::string> id = store_->field("id");
    if (!id)
        return; // no game is stored
    if (shell_.msgBox("Are you sure to Delete Game " + *id, MsgButtons::YesNo, MsgIcon::Question,
                      ProgramTitle) != MsgAnswer::Yes)
        return;
    try {
        store_->deleteCurrent();
    } catch (const StoreError& error) {
        tellStoreProblem("Game " + *id + " was not deleted from \"" + storeFile() +
                         "\": " + error.what() + ".");
        return;
    }
    requeryGames();
    reloadGameList();
    store_->moveFirst();
    DataCombo1.setText(store_->field("game").value_or(""));
}

void Frm_TaBrel::requeryGames() {
    try {
        store_->requery();
    } catch (const StoreError& error) {
        tellStoreProblem("The list of stored games could not be reloaded from \"" + storeFile() +
                         "\": " + error.what() + ".");
    }
}

void Frm_TaBrel::reloadGameList() {
    DataCombo1.setEntries(store_->entries());
}

std::string Frm_TaBrel::storeFile() const {
    return (programFolder_ / GameStoreFileName).string();
}

void Frm_TaBrel::tellStoreProblem(const std::string& text) {
    shell_.msgBox(text, MsgButtons::Ok, MsgIcon::Warning, "");
}
