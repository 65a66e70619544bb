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
