#include "support/MessageScript.h"

#include <gtest/gtest.h>

MessageScript::~MessageScript() {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answer(s) never used";
}

MsgAnswer MessageScript::show(const std::string& text, MsgButtons buttons, MsgIcon icon,
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

std::vector<std::string> MessageScript::texts() const {
    std::vector<std::string> texts;
    for (const ShownMessage& message : shown_)
        texts.push_back(message.text);
    return texts;
}
