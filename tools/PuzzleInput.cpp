// Reading puzzle lines for the commands of tabrel-puzzle: all input in one go,
// all output in one write.
#include "PuzzleInput.h"

#include "engine/PuzzleText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace tool {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

void complain(const std::string& message) {
    std::fprintf(stderr, "tabrel-puzzle: %s\n", message.c_str());
}

std::optional<std::string> readStream(std::FILE* stream) {
    std::string text;
    char chunk[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, stream)) > 0)
        text.append(chunk, got);
    if (std::ferror(stream))
        return std::nullopt;
    return text;
}

// All of `file`, or of standard input without one; none, said on standard
// error, when it cannot be read.
std::optional<std::string> readAll(const std::optional<std::string>& file) {
    if (!file) {
        auto text = readStream(stdin);
        if (!text)
            complain(std::string("cannot read standard input: ") + std::strerror(errno));
        return text;
    }
    const std::unique_ptr<std::FILE, FileCloser> stream(std::fopen(file->c_str(), "rb"));
    auto text = stream ? readStream(stream.get()) : std::nullopt;
    if (!text)
        complain("cannot read " + *file + ": " + std::strerror(errno));
    return text;
}

bool skipped(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#';
}

// Runs `action` on each puzzle line of `text`; false when some line was bad.
bool runLines(std::string_view text, PuzzleAction action, std::string& out) {
    bool allGood = true;
    long number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (skipped(line))
            continue;
        if (const auto puzzle = engine::parseLine(line)) {
            action(*puzzle, out);
        } else {
            complain("line " + std::to_string(number) + ": a puzzle has 81 characters, this line " +
                     std::to_string(line.size()));
            allGood = false;
        }
    }
    return allGood;
}

} // namespace

int usageError(std::string_view problem) {
    std::fprintf(stderr, "tabrel-puzzle: %.*s (see tabrel-puzzle --help)\n",
                 static_cast<int>(problem.size()), problem.data());
    return UsageError;
}

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
    const auto text = readAll(file);
    if (!text)
        return BadInput;
    std::string out;
    out.reserve(text->size() * 2 + 2);
    const bool allGood = runLines(*text, action, out);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return allGood ? Success : BadInput;
}

} // namespace tool
