// The one-step play-grid commands: no history, no colouring.
#include "board/Frm_TaBrel.h"

void Frm_TaBrel::Command11_Click() {
    const int row = Grid3.row();
    const int col = Grid3.col();
    Grid3.setText(row, col, Text2.text());
}

void Frm_TaBrel::Command7_Click() {
    Grid3.clear();
    Grid1.clear();
}

void Frm_TaBrel::Command8_Click() {
    Grid2.clear();
}
