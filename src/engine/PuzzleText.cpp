// Reading and writing puzzles as lines of text.
#include "engine/PuzzleText.h"

#include <vector>

namespace engine {

namespace {

constexpr std::string_view EmptyMarks = ".0-_*";
constexpr std::string_view Blanks = " \t";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The first line of `text`, without its '\n', which is taken off `text` with it.
std::string_view takeLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return line;
}

bool isBlankOrComment(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t\r");
    return first == std::string_view::npos || line[first] == '#';
}

bool isCell(char ch) {
    return (ch >= '1' && ch <= '9') || EmptyMarks.find(ch) != std::string_view::npos;
}

std::uint8_t cellDigit(char ch) {
    return ch >= '1' && ch <= '9' ? static_cast<std::uint8_t>(ch - '0') : 0;
}

// A line of text without what readPuzzle ignores in it.
std::string cellsOfLine(std::string_view line) {
    std::string kept;
    for (const char ch : line)
        if (Blanks.find(ch) == std::string_view::npos && ch != '|' && ch != '\r')
            kept.push_back(ch);
    return kept;
}

bool isRuleLine(std::string_view kept) {
    if (kept.find_first_not_of("-+=") != std::string_view::npos)
        return false;
    return kept.find_first_of("+=") != std::string_view::npos || kept.size() != 9;
}

std::string quotedCharacter(char ch) {
    if (ch > ' ' && ch < 127)
        return std::string("\"") + ch + "\"";
    return "a character";
}

struct CellLine {
    int number; // from 1
    std::string cells;
};

// Why the cell lines make no board; "" when they do.
std::string countProblem(const std::vector<CellLine>& lines) {
    if (lines.empty())
        return "there are no cells in it";
    if (lines.size() == 1 && lines[0].cells.size() == Cells)
        return {};
    if (lines.size() == 1)
        return "it has " + std::to_string(lines[0].cells.size()) + " cells, a puzzle has 81";
    if (lines.size() != 9)
        return "it has " + std::to_string(lines.size()) + " lines of cells, a grid has 9";
    for (const CellLine& line : lines)
        if (line.cells.size() != 9)
            return "line " + std::to_string(line.number) + " has " +
                   std::to_string(line.cells.size()) + " cells, a row has 9";
    return {};
}

} // namespace

std::optional<Board> parseLine(std::string_view line) {
    if (line.size() != Cells)
        return std::nullopt;
    Board board{};
    for (int cell = 0; cell < Cells; ++cell)
        board[cell] = cellDigit(line[cell]);
    return board;
}

std::string formatLine(const Board& board) {
    std::string line(Cells, '.');
    for (int cell = 0; cell < Cells; ++cell)
        if (board[cell] != 0)
            line[cell] = static_cast<char>('0' + board[cell]);
    return line;
}

std::string cellName(int cell) {
    return {'r', static_cast<char>('1' + rowOf(cell)), 'c', static_cast<char>('1' + colOf(cell))};
}

PuzzleReading readPuzzle(std::string_view text) {
    std::vector<CellLine> lines;
    int number = 0;
    while (!text.empty()) {
        const std::string kept = cellsOfLine(takeLine(text));
        ++number;
        if (kept.empty() || isRuleLine(kept))
            continue;
        for (const char ch : kept)
            if (!isCell(ch))
                return {std::nullopt, "line " + std::to_string(number) + " holds " +
                                          quotedCharacter(ch) +
                                          ", which is neither a digit nor an empty cell"};
        lines.push_back({number, kept});
    }
    if (std::string problem = countProblem(lines); !problem.empty())
        return {std::nullopt, std::move(problem)};
    std::string cells;
    for (const CellLine& line : lines)
        cells += line.cells;
    return {parseLine(cells), ""};
}

std::optional<Board> parseCollectionLine(std::string_view line) {
    const std::size_t start = line.find_first_not_of(Blanks);
    if (start == std::string_view::npos || line.size() - start < Cells)
        return std::nullopt;
    line.remove_prefix(start);
    for (int cell = 0; cell < Cells; ++cell)
        if (!isCell(line[cell]))
            return std::nullopt;
    const std::string_view rest = line.substr(Cells);
    if (!rest.empty() && rest != "\r" && Blanks.find(rest.front()) == std::string_view::npos)
        return std::nullopt;
    return parseLine(line.substr(0, Cells));
}

std::vector<TextLine> contentLines(std::string_view text) {
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());
    std::vector<TextLine> lines;
    for (long number = 1; !text.empty(); ++number) {
        std::string_view line = takeLine(text);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (!isBlankOrComment(line))
            lines.push_back({number, line});
    }
    return lines;
}

} // namespace engine
