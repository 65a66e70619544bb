// No window: message boxes are only recorded, the clock is the system's.
#include "HeadlessShell.h"

MsgAnswer HeadlessShell::msgBox(const std::string& text, MsgButtons buttons, MsgIcon,
                                const std::string&) {
    messages.push_back(text);
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
}

std::chrono::system_clock::time_point HeadlessShell::now() {
    return std::chrono::system_clock::now();
}
