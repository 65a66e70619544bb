// Times the logical stepper as tabrel-puzzle explain runs it, step by step:
// for a file of puzzles, the share solved by logic, the slowest step and the
// time a whole logical solution takes on average. Times are the thread's own
// processor time, so that other work on a shared machine does not count.
//   tabrel_logic_bench FILE
#include "engine/PuzzleText.h"
#include "engine/Solver.h"
#include "engine/Stepper.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace {

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

struct Totals {
    int puzzles = 0;
    int solved = 0;
    double seconds = 0;
    double slowest = 0;
    int slowestPuzzle = 0;
    engine::Technique slowestTechnique = engine::Technique::HiddenSingle;
};

// One puzzle solved as explain solves it, each step timed.
void solveTimed(const engine::Board& puzzle, Totals& totals) {
    const double begin = threadSeconds();
    engine::Candidates marks(puzzle);
    const engine::StepOptions options{engine::hasUniqueSolution(puzzle), engine::Level::Extreme};
    for (;;) {
        const double stepBegin = threadSeconds();
        const auto step = engine::nextStep(marks, options);
        const double taken = threadSeconds() - stepBegin;
        if (taken > totals.slowest && step) {
            totals.slowest = taken;
            totals.slowestPuzzle = totals.puzzles;
            totals.slowestTechnique = step->technique;
        }
        if (!step || !engine::apply(marks, *step))
            break;
    }
    totals.seconds += threadSeconds() - begin;
    totals.solved += marks.solved() ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tabrel_logic_bench FILE\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    Totals totals;
    for (std::string line; std::getline(in, line);) {
        const auto puzzle = engine::parseCollectionLine(line);
        if (!puzzle)
            continue;
        ++totals.puzzles;
        solveTimed(*puzzle, totals);
    }
    if (totals.puzzles == 0) {
        std::fprintf(stderr, "tabrel_logic_bench: no puzzles in %s\n", argv[1]);
        return 1;
    }
    std::printf("%d puzzles: %d solved by logic (%.1f %%); slowest step %.1f ms (puzzle %d, %s); "
                "%.2f ms per puzzle on average\n",
                totals.puzzles, totals.solved, 100.0 * totals.solved / totals.puzzles,
                1000 * totals.slowest, totals.slowestPuzzle,
                std::string(engine::techniqueName(totals.slowestTechnique)).c_str(),
                1000 * totals.seconds / totals.puzzles);
    return 0;
}
