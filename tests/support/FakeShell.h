// The shell of window-free tests: scripted boxes, jobs run when told, yields, beeps, a clock.
#pragma once

#include "controls/Shell.h"

#include <array>
#include <chrono>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

template <typename T>
T popFront(std::deque<T>& queue) {
    T first = std::move(queue.front());
    queue.pop_front();
    return first;
}

// Records every message box and answers it from a script. Fails the test on a
// box nobody scripted and, when destroyed, on an answer nobody used.
class MessageScript {
public:
    ~MessageScript() { EXPECT_TRUE(answers_.empty()) << answers_.size() << " answer(s) unused"; }

    // The next box is expected and answered with `answer`.
    void answerNext(MsgAnswer answer) { answers_.push_back(answer); }
    MsgAnswer show(const std::string& text, MsgButtons buttons, MsgIcon icon) {
        texts_.push_back(text);
        icons_.push_back(icon);
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected message box: \"" << text << "\"";
            return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
        }
        return popFront(answers_);
    }

    // The texts and the icons of the boxes shown so far.
    const std::vector<std::string>& texts() const { return texts_; }
    const std::vector<MsgIcon>& icons() const { return icons_; }

private:
    std::deque<MsgAnswer> answers_;
    std::vector<std::string> texts_;
    std::vector<MsgIcon> icons_;
};

// Jobs run at once, on the test's thread, or, while held, when the test finishes
// them. A job replaces the one of its kind not yet finished: the real runner
// delivers only the newest answer of a kind.
class FakeRunner : public Runner {
public:
    bool hold = false; // while set, jobs wait for finishJobs or beLate

    void start(JobKind kind, Work work, std::function<void()> late = {}) override {
        lanes_[index(kind)] = Job{std::move(work), std::move(late)};
        if (!hold)
            finishJobs();
    }
    void cancel(JobKind kind) override { lanes_[index(kind)].reset(); }
    bool busy(JobKind kind) const override { return lanes_[index(kind)].has_value(); }

    // Runs every job and delivers its answer, as the real runner would.
    void finishJobs() {
        for (std::optional<Job>& lane : lanes_)
            while (lane) {
                const Job job = *std::exchange(lane, std::nullopt);
                if (const Deliver deliver = job.work(notCancelled_))
                    deliver();
            }
    }
    // What the real runner does when an answer takes long.
    void beLate() {
        for (const std::optional<Job>& lane : lanes_)
            if (lane && lane->late)
                lane->late();
    }

private:
    struct Job {
        Work work;
        std::function<void()> late;
    };
    static std::size_t index(JobKind kind) { return static_cast<std::size_t>(kind); }

    std::array<std::optional<Job>, JobKinds> lanes_;
    const std::atomic<bool> notCancelled_{false};
};

class FakeShell : public Shell {
public:
    MessageScript messages;
    int beeps = 0;
    FakeRunner jobs;
    std::chrono::system_clock::time_point clock{std::chrono::seconds(1'800'000'000)};

    // Runs `action` inside the next yield that has no earlier action waiting.
    void atYield(std::function<void()> action) { yieldActions_.push_back(std::move(action)); }
    // Runs `action` inside every yield, after any scripted one.
    std::function<void()> everyYield;

    MsgAnswer msgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                     const std::string&) override {
        return messages.show(text, buttons, icon);
    }
    void yield() override {
        if (!yieldActions_.empty())
            popFront(yieldActions_)();
        if (everyYield)
            everyYield();
    }
    void beep() override { ++beeps; }
    void showTab(Page) override {}
    Runner& runner() override { return jobs; }
    std::chrono::system_clock::time_point now() override { return clock; }
    void later(std::chrono::milliseconds, std::function<void()> call) override {
        timers_.push_back(std::move(call));
    }
    // Runs every call asked for later, as if their time had come.
    void fireTimers() {
        while (!timers_.empty())
            popFront(timers_)();
    }

private:
    std::deque<std::function<void()>> yieldActions_;
    std::deque<std::function<void()>> timers_;
};
