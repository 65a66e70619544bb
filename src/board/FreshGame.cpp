// A board text put on the play grid as a fresh game, and a new puzzle put there.
#include "board/PlaySide.h"

namespace {

constexpr int Last = CellGrid::Size - 1;

// The character for cell (row, col) of a board text, "" past its end or for "0".
std::string_view boardCell(std::string_view board, int row, int col) {
    const std::size_t position = static_cast<std::size_t>(row * CellGrid::Size + col);
    if (position >= board.size() || board[position] == '0')
        return {};
    return board.substr(position, 1);
}

} // namespace

// Only a digit 1 to 9 stays, on cyan; anything else the text held is erased.
int PlaySide::showAsFreshGame(std::string_view board) {
    for (int row = 0; row < CellGrid::Size; ++row)
        for (int col = 0; col < CellGrid::Size; ++col)
            Grid3.setText(row, col, boardCell(board, row, col));
    int givens = 0;
    for (int row = 0; row < CellGrid::Size; ++row) {
        for (int col = 0; col < CellGrid::Size; ++col) {
            const double value = Grid3.value(row, col);
            if (value > 0 && value <= 9) {
                Grid3.setBackColor(row, col, Cyan);
                ++givens;
            } else {
                Grid3.setText(row, col, "");
            }
        }
    }
    // The check walks the current cell over the grid and leaves it on the last cell.
    Grid3.setCurrent(Last, Last);
    beginGame();
    FILLARRAY();
    return givens;
}

// Nothing of the game before may come back through "Forward".
int PlaySide::showNewPuzzle(std::string_view board) {
    for (int slot = 0; slot < HistArray::Slots; ++slot)
        emptySlot(slot);
    Grid1.clear();
    showFullCandidates();
    Grid3.clear();
    return showAsFreshGame(board);
}
