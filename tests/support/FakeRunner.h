// The runner of window-free tests: jobs run at once, on the test's thread, or,
// while held, wait until the test finishes them, with the lanes, replacing and
// cancelling of the real runner.
#pragma once

#include "controls/Runner.h"

#include <array>
#include <optional>
#include <utility>

class FakeRunner : public Runner {
public:
    // While set, jobs wait for finishJobs or beLate.
    bool hold = false;

    void start(JobKind kind, Work work, std::function<void()> late = {}) override {
        Lane& jobs = lane(kind);
        if (jobs.running)
            jobs.waiting = Job{std::move(work), std::move(late)};
        else
            jobs.running = Job{std::move(work), std::move(late)};
        if (!hold)
            finishJobs();
    }
    void cancel(JobKind kind) override { lane(kind) = {}; }
    bool busy(JobKind kind) const override {
        return lanes_[static_cast<std::size_t>(kind)].running.has_value();
    }

    // Runs every job that runs or waits, as the real runner would deliver them.
    void finishJobs() {
        for (Lane& jobs : lanes_)
            while (jobs.running) {
                const Deliver deliver = jobs.running->work(notCancelled_);
                jobs.running = std::exchange(jobs.waiting, std::nullopt);
                if (!jobs.running && deliver)
                    deliver();
            }
    }
    // What the real runner does when an answer takes long.
    void beLate() {
        for (Lane& jobs : lanes_)
            for (auto* job : {&jobs.running, &jobs.waiting})
                if (*job && (*job)->late)
                    (*job)->late();
    }

private:
    struct Job {
        Work work;
        std::function<void()> late;
    };
    struct Lane {
        std::optional<Job> running;
        std::optional<Job> waiting;
    };

    Lane& lane(JobKind kind) { return lanes_[static_cast<std::size_t>(kind)]; }

    std::array<Lane, JobKinds> lanes_;
    const std::atomic<bool> notCancelled_{false};
};
