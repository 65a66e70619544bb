// Reading puzzle lines for the commands of tabrel-puzzle: all input in one go,
// all output in one write.
#include "PuzzleInput.h"

#include "InputText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace tool {

namespace {

// Runs `action` on each puzzle line of `text`; false when some line was bad.
bool runLines(std::string_view text, PuzzleAction action, std::string& out) {
    bool allGood = true;
    for (const engine::TextLine& line : engine::contentLines(text)) {
        if (const auto puzzle = engine::parseLine(line.text)) {
            action(*puzzle, out);
        } else {
            complain(wrongLength(line));
            allGood = false;
        }
    }
    return allGood;
}

} // namespace

int withOutputWritten(int status) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    complain(std::string("cannot write standard output: ") + std::strerror(errno));
    return BadInput;
}

int forEachPuzzle(std::string_view command, Arguments arguments, PuzzleAction action) {
    std::optional<std::string> file;
    for (const std::string_view argument : arguments) {
        if (argument.size() > 1 && argument.front() == '-')
            return usageError(std::string(command) + ": unknown option '" + std::string(argument) +
                              "'");
        if (file)
            return usageError(std::string(command) + " takes one FILE at most");
        file = argument;
    }
    const auto text = readInput(ProgramName, file);
    if (!text)
        return BadInput;
    std::string out;
    out.reserve(text->size() * 2 + 2);
    const bool allGood = runLines(*text, action, out);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return allGood ? Success : BadInput;
}

} // namespace tool
