// The words of every message box.
#include "form/Messages.h"

#include "engine/Explain.h"
#include "engine/PuzzleText.h"

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

namespace {

// Why a change of the stored games was not made, after `what` ("The game was not
// stored"); "" when it was.
std::string refusal(const std::string& what, const char* in, const StoreChange& change,
                    const std::string& file) {
    switch (change.state) {
    case StoreChange::State::NoFolder:
        return what + ": there is no file for stored games.";
    case StoreChange::State::NotOpened:
        return what + ": " + quoted(file) + " could not be used when Tabrel started.";
    case StoreChange::State::Failed:
        return what + " " + in + " " + quoted(file) + ": " + change.reason + ".";
    case StoreChange::State::Done:
        break;
    }
    return {};
}

} // namespace

std::optional<Message> saveMessage(const StoreChange& change, const std::string& file) {
    if (std::string text = refusal("The game was not stored", "in", change, file); !text.empty())
        return note(std::move(text), MsgIcon::Warning);
    return reloadMessage(change, file);
}

Message resetStatisticsQuestion() {
    return {"Forget every game played? The statistics start again from nothing.", MsgButtons::YesNo,
            MsgIcon::Question, "Statistics"};
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

Message noNewPuzzleMessage(engine::Level level, long seconds) {
    return note("No " + std::string(engine::levelName(level)) + " puzzle turned up in " +
                    std::to_string(seconds) +
                    " seconds of trying. Ask again, or ask for another level.",
                MsgIcon::Warning);
}

Message pasteProblemMessage(const std::string& problem) {
    return note("The clipboard holds no puzzle: " + problem +
                    ".\n\nA puzzle is one line of 81 cells, or nine lines of nine cells: a digit "
                    "1-9 for a given, and . 0 - _ or * for an empty cell.",
                MsgIcon::Warning);
}

Message pasteRepeatMessage(const engine::Board& board, const engine::Repeat& repeat) {
    return note("The pasted puzzle has " + std::to_string(board[repeat.first]) + " twice in " +
                    engine::unitName(repeat.unit) + ", at " + engine::cellName(repeat.first) +
                    " and " + engine::cellName(repeat.second) + ", so it has no solution.",
                MsgIcon::Warning);
}

Message importUnreadableMessage(const std::string& file, const std::string& problem) {
    return note("No puzzles were imported: " + quoted(file) + " cannot be read (" + problem + ").",
                MsgIcon::Warning);
}

namespace {

std::string counted(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "3 already stored, 1 repeated in the file and 2 lines that are not puzzles";
// "" when nothing was skipped.
std::string skippedParts(const StoreImport& outcome, int notPuzzles) {
    std::vector<std::string> parts;
    if (outcome.alreadyStored > 0)
        parts.push_back(std::to_string(outcome.alreadyStored) + " already stored");
    if (outcome.repeated > 0)
        parts.push_back(std::to_string(outcome.repeated) + " repeated in the file");
    if (notPuzzles > 0)
        parts.push_back(
            counted(notPuzzles, "line that is not a puzzle", "lines that are not puzzles"));
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
    return text;
}

} // namespace

Message importMessage(const StoreImport& outcome, int notPuzzles, const std::string& file,
                      const std::string& storeFile) {
    if (std::string text = refusal("No puzzles were imported", "into", outcome.change, storeFile);
        !text.empty())
        return note(std::move(text), MsgIcon::Warning);
    std::string text = "Added " + counted(outcome.added, "puzzle", "puzzles") + " from " +
                       quoted(file) + " to the stored games.";
    if (const std::string skipped = skippedParts(outcome, notPuzzles); !skipped.empty())
        text += "\n\nSkipped " + skipped + ".";
    if (const auto reload = reloadMessage(outcome.change, storeFile))
        text += "\n\n" + reload->text;
    return note(std::move(text));
}

Message exportMessage(int count, const std::string& file, const std::string& problem) {
    if (!problem.empty())
        return note("No puzzles were exported: " + quoted(file) + " cannot be written (" + problem +
                        ").",
                    MsgIcon::Warning);
    return note("Exported " + counted(count, "stored game", "stored games") + " to " +
                quoted(file) + ".");
}

Message exportUnavailableMessage(const std::string& storeFile) {
    return note("No puzzles were exported: the stored games in " + quoted(storeFile) +
                    " could not be used when Tabrel started.",
                MsgIcon::Warning);
}

Message aboutMessage() {
    return {"Tabrel - the brain game of the 9 x 9 number puzzle.\n\nFill every row, column and "
            "3 x 3 box with the digits 1 to 9. New puzzles come in four levels, each with one "
            "solution; the candidate grid, Update and Clue help along the way.",
            MsgButtons::Ok, MsgIcon::None, "About Tabrel"};
}

Message shortcutsMessage(const std::vector<std::pair<std::string, std::string>>& keys) {
    std::string text = "Single keys act while a grid has the keyboard focus, never while "
                       "typing in a text box.\n\n"
                       "1-9: put the digit in the play grid's current cell\n"
                       "Delete, Backspace, 0, Space: empty the play grid's current cell\n"
                       "Ctrl+1 ... Ctrl+9: strike that candidate of the current cell, or "
                       "bring it back\n"
                       "Arrow keys: move the current cell\n";
    for (const auto& [key, what] : keys)
        text += "\n" + key + ": " + what;
    return {text, MsgButtons::Ok, MsgIcon::None, "Keyboard Shortcuts"};
}
