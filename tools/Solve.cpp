// tabrel-solve: puzzles from a file or standard input on a fresh board each, one
// button pressed, one result line per puzzle.
#include "BatchSolve.h"
#include "InputText.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr const char* Usage =
    "usage: tabrel-solve [--press autoplay|update|clue] [--grid1] [FILE]\n";

constexpr const char* Help =
    R"(Reads puzzles from FILE, or from standard input without one, one puzzle a line:
81 characters, row by row, "1"-"9" a given and any other character an empty cell.
Blank lines and "#" comment lines (blanks may come before the "#") are skipped;
a UTF-8 byte order mark and the carriage return of a CRLF line end are ignored.
A line of another length is reported on standard error with its line number,
and the run goes on.

Each puzzle gets a fresh board as start-up leaves it, the puzzle loaded as
"Restore Game" loads a stored game, then one press of the chosen button.

  --press autoplay|update|clue   the button ("Auto Play", "Update", "Clue");
                                 default autoplay
  --grid1                        also print the candidate grid
  --help                         this text

One line per puzzle on standard output, fields separated by one space:
  BOARD OUTCOME PASSES HISTIDX [GRID1]
BOARD    the play grid afterwards, 81 characters row by row: an empty cell "0",
         a one-character text itself, a longer text "?"
OUTCOME  autoplay: "solved" (the window says "Successfully Completed"),
         "duplicates" (it says "Wrong Game"), "stopped" (it ends silently);
         otherwise "-"
PASSES   autoplay: passes run, the winning one included; 0 at the duplicate
         message and for update and clue
HISTIDX  the history slot shown at the end
GRID1    with --grid1: the 81 texts of the candidate grid joined with ","

On standard error at the end: "N puzzles, S solved, T s", where S counts the
boards that end holding 1-9 once in every row, column and box, and T is the
time taken in seconds.

Exit status: 0 when the input was read to its end (bad lines included), 1 when
FILE cannot be read, 2 for a usage error.
)";

struct Options {
    Press press = Press::AutoPlay;
    bool grid1 = false;
    std::optional<std::string> file;
};

int usageError(const std::string& problem) {
    std::cerr << "tabrel-solve: " << problem << '\n' << Usage;
    return 2;
}

// Fills `options`; returns an exit status when the run should end here.
std::optional<int> parseArguments(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << Usage << '\n' << Help;
            return 0;
        }
        if (arg == "--grid1") {
            options.grid1 = true;
        } else if (arg == "--press") {
            if (i + 1 == argc)
                return usageError("--press needs a button: autoplay, update or clue");
            const auto press = pressNamed(argv[++i]);
            if (!press)
                return usageError("unknown button '" + std::string(argv[i]) +
                                  "': autoplay, update or clue");
            options.press = *press;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usageError("unknown option '" + std::string(arg) + "'");
        } else if (options.file) {
            return usageError("only one FILE may be given");
        } else {
            options.file = arg;
        }
    }
    return std::nullopt;
}

struct Tally {
    long puzzles = 0;
    long solved = 0;
};

void solveAll(std::string_view text, const Options& options, Tally& tally) {
    std::string out;
    for (const engine::TextLine& line : engine::contentLines(text)) {
        if (line.text.size() != engine::Cells) {
            std::cerr << "tabrel-solve: " << tool::wrongLength(line) << "; skipped\n";
            continue;
        }
        const PuzzleResult result = runPuzzle(line.text, options.press, options.grid1);
        out = formatResult(result);
        out.push_back('\n');
        std::fwrite(out.data(), 1, out.size(), stdout);
        ++tally.puzzles;
        if (isSolution(result.board))
            ++tally.solved;
    }
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (const auto status = parseArguments(argc, argv, options))
        return *status;
    const auto start = std::chrono::steady_clock::now();
    const auto text = tool::readInput("tabrel-solve", options.file);
    if (!text)
        return 1;
    Tally tally;
    solveAll(*text, options, tally);
    std::fflush(stdout);
    const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - start;
    std::fprintf(stderr, "%ld puzzles, %ld solved, %.3f s\n", tally.puzzles, tally.solved,
                 taken.count());
    return 0;
}
