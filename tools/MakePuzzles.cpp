// Puzzles at a level from a seed given or drawn.
#include "MakePuzzles.h"

#include "ToolStatus.h"

#include <charconv>
#include <random>
#include <string>

namespace tool {

namespace {

std::optional<std::uint64_t> wholeNumber(std::string_view text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

std::uint64_t freshSeed(std::string_view context) {
    std::random_device device;
    const std::uint64_t seed = std::uint64_t{device()} << 32 | device();
    complain(std::string(context) + "seed " + std::to_string(seed));
    return seed;
}

} // namespace

bool setLevel(std::string_view value, PuzzleOrder& order) {
    order.level = engine::levelNamed(value);
    return order.level && *order.level != engine::Level::Beyond;
}

bool setCount(std::string_view value, PuzzleOrder& order) {
    order.count = wholeNumber(value).value_or(0);
    return order.count > 0;
}

bool setSeed(std::string_view value, PuzzleOrder& order) {
    order.seed = wholeNumber(value);
    return order.seed.has_value();
}

bool makePuzzles(const PuzzleOrder& order, std::string_view context,
                 const std::function<void(const engine::Board&)>& take) {
    engine::Random random(order.seed ? *order.seed : freshSeed(context));
    const std::atomic<bool> never = false;
    for (std::uint64_t i = 0; i < order.count; ++i) {
        const auto puzzle = engine::puzzleAtLevel(random, *order.level, order.symmetry, never);
        if (!puzzle) {
            complain(std::string(context) + "no " + std::string(engine::levelName(*order.level)) +
                     " puzzle in " + std::to_string(engine::GiveUpAfter.count()) + " seconds");
            return false;
        }
        take(*puzzle);
    }
    return true;
}

} // namespace tool
