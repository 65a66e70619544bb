// Reading a stored game's board text onto the play grid.
#include "board/Frm_TaBrel.h"

namespace {

// The character for cell (row, col) of a stored text, "" past its end or for "0".
std::string_view storedCell(std::string_view d1, int row, int col) {
    const std::size_t position = static_cast<std::size_t>(row * CellGrid::Size + col);
    if (position >= d1.size() || d1[position] == '0')
        return {};
    return d1.substr(position, 1);
}

} // namespace

void Frm_TaBrel::showStoredBoard(std::string_view d1) {
    constexpr int Last = CellGrid::Size - 1;
    for (int row = 0; row < CellGrid::Size; ++row)
        for (int col = 0; col < CellGrid::Size; ++col)
            Grid3.setText(row, col, storedCell(d1, row, col));
    // The editor is handed every cell's text in turn, then "" for every cell
    // erased below; only the last of those can be seen, so only it is written.
    std::string editor = Grid3.text(Last, Last);
    // Only a digit 1 to 9 stays, on cyan; anything else the text held is erased.
    // The check walks the current cell over the grid and leaves it on the last cell.
    for (int row = 0; row < CellGrid::Size; ++row) {
        for (int col = 0; col < CellGrid::Size; ++col) {
            const double value = Grid3.value(row, col);
            if (value > 0 && value <= 9) {
                Grid3.setBackColor(row, col, Cyan);
            } else {
                Grid3.setText(row, col, "");
                editor.clear();
            }
        }
    }
    Grid3.setCurrent(Last, Last);
    Text1.setText(editor);
    HistIdx = 0;
    FILLARRAY();
    EditorDetached = true;
}
