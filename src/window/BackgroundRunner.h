// The runner of engine work on Qt: jobs on a pool of threads of its own, one
// lane a kind, the answers handed back through the window's event loop.
#pragma once

#include "controls/Runner.h"

#include <QObject>
#include <QThreadPool>
#include <array>
#include <memory>

class BackgroundRunner : public QObject, public Runner {
public:
    explicit BackgroundRunner(QObject* parent = nullptr);
    // Cancels every job and waits for the running ones to stop; no answer is
    // delivered after.
    ~BackgroundRunner() override;
    BackgroundRunner(const BackgroundRunner&) = delete;
    BackgroundRunner& operator=(const BackgroundRunner&) = delete;

    void start(JobKind kind, Work work, std::function<void()> late = {}) override;
    void cancel(JobKind kind) override;
    bool busy(JobKind kind) const override;

private:
    struct Job {
        std::uint64_t id = 0;
        Work work;
    };
    struct Lane {
        std::uint64_t running = 0; // the running job's id; 0 for none
        std::shared_ptr<std::atomic<bool>> cancelled;
        std::optional<Job> waiting;
    };

    Lane& lane(JobKind kind) { return lanes_[static_cast<std::size_t>(kind)]; }
    void launch(JobKind kind, Job job);
    void finished(JobKind kind, std::uint64_t id, const Deliver& deliver);
    bool pending(JobKind kind, std::uint64_t id) const;

    std::array<Lane, JobKinds> lanes_;
    QThreadPool pool_;
    std::uint64_t lastId_ = 0;
};
