// The lines the explain and rate commands print.
#include "ExplainCommands.h"

#include "engine/PuzzleText.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace {

const std::string Easy =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string EasySolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
const std::string Stuck =
    ".....1.......62..879.......6...5..2..1.......932....6.2....9.83....8.17..7.5.3..6";

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string explain(const std::vector<std::string>& puzzles) {
    std::vector<engine::Board> boards;
    for (const std::string& puzzle : puzzles)
        boards.push_back(*engine::parseLine(puzzle));
    std::ostringstream out;
    explainPuzzles(boards, out);
    return out.str();
}

// Writing every "rRcC=D" of the step lines into the puzzle gives its solution:
// the lines carry the whole logical solution, in order.
TEST(ExplainCommand, StepLinesPlaceTheWholeSolutionAndAnEndLineCloses) {
    const std::vector<std::string> lines = linesOf(explain({Easy}));
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
// next puzzle starts on its own line, empty cells written as '.'.
TEST(ExplainCommand, AStuckPuzzleEndsBeyondAndTheNextPuzzleFollows) {
    const std::string zeros = std::regex_replace(Easy, std::regex("\\."), "0");
    const std::vector<std::string> lines = linesOf(explain({Stuck, zeros}));
    const auto next = std::find(lines.begin(), lines.end(), Easy);
    ASSERT_NE(next, lines.end());
    EXPECT_EQ(lines.front(), Stuck);
    EXPECT_TRUE(std::regex_match(*(next - 1), std::regex("end stuck beyond [0-9]+")))
        << *(next - 1);
    EXPECT_GT(next - lines.begin(), 2);
}

// rate gives one line per puzzle with the same level and score as explain's
// end line.
TEST(RateCommand, PrintsThePuzzleItsLevelAndTheScoreExplainEndsWith) {
    std::ostringstream out;
    ratePuzzles({*engine::parseLine(Easy), *engine::parseLine(Stuck)}, out);
    const std::vector<std::string> lines = linesOf(out.str());
    ASSERT_EQ(lines.size(), 2u);
    const std::string easyEnd = linesOf(explain({Easy})).back();
    const std::string stuckEnd = linesOf(explain({Stuck})).back();
    EXPECT_EQ(lines[0], Easy + easyEnd.substr(std::string("end solved").size()));
    EXPECT_EQ(lines[1], Stuck + stuckEnd.substr(std::string("end stuck").size()));
}

} // namespace
