// tabrel-puzzle generate: puzzles at a level, each with one solution and
// minimal, the same ones for the same seed.
#include "PuzzleCommands.h"
#include "engine/Generator.h"
#include "engine/PuzzleText.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <random>

namespace tool {

namespace {

struct GenerateOptions {
    std::optional<engine::Level> level;
    std::uint64_t count = 1;
    std::optional<std::uint64_t> seed;
    engine::Symmetry symmetry = engine::Symmetry::Rotate180;
};

std::optional<std::uint64_t> wholeNumber(std::string_view text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

bool setLevel(std::string_view value, GenerateOptions& options) {
    options.level = engine::levelNamed(value);
    return options.level && *options.level != engine::Level::Beyond;
}

bool setCount(std::string_view value, GenerateOptions& options) {
    const auto count = wholeNumber(value);
    options.count = count.value_or(0);
    return options.count > 0;
}

bool setSeed(std::string_view value, GenerateOptions& options) {
    options.seed = wholeNumber(value);
    return options.seed.has_value();
}

bool setSymmetry(std::string_view value, GenerateOptions& options) {
    const auto symmetry = engine::symmetryNamed(value);
    options.symmetry = symmetry.value_or(options.symmetry);
    return symmetry.has_value();
}

struct Option {
    std::string_view name;
    // What the value may be, for messages.
    std::string_view values;
    bool (*set)(std::string_view value, GenerateOptions& options);
};

constexpr std::array Options = {
    Option{"--level", "easy, medium, hard, expert or extreme", setLevel},
    Option{"--count", "a whole number from 1", setCount},
    Option{"--seed", "a whole number from 0 to 18446744073709551615", setSeed},
    Option{"--symmetry", "rotate180 or none", setSymmetry},
};

const Option* optionNamed(std::string_view name) {
    for (const Option& option : Options)
        if (option.name == name)
            return &option;
    return nullptr;
}

// Fills `options`; an exit status when the arguments are wrong.
std::optional<int> parse(Arguments arguments, GenerateOptions& options) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const Option* option = optionNamed(arguments[i]);
        const std::string name(arguments[i]);
        if (option == nullptr)
            return usageError("generate: unknown option '" + name + "'");
        if (i + 1 == arguments.size())
            return usageError("generate: " + name +
                              " needs a value: " + std::string(option->values));
        const std::string_view value = arguments[++i];
        if (!option->set(value, options))
            return usageError("generate: " + name + " is " + std::string(option->values) +
                              ", not '" + std::string(value) + "'");
    }
    if (!options.level)
        return usageError("generate: --level is needed: easy, medium, hard, expert or extreme");
    return std::nullopt;
}

int noPuzzle(engine::Level level) {
    std::fprintf(stderr, "tabrel-puzzle: generate: no %s puzzle in %lld seconds\n",
                 std::string(engine::levelName(level)).c_str(),
                 static_cast<long long>(engine::GiveUpAfter.count()));
    return BadInput;
}

std::uint64_t freshSeed() {
    std::random_device device;
    const std::uint64_t seed = std::uint64_t{device()} << 32 | device();
    std::fprintf(stderr, "tabrel-puzzle: generate: seed %llu\n",
                 static_cast<unsigned long long>(seed));
    return seed;
}

} // namespace

int generateCommand(Arguments arguments) {
    GenerateOptions options;
    if (const auto status = parse(arguments, options))
        return *status;
    engine::Random random(options.seed ? *options.seed : freshSeed());
    const std::atomic<bool> never = false;
    for (std::uint64_t i = 0; i < options.count; ++i) {
        const auto puzzle = engine::puzzleAtLevel(random, *options.level, options.symmetry, never);
        if (!puzzle)
            return noPuzzle(*options.level);
        const std::string line = engine::formatLine(*puzzle) + '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return Success;
}

} // namespace tool
