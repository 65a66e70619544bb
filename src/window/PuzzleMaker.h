// New puzzles made on a thread of their own, one at a time, so that the window
// never waits for one.
#pragma once

#include "engine/Grid.h"
#include "engine/Step.h"

#include <QObject>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <thread>

class PuzzleMaker : public QObject {
public:
    // A puzzle of `level` from `seed`; none once `stop` is set or when it gives
    // up. Runs on the maker's thread: it must touch nothing of the window or the form.
    using Make = std::function<std::optional<engine::Board>(engine::Level level, std::uint64_t seed,
                                                            const std::atomic<bool>& stop)>;

    // A unique puzzle of exactly `level` (engine::rate), rotationally symmetric;
    // none after engine::GiveUpAfter without one.
    static std::optional<engine::Board> makeAtLevel(engine::Level level, std::uint64_t seed,
                                                    const std::atomic<bool>& stop);

    explicit PuzzleMaker(Make make = makeAtLevel, QObject* parent = nullptr);
    // Stops a puzzle under way and waits for its thread; no puzzle is reported after.
    ~PuzzleMaker() override;
    PuzzleMaker(const PuzzleMaker&) = delete;
    PuzzleMaker& operator=(const PuzzleMaker&) = delete;

    // Starts making a puzzle; false, and nothing starts, while one is being made.
    bool start(engine::Level level, std::uint64_t seed);
    bool busy() const { return worker_.joinable(); }

    // Called on the window's thread with what came of a start: the puzzle, or
    // none when the maker gave up.
    std::function<void(engine::Level level, const std::optional<engine::Board>& puzzle)> onMade;

private:
    void finish(engine::Level level, const std::optional<engine::Board>& puzzle);

    Make make_;
    std::atomic<bool> stop_{false};
    std::thread worker_;
};
