// The built tools run as a user runs them: each misuse, each command's output and status.
#include "support/BoardText.h"
#include "support/Puzzles.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ToolRun {
    int status; // the exit status; -1 when the tool did not exit normally
    std::string out, err;
};

// Runs `program` with `arguments` (shell words) on `input` as standard input.
// The arguments come after the run's own redirections, so that a redirection
// among them ("> /dev/full") wins.
ToolRun runTool(const std::string& program, const std::string& arguments,
                const std::string& input) {
    const std::string base = ::testing::TempDir() + "tabrel-tool-" + std::to_string(::getpid());
    std::ofstream(base + ".in") << input;
    const int status = std::system(
        (program + " <" + base + ".in >" + base + ".out 2>" + base + ".err " + arguments).c_str());
    ToolRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, contentsOf(base + ".out"),
                contentsOf(base + ".err")};
    for (const char* file : {".in", ".out", ".err"})
        std::remove((base + file).c_str());
    return run;
}

const std::string Medium(MediumPuzzle.puzzle);

// `text` as a regular expression that matches just it.
std::string literal(std::string_view text) {
    return std::regex_replace(std::string(text), std::regex(R"([.*+?^$|()\[\]{}\\])"), R"(\$&)");
}

struct Misuse {
    const char* name;
    const char* program;
    std::string arguments;
    int status;
    std::string message;
};

// Nothing on standard output; the message names what was wrong.
TEST(Tools, TellEachMisuseOnStandardErrorAndByTheirStatus) {
    const Misuse misuses[] = {
        {"NoCommand", TABREL_PUZZLE, "", 2, "tabrel-puzzle: a command is needed"},
        {"UnknownCommand", TABREL_PUZZLE, "solve", 2, "unknown command 'solve'"},
        {"UnknownOption", TABREL_PUZZLE, "count --fast", 2, "count: unknown option '--fast'"},
        {"TwoFiles", TABREL_PUZZLE, "rate a b", 2, "rate takes one FILE at most"},
        {"MissingFile", TABREL_PUZZLE, "explain /no/such", 1,
         "tabrel-puzzle: cannot read /no/such: No such file or directory"},
        {"FullDisk", TABREL_PUZZLE, "count >/dev/full", 1, "cannot write standard output"},
        {"GenerateUnknownOption", TABREL_PUZZLE, "generate --level easy --fast", 2,
         "generate: unknown option '--fast'"},
        {"GenerateNoValue", TABREL_PUZZLE, "generate --level", 2,
         "generate: --level needs a value: easy, medium, hard, expert or extreme"},
        {"GenerateBadValue", TABREL_PUZZLE, "generate --level beyond", 2,
         "generate: --level is easy, medium, hard, expert or extreme, not 'beyond'"},
        {"GenerateNoLevel", TABREL_PUZZLE, "generate --count 2", 2, "generate: --level is needed"},
        {"SolveNoButton", TABREL_SOLVE, "--press", 2, "tabrel-solve: --press needs a button"},
        {"SolveUnknownButton", TABREL_SOLVE, "--press all", 2, "unknown button 'all'"},
        {"SolveUnknownOption", TABREL_SOLVE, "--fast", 2, "unknown option '--fast'"},
        {"SolveTwoFiles", TABREL_SOLVE, "a b", 2, "only one FILE may be given"},
        {"SolveFolder", TABREL_SOLVE, "/", 1, "tabrel-solve: cannot read /: Is a directory"},
        {"PrintPerPage", TABREL_PRINT, "--per-page 3 --level easy a.pdf", 2,
         "tabrel-print: --per-page is 1, 2, 4 or 6, not '3' (see tabrel-print --help)"},
        {"PrintNoOut", TABREL_PRINT, "--level easy", 2, "with --level give OUT.pdf alone"},
        {"PrintUnwritable", TABREL_PRINT, "--level easy --seed 1 /no/such/a.pdf", 1,
         "tabrel-print: cannot write /no/such/a.pdf"},
    };
    for (const Misuse& misuse : misuses) {
        SCOPED_TRACE(misuse.name);
        const ToolRun run = runTool(misuse.program, misuse.arguments, Medium + "\n");
        EXPECT_EQ(run.status, misuse.status);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(misuse.message), std::string::npos) << run.err;
    }
}

struct Command {
    const char* name;
    const char* program;
    std::string arguments, input;
    int status;
    std::string out, err; // regular expressions for the whole of each
};

