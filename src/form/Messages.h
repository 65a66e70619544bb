// Every text the form shows in a message box, worded in one place from the
// outcomes the subsystems return.
#pragma once

#include "analysis/Analysis.h"
#include "controls/Shell.h"
#include "engine/Solver.h"
#include "engine/Step.h"
#include "store/StoredGames.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

struct Message {
    std::string text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    std::string caption; // "" for the program's title
};

// What "Auto Play" tells; none when it ended silently.
std::optional<Message> autoPlayMessage(const AutoPlayOutcome& outcome);
// What "Chk.Dup" tells.
Message boardCheckMessage(BoardCheck check);

// What start-up tells about the stored games; none when they can be used.
std::optional<Message> openingMessage(const StoreOpening& opening, const std::string& file);
// What "Save Game" tells; none when the game was stored and listed.
std::optional<Message> saveMessage(const StoreChange& change, const std::string& file);
// The question "Delete Game" asks about game `id`.
Message deleteQuestion(const std::string& id);
// The question "Reset" of the statistics asks.
Message resetStatisticsQuestion();
// What "Delete Game" tells after a Yes; none when the game was deleted and the
// list reloaded.
std::optional<Message> deleteMessage(const StoreChange& change, const std::string& id,
                                     const std::string& file);

// What a "New ... Puzzle" tells when no puzzle of `level` turned up in `seconds`.
Message noNewPuzzleMessage(engine::Level level, long seconds);
// What "Paste Puzzle" tells of a text that is no puzzle; `problem` says why.
Message pasteProblemMessage(const std::string& problem);
// What "Paste Puzzle" tells of a board that holds a digit twice in a unit.
Message pasteRepeatMessage(const engine::Board& board, const engine::Repeat& repeat);
// What "Import Puzzles" tells of a file that could not be read.
Message importUnreadableMessage(const std::string& file, const std::string& problem);
// What "Import Puzzles" tells about `file` once it was read into the games of
// `storeFile`; `notPuzzles` lines of it were not puzzles.
Message importMessage(const StoreImport& outcome, int notPuzzles, const std::string& file,
                      const std::string& storeFile);
// What "Export Puzzles" tells: `count` games written to `file`, or `problem` when
// it could not be written.
Message exportMessage(int count, const std::string& file, const std::string& problem);
// What "Export Puzzles" tells when the stored games could not be used at start-up.
Message exportUnavailableMessage(const std::string& storeFile);
// "About": what the program is.
Message aboutMessage();
// "Keyboard Shortcuts": the play grid's keys, then each pair of `keys`, a key
// and what it does.
Message shortcutsMessage(const std::vector<std::pair<std::string, std::string>>& keys);
