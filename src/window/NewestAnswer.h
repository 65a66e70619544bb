// Engine work off the window's thread, where the newest request wins: one job
// runs at a time, a job asked for meanwhile waits, replacing any job waiting
// before it, and the running job's answer is then dropped, never delivered.
#pragma once

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <chrono>
#include <functional>
#include <optional>
#include <thread>

template <typename Answer>
class NewestAnswer {
public:
    // Runs on a worker thread, so it may hold copies only, never the form.
    using Work = std::function<Answer()>;
    // Runs on the window's thread.
    using Deliver = std::function<void(const Answer&)>;

    NewestAnswer() {
        QObject::connect(&watcher_, &QFutureWatcher<Answer>::finished, [this] { finished(); });
    }
    NewestAnswer(const NewestAnswer&) = delete;
    NewestAnswer& operator=(const NewestAnswer&) = delete;

    // Starts `work`, or queues it behind the job running. An answer that comes
    // within `patience` is delivered before the call returns, which then returns
    // true: a quick answer shows at once, with no "working" line flashing first.
    bool ask(Work work, Deliver deliver, std::chrono::milliseconds patience) {
        if (busy_) {
            waiting_ = Job{std::move(work), std::move(deliver)};
            return false;
        }
        start(Job{std::move(work), std::move(deliver)});
        if (!finishesWithin(patience))
            return false;
        busy_ = false; // the watcher's own report of this job is ignored, or dropped with it
        deliver_(watcher_.result());
        return true;
    }

private:
    struct Job {
        Work work;
        Deliver deliver;
    };

    void start(Job job) {
        busy_ = true;
        deliver_ = std::move(job.deliver);
        watcher_.setFuture(QtConcurrent::run(std::move(job.work)));
    }

    // Most answers take well under a millisecond; a short poll keeps the wait
    // that short without a second way of telling the job's end.
    bool finishesWithin(std::chrono::milliseconds patience) {
        const auto deadline = std::chrono::steady_clock::now() + patience;
        while (!watcher_.future().isFinished()) {
            if (std::chrono::steady_clock::now() >= deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
        return true;
    }

    void finished() {
        if (!busy_)
            return;
        busy_ = false;
        if (waiting_) {
            Job next = std::move(*waiting_);
            waiting_.reset();
            start(std::move(next));
            return;
        }
        deliver_(watcher_.result());
    }

    QFutureWatcher<Answer> watcher_;
    Deliver deliver_; // the running job's
    std::optional<Job> waiting_;
    bool busy_ = false;
};
