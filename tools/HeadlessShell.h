// The shell of the front ends without a window: nothing to show, nothing to wait for.
#pragma once

#include "board/Shell.h"

#include <string>
#include <vector>

class HeadlessShell : public Shell {
public:
    // The texts of the message boxes shown, in order.
    std::vector<std::string> messages;

    // Records the text; a question is answered No, anything else Ok.
    MsgAnswer msgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                     const std::string& caption) override;
    void yield() override {}
    void beep() override {}
    void showTab(int) override {}
    std::chrono::system_clock::time_point now() override;
};
