// The one-step play-grid commands: no history, no colouring.
#include "board/PlaySide.h"

void PlaySide::putIn(std::string_view text) {
    Grid3.setText(Grid3.row(), Grid3.col(), text);
}

void PlaySide::clearGrids() {
    Grid3.clear();
    Grid1.clear();
}
