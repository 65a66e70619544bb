// Engine work off the window's thread: the interface the form starts its jobs
// through. The window implements it with a pool of threads and its event loop;
// tests implement it with a fake that runs the jobs when told.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

// Each kind has its own lane: at most one job of it runs, and one waits.
enum class JobKind : std::uint8_t { Hint, EntryCheck, NewPuzzle, Solution, PuzzlesToPrint };
inline constexpr int JobKinds = 5;

class Runner {
public:
    // Runs on the window's thread with what the job found.
    using Deliver = std::function<void()>;
    // Runs off the window's thread, so it may hold copies only, never the form;
    // it should end soon once `cancelled` is set.
    using Work = std::function<Deliver(const std::atomic<bool>& cancelled)>;

    virtual ~Runner() = default;
    // Starts `work`. While a job of the same kind runs it waits instead,
    // replacing a job of that kind already waiting, which never runs; the newest
    // request wins, so the running job's answer is dropped when a newer one
    // waits. An answer is delivered through the window's event loop, never
    // inside this call. `late`, when given, runs on the window's thread if no
    // answer came within LatePatience, so a quick answer shows with no
    // "working" line flashing first.
    virtual void start(JobKind kind, Work work, std::function<void()> late = {}) = 0;
    // The running and waiting jobs of `kind` deliver nothing, ever; the running
    // one is told to stop.
    virtual void cancel(JobKind kind) = 0;
    // A job of `kind` runs or waits.
    virtual bool busy(JobKind kind) const = 0;
};

inline constexpr int LatePatienceMs = 150;

// Starts a job whose answer is a value: `work` finds it off the window's thread,
// `take` gets it on the window's thread.
template <typename Answer>
void startJob(Runner& runner, JobKind kind,
              std::function<Answer(const std::atomic<bool>& cancelled)> work,
              std::function<void(const Answer&)> take, std::function<void()> late = {}) {
    runner.start(
        kind,
        [work = std::move(work), take = std::move(take)](const std::atomic<bool>& cancelled) {
            return Runner::Deliver([take, answer = work(cancelled)] { take(answer); });
        },
        std::move(late));
}
