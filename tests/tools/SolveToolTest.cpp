// The built batch solver, run as a user runs it.
#include "ToolRun.h"

#include <regex>

namespace {

ToolRun solve(const std::string& arguments, const std::string& input) {
    return runTool(TABREL_SOLVE, arguments, input);
}

const std::string BuiltIn =
    "5...72......5....8.2.6..9......8..46...2.9...17..5......6..3.2.4....8......42...3";

// One line per puzzle: BOARD OUTCOME PASSES HISTIDX. Blank and '#' lines are
// skipped; a line of another length is reported by its number and the run goes on.
TEST(SolveTool, PrintsOneResultLinePerPuzzleAndReportsALineOfAnotherLength) {
    const ToolRun run = solve("", "# puzzles\n\n" + BuiltIn + "\n123\n55" + std::string(79, '.') +
                                      "\r\n" + std::string(81, '.') + "\n");
    EXPECT_EQ(run.status, 0);
    // The built-in puzzle, its givens kept and every other cell filled.
    const std::string solved = std::regex_replace(BuiltIn, std::regex("\\."), "[1-9]");
    EXPECT_TRUE(std::regex_match(run.out, std::regex(solved + " solved 4 13\n55" +
                                                     std::string(79, '0') + " duplicates 0 0\n" +
                                                     std::string(81, '0') + " stopped 1 4\n")))
        << run.out;
    EXPECT_TRUE(std::regex_match(
        run.err, std::regex("tabrel-solve: line 4: a puzzle has 81 characters, this line 3; "
                            "skipped\n3 puzzles, 1 solved, [0-9]+\\.[0-9]{3} s\n")))
        << run.err;
}

// Other buttons print "-" and no passes; --grid1 adds the candidate texts.
TEST(SolveTool, PressesTheChosenButtonAndTellsAMisuseByItsStatus) {
    const ToolRun clue = solve("--press clue --grid1", BuiltIn + "\n");
    EXPECT_TRUE(std::regex_match(clue.out, std::regex("[0-9]{81} - 0 1 ([1-9]+,){80}[1-9]+\n")))
        << clue.out;
    EXPECT_EQ(solve("--press nothing", "").status, 2);
    EXPECT_EQ(solve("/no/such/file", "").status, 1);
}

} // namespace
