// Records every message box and answers it from a script. Fails the test on a
// box nobody scripted and, when destroyed, on an answer nobody used.
#pragma once

#include "board/Shell.h"

#include <deque>
#include <string>
#include <vector>

struct ShownMessage {
    std::string text;
    MsgButtons buttons;
    MsgIcon icon;
    std::string caption; // what the title bar shows: ProgramTitle when none was given
};

class MessageScript {
public:
    MessageScript() = default;
    MessageScript(const MessageScript&) = delete;
    MessageScript& operator=(const MessageScript&) = delete;
    ~MessageScript();

    // The next box is expected and answered with `answer`.
    void answerNext(MsgAnswer answer) { answers_.push_back(answer); }
    MsgAnswer show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& caption);

    const std::vector<ShownMessage>& shown() const { return shown_; }
    // The texts of the boxes shown so far.
    std::vector<std::string> texts() const;

private:
    std::deque<MsgAnswer> answers_;
    std::vector<ShownMessage> shown_;
};
