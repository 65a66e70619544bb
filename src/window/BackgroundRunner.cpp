// Lanes of jobs over a thread pool; all bookkeeping happens on the window's
// thread, so it needs no lock: a worker only runs its job and posts the answer.
#include "window/BackgroundRunner.h"

#include <QMetaObject>
#include <QTimer>

BackgroundRunner::BackgroundRunner(QObject* parent) : QObject(parent) {
    pool_.setMaxThreadCount(JobKinds);
}

// Answers already posted are dropped with this object.
BackgroundRunner::~BackgroundRunner() {
    for (int kind = 0; kind < JobKinds; ++kind)
        cancel(static_cast<JobKind>(kind));
    pool_.waitForDone();
}

void BackgroundRunner::start(JobKind kind, Work work, std::function<void()> late) {
    Job job{++lastId_, std::move(work)};
    if (late)
        QTimer::singleShot(LatePatienceMs, this, [this, kind, id = job.id, late = std::move(late)] {
            if (pending(kind, id))
                late();
        });
    if (lane(kind).running != 0)
        lane(kind).waiting = std::move(job);
    else
        launch(kind, std::move(job));
}

void BackgroundRunner::cancel(JobKind kind) {
    Lane& jobs = lane(kind);
    if (jobs.cancelled)
        *jobs.cancelled = true;
    jobs.running = 0;
    jobs.cancelled.reset();
    jobs.waiting.reset();
}

bool BackgroundRunner::busy(JobKind kind) const {
    const Lane& jobs = lanes_[static_cast<std::size_t>(kind)];
    return jobs.running != 0 || jobs.waiting;
}

void BackgroundRunner::launch(JobKind kind, Job job) {
    Lane& jobs = lane(kind);
    jobs.running = job.id;
    jobs.cancelled = std::make_shared<std::atomic<bool>>(false);
    pool_.start([this, kind, id = job.id, work = std::move(job.work), cancelled = jobs.cancelled] {
        Deliver deliver = work(*cancelled);
        QMetaObject::invokeMethod(
            this, [this, kind, id, deliver] { finished(kind, id, deliver); }, Qt::QueuedConnection);
    });
}

// A cancelled job's answer, and one a newer request has made stale, are dropped.
void BackgroundRunner::finished(JobKind kind, std::uint64_t id, const Deliver& deliver) {
    Lane& jobs = lane(kind);
    if (jobs.running != id)
        return;
    jobs.running = 0;
    jobs.cancelled.reset();
    if (jobs.waiting) {
        Job next = std::move(*jobs.waiting);
        jobs.waiting.reset();
        launch(kind, std::move(next));
        return;
    }
    if (deliver)
        deliver();
}

bool BackgroundRunner::pending(JobKind kind, std::uint64_t id) const {
    const Lane& jobs = lanes_[static_cast<std::size_t>(kind)];
    return jobs.running == id || (jobs.waiting && jobs.waiting->id == id);
}
