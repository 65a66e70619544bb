// "Revert" and "Forward" through the recorded boards.
#include "board/PlaySide.h"

void PlaySide::revert() {
    if (HistIdx == 0)
        return;
    revertTo(static_cast<std::int16_t>(HistIdx - 1));
}

void PlaySide::revertTo(std::int16_t slot) {
    HistIdx = slot;
    showHistorySlot();
    ColorMe();
    historyChanged();
}

// Slot 99 is a stop of Forward's own rule; the last slot has nothing beyond it.
void PlaySide::forward() {
    if (HistIdx == 99 || HistIdx == HistArray::Slots - 1)
        return;
    ++HistIdx;
    showHistorySlot();
    for (int row = 0; row < CellGrid::Size; ++row) {
        for (int col = 0; col < CellGrid::Size; ++col) {
            if (Grid3.value(row, col) != 0)
                Grid3.setBackColor(row, col, Cyan);
            else
                Grid3.setText(row, col, "");
        }
    }
    Grid3.setCurrent(CellGrid::Size - 1, CellGrid::Size - 1);
    historyChanged();
}

void PlaySide::showHistorySlot() {
    for (int row = 0; row < CellGrid::Size; ++row) {
        for (int col = 0; col < CellGrid::Size; ++col) {
            Grid1.setText(row, col, HistGrid1.at(HistIdx, row, col));
            Grid3.setText(row, col, HistGrid3.at(HistIdx, row, col));
        }
    }
}
