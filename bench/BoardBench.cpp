// Costs on the board's hot paths: reading cell texts as numbers, starting a
// fresh play side (the batch solver starts one per puzzle), colouring.
#include "board/PlaySide.h"
#include "controls/NumericValue.h"

#include <benchmark/benchmark.h>

namespace {

void NumericValueOfCellTexts(benchmark::State& state) {
    const std::string texts[] = {"", "5", "123456789", "47", " 7", "1e3", "x"};
    for (auto _ : state)
        for (const std::string& text : texts)
            benchmark::DoNotOptimize(numericValue(text));
    state.SetItemsProcessed(state.iterations() * std::size(texts));
}
BENCHMARK(NumericValueOfCellTexts);

void FreshPlaySideStartUp(benchmark::State& state) {
    for (auto _ : state) {
        PlaySide play;
        play.showBuiltInPuzzle();
        benchmark::DoNotOptimize(play.HistIdx);
    }
}
BENCHMARK(FreshPlaySideStartUp);

void ColorMeOnTheBuiltInPuzzle(benchmark::State& state) {
    PlaySide play;
    play.showBuiltInPuzzle();
    for (auto _ : state)
        play.ColorMe();
}
BENCHMARK(ColorMeOnTheBuiltInPuzzle);

} // namespace
