// The built batch solver, run as a user runs it.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string contentsOf(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

// One line per puzzle: BOARD OUTCOME PASSES HISTIDX. Blank and '#' lines are
// skipped; a line of another length is reported by its number and the run goes on.
TEST(SolveTool, PrintsOneResultLinePerPuzzleAndReportsALineOfAnotherLength) {
    const std::string builtIn =
        "5...72......5....8.2.6..9......8..46...2.9...17..5......6..3.2.4....8......42...3";
    const std::string base = ::testing::TempDir() + "tabrel-solve-" + std::to_string(::getpid());
    std::ofstream(base + ".in") << "# puzzles\n\n" + builtIn + "\n123\n55" + std::string(79, '.')
                                << "\r\n" + std::string(81, '.') + "\n";
    const int status = std::system(
        (TABREL_SOLVE " <" + base + ".in >" + base + ".out 2>" + base + ".err").c_str());
    const std::string out = contentsOf(base + ".out"), err = contentsOf(base + ".err");
    for (const char* file : {".in", ".out", ".err"})
        std::remove((base + file).c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    // The built-in puzzle, its givens kept and every other cell filled.
    const std::string solved = std::regex_replace(builtIn, std::regex("\\."), "[1-9]");
    EXPECT_TRUE(std::regex_match(out, std::regex(solved + " solved 4 13\n55" +
                                                 std::string(79, '0') + " duplicates 0 0\n" +
                                                 std::string(81, '0') + " stopped 1 4\n")))
        << out;
    EXPECT_TRUE(std::regex_match(
        err, std::regex("tabrel-solve: line 4: a puzzle has 81 characters, this line 3; "
                        "skipped\n3 puzzles, 1 solved, [0-9]+\\.[0-9]{3} s\n")))
        << err;
}

} // namespace
