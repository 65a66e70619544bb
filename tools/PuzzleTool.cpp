// tabrel-puzzle: the puzzle engine on the command line. The first argument
// names a command; each command is one function in the table below.
#include "PuzzleCommands.h"

#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr const char* Help =
    R"(usage: tabrel-puzzle count [FILE]
       tabrel-puzzle --help

Puzzles are read from FILE, or from standard input without one, one puzzle a
line: 81 characters row by row, "1"-"9" a given and any other character an
empty cell. Blank lines and lines starting with "#" are skipped; a trailing
carriage return is ignored. Output writes "." for an empty cell.

count     one line per puzzle: PUZZLE N SOLUTION, where N is the number of
          solutions, 0, 1 or 2 (two or more), and SOLUTION the first solution
          found, "-" when N is 0. Givens that repeat a digit in a row, column
          or box leave no solution.

Exit status: 0 success; 1 a line that is not a puzzle (reported with its line
number, the other lines are still done) or a FILE that cannot be read; 2 an
unknown command or option, or a missing or bad value.
)";

struct Command {
    std::string_view name;
    int (*run)(tool::Arguments);
};

constexpr std::array Commands = {
    Command{"count", tool::countCommand},
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
        return tool::Success;
    }
    if (arguments.empty())
        return tool::usageError("a command is needed: count");
    for (const Command& command : Commands)
        if (command.name == arguments.front())
            return command.run(tool::Arguments(arguments).subspan(1));
    return tool::usageError("unknown command '" + std::string(arguments.front()) + "'");
}
