// Reading and writing puzzles as lines of text.
#include "engine/PuzzleText.h"

namespace engine {

std::optional<Board> parseLine(std::string_view line) {
    if (line.size() != Cells)
        return std::nullopt;
    Board board{};
    for (int cell = 0; cell < Cells; ++cell) {
        const char ch = line[cell];
        board[cell] = ch >= '1' && ch <= '9' ? static_cast<std::uint8_t>(ch - '0') : 0;
    }
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

} // namespace engine
