// tabrel-puzzle generate, run as a user runs it and checked through the
// tool's own count and rate.
#include "ToolRun.h"

#include <regex>

namespace {

ToolRun puzzle(const std::string& arguments, const std::string& input = "") {
    return runTool(TABREL_PUZZLE, arguments, input);
}

bool isRotate180Symmetric(const std::string& line) {
    for (std::size_t cell = 0; cell < line.size(); ++cell)
        if ((line[cell] == '.') != (line[line.size() - 1 - cell] == '.'))
            return false;
    return true;
}

struct Generation {
    const char* name;
    std::string arguments;
    std::string level;
    std::size_t puzzles;
    bool symmetric;
};

// Every line is a puzzle that count finds one solution for and rate puts at
// the level asked for, with the symmetry asked for.
TEST(GenerateTool, EachPuzzleHasOneSolutionTheLevelAskedAndItsSymmetry) {
    const Generation generations[] = {
        {"EasyByDefaultOne", "--level easy --seed 1", "easy", 1, true},
        {"MediumRotate180", "--level medium --count 3 --seed 2 --symmetry rotate180", "medium", 3,
         true},
        {"HardNone", "--symmetry none --seed 3 --level hard", "hard", 1, false},
    };
    for (const Generation& generation : generations) {
        SCOPED_TRACE(generation.name);
        const ToolRun run = puzzle("generate " + generation.arguments);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        const std::vector<std::string> lines = linesOf(run.out);
        ASSERT_EQ(lines.size(), generation.puzzles);
        for (const std::string& line : lines) {
            SCOPED_TRACE(line);
            EXPECT_TRUE(std::regex_match(line, std::regex("[1-9.]{81}")));
            EXPECT_TRUE(!generation.symmetric || isRotate180Symmetric(line));
            EXPECT_TRUE(
                std::regex_match(puzzle("count", line).out, std::regex(line + " 1 [1-9]{81}\n")));
            EXPECT_TRUE(std::regex_match(puzzle("rate", line).out,
                                         std::regex(line + " " + generation.level + " [0-9]+\n")));
        }
    }
}

// Without --seed the run names its seed, and that seed makes the run again.
TEST(GenerateTool, TheSeedToldOnStandardErrorGivesTheSameRunAgain) {
    const ToolRun fresh = puzzle("generate --level medium --count 2");
    EXPECT_EQ(fresh.status, 0);
    std::smatch seed;
    ASSERT_TRUE(
        std::regex_match(fresh.err, seed, std::regex("tabrel-puzzle: generate: seed ([0-9]+)\n")));
    const ToolRun again = puzzle("generate --count 2 --level medium --seed " + seed[1].str());
    EXPECT_EQ(again.out, fresh.out);
    EXPECT_EQ(again.err, "");
    EXPECT_NE(puzzle("generate --level medium --count 2 --seed 1").out, fresh.out);
}

struct Misuse {
    const char* name;
    std::string arguments;
    std::string message;
};

TEST(GenerateTool, TellsEachMisuseByNameAndExitsWithStatusTwo) {
    const Misuse misuses[] = {
        {"NoLevel", "--count 2",
         "generate: --level is needed: easy, medium, hard, expert or extreme"},
        {"LevelBeyond", "--level beyond",
         "generate: --level is easy, medium, hard, expert or extreme, not 'beyond'"},
        {"MissingValue", "--level", "generate: --level needs a value: easy, medium"},
        {"CountZero", "--level easy --count 0", "generate: --count is a whole number from 1"},
        {"UnknownOption", "--level easy --fast", "generate: unknown option '--fast'"},
    };
    for (const Misuse& misuse : misuses) {
        SCOPED_TRACE(misuse.name);
        const ToolRun run = puzzle("generate " + misuse.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(misuse.message), std::string::npos) << run.err;
    }
}

} // namespace
