// Puzzles as text: the one-line form of 81 characters that files, the command
// line and the clipboard use, the lines of a file of them, the nine-line
// picture people paste, and the rRcC names of cells in explanations.
#pragma once

#include "engine/Grid.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// A line of exactly 81 characters: "1"-"9" a given, any other character an empty
// cell. None for any other length.
std::optional<Board> parseLine(std::string_view line);
// 81 characters, "." for an empty cell.
std::string formatLine(const Board& board);
// "r2c8": row and column counted from 1.
std::string cellName(int cell);

// What reading a puzzle out of free text found.
struct PuzzleReading {
    std::optional<Board> board;
    // Why there is no board, as a phrase ("line 4 has 8 cells, a row has 9");
    // "" when there is one.
    std::string problem;
};

// A puzzle written as one line of 81 cells or as nine lines of nine cells. A
// cell is a digit 1-9, or one of ". 0 - _ *" for an empty cell; spaces, tabs
// and "|" are ignored, and so are blank lines and rule lines (lines of "-", "+"
// and "=", except a row of nine "-", which is nine empty cells).
PuzzleReading readPuzzle(std::string_view text);

// A line of a one-puzzle-a-line collection: blanks, 81 cells as readPuzzle reads
// them, then the end of the line or a blank and anything (a rating, a name).
// None for any other line.
std::optional<Board> parseCollectionLine(std::string_view line);

// A line of a file of puzzles that holds something.
struct TextLine {
    long number;           // counting every line of the file from 1
    std::string_view text; // without its line end
};

// The lines of a file's whole `text` in order, but for blank lines and "#"
// comments (the "#" first after any blanks). A UTF-8 byte order mark at the
// start and the CR of a CRLF line end are dropped.
std::vector<TextLine> contentLines(std::string_view text);

} // namespace engine
