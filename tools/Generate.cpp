// tabrel-puzzle generate: puzzles at a level, each with one solution and
// minimal, the same ones for the same seed.
#include "MakePuzzles.h"
#include "Options.h"
#include "PuzzleCommands.h"
#include "engine/PuzzleText.h"

#include <cstdio>

namespace tool {

namespace {

bool setSymmetry(std::string_view value, PuzzleOrder& order) {
    const auto symmetry = engine::symmetryNamed(value);
    order.symmetry = symmetry.value_or(order.symmetry);
    return symmetry.has_value();
}

constexpr std::array Options = {
    Option<PuzzleOrder>{"--level", LevelValues, setLevel},
    Option<PuzzleOrder>{"--count", CountValues, setCount},
    Option<PuzzleOrder>{"--seed", SeedValues, setSeed},
    Option<PuzzleOrder>{"--symmetry", "rotate180 or none", setSymmetry},
};

void writeLine(const engine::Board& puzzle) {
    const std::string line = engine::formatLine(puzzle) + '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
}

} // namespace

int generateCommand(Arguments arguments) {
    PuzzleOrder order;
    std::vector<std::string_view> operands;
    if (const auto status = readOptions(arguments, Options, order, operands, "generate: "))
        return *status;
    if (!operands.empty())
        return usageError("generate: takes no FILE, not '" + std::string(operands.front()) + "'");
    if (!order.level)
        return usageError("generate: --level is needed: " + std::string(LevelValues));
    return makePuzzles(order, "generate: ", writeLine) ? Success : BadInput;
}

} // namespace tool
