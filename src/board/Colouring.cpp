// Colouring both play-side grids from their contents.
#include "board/PlaySide.h"

// Colours by position; the end state is what the commands rely on: Grid3's current
// cell unchanged, Grid1's at (8, 8) as if the colouring had walked every cell.
void PlaySide::ColorMe() {
    for (int row = 0; row < CellGrid::Size; ++row) {
        for (int col = 0; col < CellGrid::Size; ++col) {
            if (Grid3.value(row, col) > 0) {
                Grid3.setBackColor(row, col, Cyan);
            } else {
                Grid3.setText(row, col, "");
                Grid3.setBackColor(row, col, White);
            }
            // At most one candidate left (or none at all) is what stands out.
            Grid1.setBackColor(row, col, Grid1.value(row, col) <= 9 ? Magenta : White);
        }
    }
    Grid1.setCurrent(CellGrid::Size - 1, CellGrid::Size - 1);
}
