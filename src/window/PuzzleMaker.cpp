// A worker thread per puzzle, its result handed back through the window's event loop.
#include "window/PuzzleMaker.h"

#include "engine/Generator.h"

#include <QMetaObject>

std::optional<engine::Board> PuzzleMaker::makeAtLevel(engine::Level level, std::uint64_t seed,
                                                      const std::atomic<bool>& stop) {
    engine::Random random(seed);
    return engine::puzzleAtLevel(random, level, engine::Symmetry::Rotate180, stop);
}

PuzzleMaker::PuzzleMaker(Make make, QObject* parent) : QObject(parent), make_(std::move(make)) {}

// A result already queued is dropped with this object, so it never arrives.
PuzzleMaker::~PuzzleMaker() {
    stop_ = true;
    if (worker_.joinable())
        worker_.join();
}

bool PuzzleMaker::start(engine::Level level, std::uint64_t seed) {
    if (busy())
        return false;
    worker_ = std::thread([this, level, seed] {
        std::optional<engine::Board> puzzle = make_(level, seed, stop_);
        QMetaObject::invokeMethod(
            this, [this, level, puzzle] { finish(level, puzzle); }, Qt::QueuedConnection);
    });
    return true;
}

void PuzzleMaker::finish(engine::Level level, const std::optional<engine::Board>& puzzle) {
    worker_.join();
    if (onMade)
        onMade(level, puzzle);
}
