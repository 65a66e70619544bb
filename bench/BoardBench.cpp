// Costs on the board's hot paths: reading cell texts as numbers, starting a
// fresh form (the batch solver starts one per puzzle), colouring.
#include "HeadlessShell.h"
#include "form/Frm_TaBrel.h"
#include "board/NumericValue.h"

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

void FreshFormStartUp(benchmark::State& state) {
    HeadlessShell shell;
    for (auto _ : state) {
        Frm_TaBrel form(shell);
        form.Form_Load();
        benchmark::DoNotOptimize(form.HistIdx);
    }
}
BENCHMARK(FreshFormStartUp);

void ColorMeOnTheBuiltInPuzzle(benchmark::State& state) {
    HeadlessShell shell;
    Frm_TaBrel form(shell);
    form.Form_Load();
    for (auto _ : state)
        form.ColorMe();
}
BENCHMARK(ColorMeOnTheBuiltInPuzzle);

} // namespace
