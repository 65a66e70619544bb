// The words of every message box.
#include "form/Messages.h"

namespace {

// A box with one Ok button under the program's title.
Message note(std::string text, MsgIcon icon = MsgIcon::None) {
    return {std::move(text), MsgButtons::Ok, icon, ""};
}

} // namespace

std::optional<Message> autoPlayMessage(const AutoPlayOutcome& outcome) {
    switch (outcome.end) {
    case AutoPlayEnd::Solved:
        return note("Successfully Completed in " + std::to_string(outcome.seconds) + " Seconds");
    case AutoPlayEnd::Duplicates:
        return note("Wrong Game...Duplicates Found");
    case AutoPlayEnd::Stopped:
        break;
    }
    return std::nullopt;
}

Message boardCheckMessage(BoardCheck check) {
    const char* text = check == BoardCheck::Duplicates ? "Duplicates found"
                       : check == BoardCheck::Win      ? "Good Girl! you did it"
                                                       : "No Duplicates...Continue it";
    return note(text, MsgIcon::Warning);
}

namespace {

std::string quoted(const std::string& file) {
    return "\"" + file + "\"";
}

std::optional<Message> reloadMessage(const StoreChange& change, const std::string& file) {
    if (change.reloadReason.empty())
        return std::nullopt;
    return note("The list of stored games could not be reloaded from " + quoted(file) + ": " +
                    change.reloadReason + ".",
                MsgIcon::Warning);
}

} // namespace

std::optional<Message> openingMessage(const StoreOpening& opening, const std::string& file) {
    switch (opening.state) {
    case StoreOpening::State::Unusable:
        return note("The stored games in " + quoted(file) + " cannot be used: " + opening.reason +
                        ".\n\nTabrel goes on with the built-in puzzle. Until it is started "
                        "with a usable file, games cannot be saved, restored or deleted.",
                    MsgIcon::Warning);
    case StoreOpening::State::ReadOnly:
        return note("The stored games in " + quoted(file) +
                        " are read-only: games can be restored, but not saved or deleted.",
                    MsgIcon::Warning);
    case StoreOpening::State::NoFolder:
    case StoreOpening::State::Usable:
        break;
    }
    return std::nullopt;
}

std::optional<Message> saveMessage(const StoreChange& change, const std::string& file) {
    switch (change.state) {
    case StoreChange::State::NoFolder:
        return note("The game was not stored: there is no file for stored games.",
                    MsgIcon::Warning);
    case StoreChange::State::NotOpened:
        return note("The game was not stored: " + quoted(file) +
                        " could not be used when Tabrel started.",
                    MsgIcon::Warning);
    case StoreChange::State::Failed:
        return note("The game was not stored in " + quoted(file) + ": " + change.reason + ".",
                    MsgIcon::Warning);
    case StoreChange::State::Done:
        break;
    }
    return reloadMessage(change, file);
}

Message deleteQuestion(const std::string& id) {
    return {"Are you sure to Delete Game " + id, MsgButtons::YesNo, MsgIcon::Question,
            ProgramTitle};
}

std::optional<Message> deleteMessage(const StoreChange& change, const std::string& id,
                                     const std::string& file) {
    if (change.state == StoreChange::State::Failed)
        return note("Game " + id + " was not deleted from " + quoted(file) + ": " + change.reason +
                        ".",
                    MsgIcon::Warning);
    return reloadMessage(change, file);
}
