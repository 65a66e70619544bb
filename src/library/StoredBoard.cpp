// Reading a stored game's board text onto the play grid.
#include "board/Frm_TaBrel.h"
#include "board/NumericValue.h"

namespace {

// The character for cell (row, col) of a stored text, "" past its end or for "0".
std::string storedCell(std::string_view d1, int row, int col) {
    const std::size_t position = static_cast<std::size_t>(row * CellGrid::Size + col);
    if (position >= d1.size() || d1[position] == '0')
        return "";
    return std::string(1, d1[position]);
}

} // namespace

void Frm_TaBrel::showStoredBoard(std::string_view d1) {
    for (int row = 0; row < CellGrid::Size; ++row) {
        for (int col = 0; col < CellGrid::Size; ++col) {
            Grid3.setText(row, col, storedCell(d1, row, col));
            Text1.setText(Grid3.text(row, col));
        }
    }
    // Only a digit 1 to 9 stays, on cyan; anything else the text held is erased.
    for (int row = 0; row < CellGrid::Size; ++row) {
        for (int col = 0; col < CellGrid::Size; ++col) {
            Grid3.setRow(row);
            Grid3.setCol(col);
            const double value = numericValue(Grid3.currentText());
            if (value > 0 && value <= 9) {
                Grid3.setCurrentBackColor(Cyan);
            } else {
                Grid3.setCurrentText("");
                Text1.setText("");
            }
        }
    }
    HistIdx = 0;
    FILLARRAY();
    EditorDetached = true;
}
