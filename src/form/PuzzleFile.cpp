// Puzzle collections read line by line and stored boards written out, one a line.
#include "form/PuzzleFile.h"

#include "engine/PuzzleText.h"
#include "engine/Solver.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace {

std::optional<std::string> storedBoardOf(std::string_view line) {
    const auto board = engine::parseCollectionLine(line);
    if (!board || engine::solve(*board).solutions == 0)
        return std::nullopt;
    std::string d1 = engine::formatLine(*board);
    std::replace(d1.begin(), d1.end(), '.', '0');
    return d1;
}

std::string systemProblem() {
    return errno != 0 ? std::strerror(errno) : "the system gave no reason";
}

// Writes `text` as the whole of `file`; why it failed, or "".
std::string writeWhole(const std::filesystem::path& file, std::string_view text) {
    errno = 0;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return out ? "" : systemProblem();
}

} // namespace

PuzzleLines puzzleLines(std::string_view text) {
    PuzzleLines lines;
    for (const engine::TextLine& line : engine::contentLines(text)) {
        if (auto d1 = storedBoardOf(line.text))
            lines.boards.push_back(std::move(*d1));
        else
            ++lines.notPuzzles;
    }
    return lines;
}

std::string puzzleFileText(const std::vector<std::string>& boards) {
    std::string text = "# Tabrel stored games: " + std::to_string(boards.size()) +
                       " puzzles, one a line, \".\" for an empty cell\n";
    text.reserve(text.size() + boards.size() * 82);
    for (std::string board : boards) {
        std::replace(board.begin(), board.end(), '0', '.');
        text += board + "\n";
    }
    return text;
}

FileText readFileText(const std::filesystem::path& file) {
    std::error_code error;
    if (std::filesystem::is_directory(file, error))
        return {std::nullopt, "it is a folder"};
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error)
        return {std::nullopt, error.message()};
    if (size > MaxPuzzleFileBytes)
        return {std::nullopt, "it is larger than " + std::to_string(MaxPuzzleFileBytes >> 20) +
                                  " MB, too large for a collection of puzzles"};
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    std::string text(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(text.data(), static_cast<std::streamsize>(size)))
        return {std::nullopt, systemProblem()};
    return {std::move(text), ""};
}

std::string writeFileText(const std::filesystem::path& file, std::string_view text) {
    std::filesystem::path part = file;
    part += ".part";
    std::string problem = writeWhole(part, text);
    std::error_code error;
    if (problem.empty()) {
        std::filesystem::rename(part, file, error);
        problem = error ? error.message() : "";
    }
    if (!problem.empty())
        std::filesystem::remove(part, error);
    return problem;
}
