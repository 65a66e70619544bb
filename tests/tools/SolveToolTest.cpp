// The built batch solver, run as a user runs it: its output lines, its errors and
// its exit status.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string BuiltIn =
    "5...72......5....8.2.6..9......8..46...2.9...17..5......6..3.2.4....8......42...3";

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; in >> field;)
        fields.push_back(field);
    return fields;
}

class SolveTool : public ::testing::Test {
protected:
    SolveTool() {
        dir_ = fs::temp_directory_path() /
               ("tabrel-solve-test-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    ~SolveTool() override { fs::remove_all(dir_); }

    // Writes `text` to a file of the test's own folder and returns its path.
    std::string file(const std::string& name, const std::string& text) {
        const fs::path path = dir_ / name;
        std::ofstream(path) << text;
        return path.string();
    }

    // Runs the tool with `args`, `input` on standard input.
    ToolRun solve(const std::string& args, const std::string& input = "") {
        const std::string in = file("stdin.txt", input);
        const std::string err = (dir_ / "stderr.txt").string();
        const std::string command =
            std::string(TABREL_SOLVE) + " " + args + " < '" + in + "' 2> '" + err + "'";
        ToolRun result;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe)
            return result;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            result.out.append(buffer, n);
        const int status = ::pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream errors(err);
        result.err.assign(std::istreambuf_iterator<char>(errors), {});
        return result;
    }

private:
    fs::path dir_;
};

TEST_F(SolveTool, PrintsBoardOutcomePassesAndSlotPerPuzzle) {
    const std::string repeated = "55" + std::string(79, '.');
    const std::string empty(81, '.');
    const ToolRun run =
        solve("", "# three puzzles\n\n" + BuiltIn + "\n" + repeated + "\r\n" + empty + "\n");
    EXPECT_EQ(run.status, 0);
    const auto lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 3u) << run.out;
    const std::regex shape("[0-9?]{81} (solved|duplicates|stopped) [0-9]+ [0-9]+");
    for (const std::string& line : lines)
        EXPECT_TRUE(std::regex_match(line, shape)) << line;

    const auto solved = fieldsOf(lines[0]);
    EXPECT_EQ(solved[0].find('0'), std::string::npos);
    EXPECT_EQ(solved[1], "solved");
    EXPECT_EQ(solved[3], std::to_string(1 + 3 * std::stoi(solved[2])))
        << "the starting Update and three per pass";
    EXPECT_EQ(lines[1], "55" + std::string(79, '0') + " duplicates 0 0");
    EXPECT_EQ(lines[2], std::string(81, '0') + " stopped 1 4");
    EXPECT_TRUE(std::regex_match(run.err, std::regex("3 puzzles, 1 solved, [0-9]+\\.[0-9]+ s\n")))
        << run.err;
}

TEST_F(SolveTool, ReportsALineOfAnotherLengthByNumberAndGoesOn) {
    const ToolRun run = solve("", "# header\n123\n" + BuiltIn + "0\n" + BuiltIn + "\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("line 2: a puzzle has 81 characters, this line 3"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("line 3: a puzzle has 81 characters, this line 82"), std::string::npos)
        << run.err;
    ASSERT_EQ(linesOf(run.out).size(), 1u);
    EXPECT_EQ(fieldsOf(run.out)[1], "solved");
    EXPECT_NE(run.err.find("1 puzzles, 1 solved"), std::string::npos);
}

TEST_F(SolveTool, OtherPressesReportNoOutcomeAndGridOneOnRequest) {
    const std::string puzzles = file("puzzles.txt", BuiltIn + "\n");
    const ToolRun update = solve("--press update --grid1 " + puzzles);
    const auto fields = fieldsOf(update.out);
    ASSERT_EQ(fields.size(), 5u) << update.out;
    EXPECT_EQ(fields[0],
              "500072000000500008020600900000080046000209000170350000006003020400008000000420003")
        << "the one single of the built-in puzzle, 3 at (5, 3), is filled";
    EXPECT_EQ(fields[1] + " " + fields[2] + " " + fields[3], "- 0 1");
    EXPECT_EQ(std::count(fields[4].begin(), fields[4].end(), ','), 80);
    EXPECT_EQ(fields[4].substr(0, 2), "5,") << "a given's candidate string is its digit";

    const ToolRun clue = solve("--press clue " + puzzles);
    EXPECT_EQ(fieldsOf(clue.out).size(), 4u);
    EXPECT_EQ(fieldsOf(clue.out)[1], "-");
}

TEST_F(SolveTool, ExitsNonZeroOnlyForUsageErrorsAndUnreadableFiles) {
    const struct {
        const char* args;
        int status;
        const char* says;
    } cases[] = {{"--frobnicate", 2, "unknown option"},
                 {"--press solve", 2, "unknown button"},
                 {"--press", 2, "needs a button"},
                 {"a.txt b.txt", 2, "only one FILE"},
                 {"/nonexistent/puzzles.txt", 1, "cannot read"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const ToolRun run = solve(c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    const ToolRun help = solve("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("BOARD OUTCOME PASSES HISTIDX [GRID1]"), std::string::npos);
}

} // namespace