// The input lines show how a line is read: a comment and a CR go, "0" is an
// empty cell, and a line of another length is named and the others still done.
TEST(Tools, EachCommandPrintsItsLinesAndStatus) {
    std::string zeros = Medium;
    std::replace(zeros.begin(), zeros.end(), '.', '0');
    const std::string repeat = "55" + std::string(79, '.');
    const std::string builtIn(BuiltInBoard);
    const Command commands[] = {
        {"count", TABREL_PUZZLE, "count /dev/stdin", "# note\n" + zeros + "\r\n123\n" + repeat, 1,
         literal(Medium + " 1 " + std::string(MediumPuzzle.solution) + "\n" + repeat + " 0 -\n"),
         "tabrel-puzzle: line 3: a puzzle has 81 characters, this line 3\n"},
        {"explain", TABREL_PUZZLE, "explain", Medium, 0,
         literal(Medium) + "\n(step [a-z-]+( r[1-9]c[1-9][=-][1-9])+\n)+end solved medium [0-9]+\n",
         ""},
        {"rate", TABREL_PUZZLE, "rate", Medium, 0, literal(Medium) + " medium [0-9]+\n", ""},
        {"generate", TABREL_PUZZLE, "generate --level hard --count 2 --seed 7 --symmetry none", "",
         0, "([1-9.]{81}\n){2}", ""},
        {"solve", TABREL_SOLVE, "--grid1", builtIn + "\n123\n", 0,
         std::regex_replace(builtIn, std::regex("\\."), "[1-9]") +
             " solved 4 13 ([1-9],){80}[1-9]\n",
         "tabrel-solve: line 2: a puzzle has 81 characters, this line 3; skipped\n"
         "1 puzzles, 1 solved, [0-9]+\\.[0-9]{3} s\n"},
        {"help", TABREL_PUZZLE, "count --help", "", 0,
         literal("usage: tabrel-puzzle count [FILE]") + "[\\s\\S]*Exit status[\\s\\S]*", ""},
        {"print", TABREL_PRINT, "/dev/stdin a.pdf", repeat + "\n" + Medium, 1, "",
         "tabrel-print: line 1: the puzzle has no solution\n"},
    };
    for (const Command& command : commands) {
        SCOPED_TRACE(command.name);
        const ToolRun run = runTool(command.program, command.arguments, command.input);
        EXPECT_EQ(run.status, command.status);
        EXPECT_TRUE(std::regex_match(run.out, std::regex(command.out))) << run.out;
        EXPECT_TRUE(std::regex_match(run.err, std::regex(command.err))) << run.err;
    }
}

// Without --seed generate names the seed it drew, and that seed makes the run again.
TEST(Tools, TheSeedGenerateTellsMakesTheSameRunAgain) {
    const ToolRun fresh = runTool(TABREL_PUZZLE, "generate --level medium --count 2", "");
    std::smatch seed;
    ASSERT_TRUE(
        std::regex_match(fresh.err, seed, std::regex("tabrel-puzzle: generate: seed ([0-9]+)\n")));
    const std::string again = "generate --level medium --count 2 --seed " + seed[1].str();
    EXPECT_EQ(runTool(TABREL_PUZZLE, again, "").out, fresh.out);
}

// The printed text holds each puzzle's givens in reading order, each solution
// asked for and each caption, on as many pages as they fill.
struct Printout {
    const char* name;
    std::string arguments, input;
    int pages;
    std::string words; // each found in the text, blanks and a board's dots left out
};

TEST(Tools, PrintWritesEachPuzzleAsTextOnItsPagesAndTheSolutionsAfter) {
    const std::string pdf = ::testing::TempDir() + "tabrel-print-test.pdf";
    const std::string seeded = "--level hard --count 7 --seed 3";
    const std::string hard = runTool(TABREL_PUZZLE, "generate " + seeded, "").out;
    const std::string easy(EasyPuzzle.puzzle), builtIn(BuiltInBoard);
    const Printout printouts[] = {
        {"file", "--per-page 2 /dev/stdin", easy + "\n#\n" + Medium + "\n" + builtIn, 2,
         easy + " " + Medium + " " + builtIn + " 1·Easy 2·Medium"},
        {"solutions", "--solutions /dev/stdin", easy + "\n" + Medium, 3,
         easy + " " + Medium + " " + std::string(EasyPuzzle.solution) + " " +
             std::string(MediumPuzzle.solution)},
        {"level", "--per-page 6 --solutions " + seeded, "", 3,
         runTool(TABREL_PUZZLE, "count", hard).out + " 7·Hard"},
    };
    for (const Printout& printout : printouts) {
        SCOPED_TRACE(printout.name);
        ASSERT_EQ(runTool(TABREL_PRINT, printout.arguments + " " + pdf, printout.input).status, 0);
        EXPECT_TRUE(
            std::regex_search(runTool("pdfinfo", pdf, "").out,
                              std::regex("Pages: +" + std::to_string(printout.pages) + "\n")));
        std::string text = runTool("pdftotext", "-raw " + pdf + " -", "").out;
        std::erase_if(text, [](char c) { return std::isspace(static_cast<unsigned char>(c)); });
        std::istringstream words(printout.words);
        for (std::string word; words >> word;) {
            std::erase(word, '.');
            EXPECT_NE(text.find(word), std::string::npos) << word;
        }
    }
    std::remove(pdf.c_str());
}

} // namespace
