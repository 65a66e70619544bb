// tabrel-puzzle: the puzzle engine on the command line. The first argument
// names a command; each command is one function in the table below.
#include "PuzzleCommands.h"

#include <array>
#include <cstdio>
#include <vector>

const char* const tool::ProgramName = "tabrel-puzzle";

namespace {

constexpr const char* Help =
    R"(usage: tabrel-puzzle count [FILE]
       tabrel-puzzle explain [FILE]
       tabrel-puzzle rate [FILE]
       tabrel-puzzle generate --level easy|medium|hard|expert|extreme
                              [--count N] [--seed S] [--symmetry rotate180|none]
       tabrel-puzzle --help

Puzzles are read from FILE, or from standard input without one, one puzzle a
line: 81 characters row by row, "1"-"9" a given and any other character an
empty cell. Blank lines and "#" comment lines (blanks may come before the "#")
are skipped; a UTF-8 byte order mark and the carriage return of a CRLF line end
are ignored. Output writes "." for an empty cell.

count     one line per puzzle: PUZZLE N SOLUTION, where N is the number of
          solutions, 0, 1 or 2 (two or more), and SOLUTION the first solution
          found, "-" when N is 0. Givens that repeat a digit in a row, column
          or box leave no solution.

explain   for each puzzle: its line; one line per step of its logical
          solution, simplest technique first, "step TECHNIQUE" and what the
          step places (rRcC=D) or eliminates (rRcC-D), rows and columns 1-9;
          then "end solved LEVEL SCORE", or "end stuck beyond SCORE" when no
          technique applies before the board is filled.

rate      one line per puzzle: PUZZLE LEVEL SCORE. LEVEL (easy, medium, hard,
          expert, extreme) is the level of the hardest technique the logical
          solution needs, beyond for a board with no solution or several;
          SCORE is 10000 per level plus a weight per step, so it sorts puzzles
          by level first.

generate  N puzzles (1 without --count), one a line, each with one
          solution, rated at the level asked for, and minimal: no given can
          go (with its partner) without a second solution. With rotate180,
          the default, a cell is a given exactly when the cell opposite it
          through the centre is one; with none, givens fall anywhere. The same
          seed S (0-18446744073709551615) gives the same puzzles on every
          machine; without --seed a fresh seed is drawn and written on
          standard error, so a run can be made again. Extreme puzzles are
          rare among minimal ones and take seconds each.

Exit status: 0 success; 1 a line that is not a puzzle (reported with its line
number, the other lines are still done), a FILE that cannot be read, output
that cannot be written, or no puzzle found at the level in 30 seconds; 2 an
unknown command or option, or a missing or bad value.
)";

struct Command {
    std::string_view name;
    int (*run)(tool::Arguments);
};

constexpr std::array Commands = {
    Command{"count", tool::countCommand},
    Command{"explain", tool::explainCommand},
    Command{"rate", tool::rateCommand},
    Command{"generate", tool::generateCommand},
};

bool asksForHelp(const std::vector<std::string_view>& arguments) {
    for (const std::string_view argument : arguments)
        if (argument == "--help" || argument == "-h")
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    if (asksForHelp(arguments)) {
        std::fputs(Help, stdout);
        return tool::withOutputWritten(tool::Success);
    }
    if (arguments.empty())
        return tool::usageError("a command is needed: count, explain, rate or generate");
    for (const Command& command : Commands)
        if (command.name == arguments.front())
            return tool::withOutputWritten(command.run(tool::Arguments(arguments).subspan(1)));
    return tool::usageError("unknown command '" + std::string(arguments.front()) + "'");
}
