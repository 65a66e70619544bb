// tabrel-puzzle explain and rate, run as a user runs them.
#include "ToolRun.h"

#include <algorithm>
#include <regex>

namespace {

const std::string Easy =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string EasySolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
// Two solutions: the stepper stops after the singles.
const std::string Stuck =
    "53..7....6..195....98....6.8.......34..8.3..17...2...6.6....28....419..5....8..79";

ToolRun puzzle(const std::string& arguments, const std::string& input) {
    return runTool(TABREL_PUZZLE, arguments, input);
}

// Writing every "rRcC=D" of the step lines into the puzzle gives its solution:
// the lines carry the whole logical solution, in order.
TEST(ExplainTool, StepLinesPlaceTheWholeSolutionAndAnEndLineCloses) {
    const ToolRun run = puzzle("explain", Easy + "\n");
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines.front(), Easy);
    const std::regex stepLine("step [a-z]+(-[a-z]+)*( r[1-9]c[1-9][=-][1-9])+");
    const std::regex placement("r([1-9])c([1-9])=([1-9])");
    std::string board = Easy;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        EXPECT_TRUE(std::regex_match(lines[i], stepLine)) << lines[i];
        for (std::sregex_iterator it(lines[i].begin(), lines[i].end(), placement), end; it != end;
             ++it)
            board[((*it)[1].str()[0] - '1') * 9 + (*it)[2].str()[0] - '1'] = (*it)[3].str()[0];
    }
    EXPECT_EQ(board, EasySolution);
    EXPECT_TRUE(std::regex_match(lines.back(), std::regex("end solved easy [0-9]+")))
        << lines.back();
}

// A stuck puzzle still lists the steps it made, then says stuck and beyond; the
// next puzzle starts on its own line, its empty cells written as '.'; a line
// that is no puzzle is named and leaves the others done.
TEST(ExplainTool, AStuckPuzzleEndsBeyondAndTheNextPuzzleFollows) {
    std::string zeros = Easy;
    std::replace(zeros.begin(), zeros.end(), '.', '0');
    const ToolRun run = puzzle("explain", Stuck + "\n123\n" + zeros + "\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "tabrel-puzzle: line 2: a puzzle has 81 characters, this line 3\n");
    const std::vector<std::string> lines = linesOf(run.out);
    const auto next = std::find(lines.begin(), lines.end(), Easy);
    ASSERT_NE(next, lines.end());
    EXPECT_EQ(lines.front(), Stuck);
    EXPECT_GT(next - lines.begin(), 2);
    EXPECT_TRUE(std::regex_match(*(next - 1), std::regex("end stuck beyond [0-9]+")))
        << *(next - 1);
    EXPECT_TRUE(std::regex_match(lines.back(), std::regex("end solved easy [0-9]+")));
}

// rate gives one line per puzzle with the level and score that explain's end
// line gives.
TEST(RateTool, PrintsThePuzzleItsLevelAndTheScoreExplainEndsWith) {
    const ToolRun rated = puzzle("rate", Easy + "\n" + Stuck + "\n");
    EXPECT_EQ(rated.status, 0);
    const std::vector<std::string> lines = linesOf(rated.out);
    ASSERT_EQ(lines.size(), 2u);
    const std::string easyEnd = linesOf(puzzle("explain", Easy).out).back();
    const std::string stuckEnd = linesOf(puzzle("explain", Stuck).out).back();
    EXPECT_EQ(lines[0], Easy + easyEnd.substr(std::string("end solved").size()));
    EXPECT_EQ(lines[1], Stuck + stuckEnd.substr(std::string("end stuck").size()));
}

// A board with a repeated given has no solution: stuck and beyond, not a crash.
TEST(RateTool, ARepeatedGivenIsBeyond) {
    const std::string repeated = "55" + EasySolution.substr(2);
    const ToolRun run = puzzle("rate", repeated + "\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(std::regex_match(run.out, std::regex(repeated + " beyond [0-9]+\n"))) << run.out;
}

TEST(ExplainTool, HelpNamesExplainAndRate) {
    const ToolRun run = puzzle("--help", "");
    EXPECT_NE(run.out.find("tabrel-puzzle explain [FILE]"), std::string::npos);
    EXPECT_NE(run.out.find("tabrel-puzzle rate [FILE]"), std::string::npos);
}

} // namespace
