// "Update" and "Auto Play" per puzzle, each on a fresh play side as the batch
// solver runs them, over the kept file of simple and easy puzzles.
#include "BatchSolve.h"
#include "HeadlessHost.h"
#include "analysis/Analysis.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::vector<std::string>& puzzles() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> read;
        std::ifstream in(TABREL_BENCH_PUZZLES);
        for (std::string line; std::getline(in, line);)
            if (line.size() == 81)
                read.push_back(line);
        return read;
    }();
    return lines;
}

// One iteration is one puzzle, taken from the file in turn.
void pressPerPuzzle(benchmark::State& state, Press press) {
    const auto& all = puzzles();
    if (all.empty()) {
        state.SkipWithError("no puzzles in " TABREL_BENCH_PUZZLES);
        return;
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(runPuzzle(all[next], press, false));
        next = (next + 1) % all.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void AutoPlayPerPuzzle(benchmark::State& state) {
    pressPerPuzzle(state, Press::AutoPlay);
}
BENCHMARK(AutoPlayPerPuzzle);

void UpdatePerPuzzle(benchmark::State& state) {
    pressPerPuzzle(state, Press::Update);
}
BENCHMARK(UpdatePerPuzzle);

// What the window's "Auto Play" does after start-up, minus the drawing.
void AutoPlayOnTheBuiltInPuzzle(benchmark::State& state) {
    HeadlessHost host;
    const bool neverStopped = false;
    for (auto _ : state) {
        PlaySide play;
        play.showBuiltInPuzzle();
        Analysis analysis(play);
        benchmark::DoNotOptimize(analysis.autoPlay(host, neverStopped).passes);
    }
}
BENCHMARK(AutoPlayOnTheBuiltInPuzzle);

} // namespace
