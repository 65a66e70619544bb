// The few window services the logic calls out to. The window implements them
// with its toolkit; tests implement them with a scripted fake.
#pragma once

#include "controls/Controls.h"
#include "controls/Runner.h"

#include <chrono>
#include <functional>
#include <string>

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Warning, Question };
enum class MsgAnswer { Ok, Yes, No };

// The title a message box shows when it has no caption of its own.
inline constexpr const char* ProgramTitle = "Tabrel";

// What a long run needs from the program around it: a moment for queued events,
// and the time.
class RunHost {
public:
    virtual ~RunHost() = default;
    // Lets pending clicks and key presses run, then returns.
    virtual void yield() = 0;
    // The present date and time.
    virtual std::chrono::system_clock::time_point now() = 0;
};

class Shell : public RunHost {
public:
    // A modal message box; an empty caption shows ProgramTitle. Returns the button pressed.
    virtual MsgAnswer msgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                             const std::string& caption) = 0;
    virtual void beep() = 0;
    // Brings a page of the tab area to the front.
    virtual void showTab(Page page) = 0;
    // Where engine work runs off the window's thread.
    virtual Runner& runner() = 0;
    // Runs `call` on the window's thread once `delay` has passed, from the event
    // loop; the caller makes sure what it calls is still there.
    virtual void later(std::chrono::milliseconds delay, std::function<void()> call) = 0;
};
