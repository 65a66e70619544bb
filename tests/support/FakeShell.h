// The shell of window-free tests: scripted boxes and yields, recorded beeps and tabs, a set clock.
#pragma once

#include "support/FakeRunner.h"
#include "support/MessageScript.h"

#include <chrono>
#include <deque>
#include <functional>

class FakeShell : public Shell {
public:
    MessageScript messages;
    int beeps = 0;
    int yields = 0;
    std::vector<Page> tabsShown;
    FakeRunner jobs;
    std::chrono::system_clock::time_point clock{std::chrono::seconds(1'800'000'000)};

    // Runs `action` inside the next yield that has no earlier action waiting.
    void atYield(std::function<void()> action) { yieldActions_.push_back(std::move(action)); }
    // Runs `action` inside every yield, after any scripted one.
    std::function<void()> everyYield;

    MsgAnswer msgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                     const std::string& caption) override {
        return messages.show(text, buttons, icon, caption);
    }
    void yield() override {
        ++yields;
        if (!yieldActions_.empty()) {
            auto action = std::move(yieldActions_.front());
            yieldActions_.pop_front();
            action();
        }
        if (everyYield)
            everyYield();
    }
    void beep() override { ++beeps; }
    void showTab(Page page) override { tabsShown.push_back(page); }
    Runner& runner() override { return jobs; }
    std::chrono::system_clock::time_point now() override { return clock; }

private:
    std::deque<std::function<void()>> yieldActions_;
};
