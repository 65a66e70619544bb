// Puzzles made at a level from a seed, as tabrel-puzzle generate and
// tabrel-print make them: the same seed gives the same puzzles in both.
#pragma once

#include "engine/Generator.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace tool {

struct PuzzleOrder {
    std::optional<engine::Level> level;
    std::uint64_t count = 1;
    std::optional<std::uint64_t> seed;
    engine::Symmetry symmetry = engine::Symmetry::Rotate180;
};

// The values --level, --count and --seed take, for messages, and their setters
// (false for a value they refuse).
inline constexpr std::string_view LevelValues = "easy, medium, hard, expert or extreme";
inline constexpr std::string_view CountValues = "a whole number from 1";
inline constexpr std::string_view SeedValues = "a whole number from 0 to 18446744073709551615";
bool setLevel(std::string_view value, PuzzleOrder& order);
bool setCount(std::string_view value, PuzzleOrder& order);
bool setSeed(std::string_view value, PuzzleOrder& order);

// Makes order.count puzzles at order.level (which must be set), handing each to
// `take` as it comes. Without order.seed a fresh seed is drawn and said on
// standard error ("PROGRAM: CONTEXTseed S"). False, said the same way, when no
// puzzle at the level came in engine::GiveUpAfter.
bool makePuzzles(const PuzzleOrder& order, std::string_view context,
                 const std::function<void(const engine::Board&)>& take);

} // namespace tool
