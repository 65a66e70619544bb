// The built tabrel-puzzle, run as a user runs it: its input handling, its
// output lines and its exit statuses.
#include "ToolRun.h"

#include <algorithm>
#include <regex>

namespace {

ToolRun puzzle(const std::string& arguments, const std::string& input = "") {
    return runTool(TABREL_PUZZLE, arguments, input);
}

const std::string Expert =
    ".......1.7..2589.3.9..3..588..7.............6......2.1..1..9....7.6..8..52..8...9";
const std::string ExpertSolved =
    "358974612716258943294136758832761594145892376967345281681529437479613825523487169";

// Comment, blank and CR-ended lines are read as lines; "0" and any other
// character are empty cells; a line of another length is named by its number,
// the other lines are still counted, and the status says something was wrong.
TEST(PuzzleTool, CountReadsEveryPuzzleLineAndNamesABadOne) {
    std::string zeros = Expert;
    std::replace(zeros.begin(), zeros.end(), '.', '0');
    const ToolRun run =
        puzzle("count", "# qqwing expert\n\n" + zeros + "\r\n55" + std::string(79, '.') +
                            "\n123\n" + std::string(81, 'x') + "\n   \n" + std::string(81, '-'));
    EXPECT_EQ(run.status, 1);
    const std::string anySolution = "[1-9]{81}";
    const std::string empty(81, '.');
    EXPECT_TRUE(std::regex_match(
        run.out,
        std::regex(Expert + " 1 " + ExpertSolved + "\n55" + std::string(79, '.') + " 0 -\n" +
                   empty + " 2 " + anySolution + "\n" + empty + " 2 " + anySolution + "\n")))
        << run.out;
    EXPECT_EQ(run.err, "tabrel-puzzle: line 5: a puzzle has 81 characters, this line 3\n");
}

TEST(PuzzleTool, CountReadsAFileAndSucceedsOnGoodInput) {
    const std::string path =
        ::testing::TempDir() + "tabrel-puzzle-count-" + std::to_string(::getpid()) + ".txt";
    std::ofstream(path) << Expert << '\n';
    const ToolRun run = puzzle("count " + path);
    std::remove(path.c_str());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, Expert + " 1 " + ExpertSolved + "\n");
    EXPECT_EQ(run.err, "");
}

struct Misuse {
    const char* name;
    std::string arguments;
    int status;
    std::string message;
};

TEST(PuzzleTool, TellsEachMisuseOnStandardErrorAndByItsStatus) {
    const Misuse misuses[] = {
        {"NoCommand", "", 2, "a command is needed"},
        {"UnknownCommand", "solve", 2, "unknown command 'solve'"},
        {"UnknownOption", "count --fast", 2, "count: unknown option '--fast'"},
        {"TwoFiles", "count a b", 2, "count takes one FILE at most"},
        {"MissingFile", "count /no/such/file", 1, "cannot read /no/such/file"},
        {"FolderForFile", "count /", 1, "cannot read /"},
    };
    for (const Misuse& misuse : misuses) {
        SCOPED_TRACE(misuse.name);
        const ToolRun run = puzzle(misuse.arguments);
        EXPECT_EQ(run.status, misuse.status);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(misuse.message), std::string::npos) << run.err;
    }
}

// Output that cannot be written (here a full disk) is a failure with a
// message, never a silent success.
TEST(PuzzleTool, OutputThatCannotBeWrittenFailsWithAMessage) {
    const std::string base = ::testing::TempDir() + "tabrel-full-" + std::to_string(::getpid());
    std::ofstream(base + ".in") << Expert << '\n';
    for (const char* arguments : {"count", "generate --level easy --seed 1", "--help"}) {
        SCOPED_TRACE(arguments);
        const int status = std::system((std::string(TABREL_PUZZLE) + " " + arguments + " <" + base +
                                        ".in >/dev/full 2>" + base + ".err")
                                           .c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
        EXPECT_NE(contentsOf(base + ".err").find("cannot write standard output"),
                  std::string::npos);
    }
    for (const char* file : {".in", ".err"})
        std::remove((base + file).c_str());
}

TEST(PuzzleTool, HelpShowsTheUsageAndTheExitStatuses) {
    for (const char* arguments : {"--help", "count --help"}) {
        SCOPED_TRACE(arguments);
        const ToolRun run = puzzle(arguments);
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.out.find("tabrel-puzzle count [FILE]"), std::string::npos);
        EXPECT_NE(run.out.find("Exit status"), std::string::npos);
    }
}

} // namespace
