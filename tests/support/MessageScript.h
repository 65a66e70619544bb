// Records every message box and answers it from a script. Fails the test on a
// box nobody scripted and, when destroyed, on an answer nobody used.
#pragma once

#include "controls/Shell.h"

#include <deque>
#include <gtest/gtest.h>
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
    ~MessageScript() { EXPECT_TRUE(answers_.empty()) << answers_.size() << " answer(s) unused"; }

    // The next box is expected and answered with `answer`.
    void answerNext(MsgAnswer answer) { answers_.push_back(answer); }
    MsgAnswer show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& caption) {
        shown_.push_back({text, buttons, icon, caption.empty() ? ProgramTitle : caption});
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected message box: \"" << text << "\"";
            return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
        }
        const MsgAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    const std::vector<ShownMessage>& shown() const { return shown_; }
    // The texts of the boxes shown so far.
    std::vector<std::string> texts() const {
        std::vector<std::string> texts;
        for (const ShownMessage& message : shown_)
            texts.push_back(message.text);
        return texts;
    }

private:
    std::deque<MsgAnswer> answers_;
    std::vector<ShownMessage> shown_;
};
