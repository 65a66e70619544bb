// Files of puzzles, one a line: the lines read into stored-board texts, the
// stored boards written out, and whole files read and written with their
// failures put into words.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The largest file an import reads: far more than any collection of puzzles.
inline constexpr std::uintmax_t MaxPuzzleFileBytes = 64u << 20;

struct PuzzleLines {
    // In file order, 81 characters each, "1"-"9" a given and "0" an empty cell.
    std::vector<std::string> boards;
    // Lines that are neither blank, nor "#" comments, nor puzzles with a solution.
    int notPuzzles = 0;
};

// The puzzles of a collection's text: every line of engine::contentLines that
// engine::parseCollectionLine reads and whose board has a solution.
PuzzleLines puzzleLines(std::string_view text);
// A puzzle file: a "#" header line, then each board (stored-board text) as one
// line of 81 characters, "." for an empty cell.
std::string puzzleFileText(const std::vector<std::string>& boards);

struct FileText {
    std::optional<std::string> text;
    std::string problem; // without text: why, as a phrase ("it is a folder")
};
// The whole of `file`; none for a folder, a missing or unreadable file and one
// over MaxPuzzleFileBytes.
FileText readFileText(const std::filesystem::path& file);
// Writes `text` as the whole of `file`, through a file beside it that replaces
// it only once complete, so a failed write leaves an older file as it was.
// Returns why it failed, as a phrase; "" when written.
std::string writeFileText(const std::filesystem::path& file, std::string_view text);
