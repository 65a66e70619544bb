// The mark of a running "Update", "Clue" or "Auto Play", held for the run's length.
#pragma once

// While one exists, `running` is true; the handlers read it to ignore a click
// that reaches them through the run's own yields.
class SolvingRun {
public:
    explicit SolvingRun(bool& running) : running_(running) { running_ = true; }
    ~SolvingRun() { running_ = false; }
    SolvingRun(const SolvingRun&) = delete;
    SolvingRun& operator=(const SolvingRun&) = delete;

private:
    bool& running_;
};
