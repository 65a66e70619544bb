// Every text the form shows in a message box, worded in one place from the
// outcomes the subsystems return.
#pragma once

#include "analysis/Analysis.h"
#include "board/Shell.h"

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
