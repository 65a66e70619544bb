// Every text the form shows in a message box, worded in one place from the
// outcomes the subsystems return.
#pragma once

#include "analysis/Analysis.h"
#include "board/Shell.h"
#include "store/StoredGames.h"

#include <optional>
#include <string>

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
// What "Delete Game" tells after a Yes; none when the game was deleted and the
// list reloaded.
std::optional<Message> deleteMessage(const StoreChange& change, const std::string& id,
                                     const std::string& file);
