#include "support/FakeShell.h"

void FakeShell::yield() {
    ++yields;
    if (!yieldActions_.empty()) {
        auto action = std::move(yieldActions_.front());
        yieldActions_.pop_front();
        action();
    }
    if (everyYield)
        everyYield();
}

std::chrono::system_clock::time_point FakeShell::now() {
    const auto reading = clock;
    clock += clockStep;
    return reading;
}
