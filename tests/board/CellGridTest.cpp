// The grid's current cell and its notifications, which the entry grid relies on.
#include "board/CellGrid.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct Recorder : CellGridObserver {
    std::string events;
    void cellChanged(int row, int col) override {
        events += "cell" + std::to_string(row * 9 + col) + ' ';
    }
    void gridChanged() override { events += "grid "; }
    void currentChanged() override { events += "current "; }
};

// The leave notification sees the old cell and the enter notification the new
// one, and both have run when the setter returns.
TEST(CellGridCurrentCell, LeaveAndEnterBracketEveryMove) {
    CellGrid grid;
    std::string log;
    grid.onLeaveCell = [&] {
        log += "leave" + std::to_string(grid.row()) + std::to_string(grid.col()) + ' ';
    };
    grid.onEnterCell = [&] {
        log += "enter" + std::to_string(grid.row()) + std::to_string(grid.col()) + ' ';
    };
    grid.setRow(3);
    log += "| ";
    grid.setCol(8);
    log += "| ";
    grid.setCurrent(5, 1);
    EXPECT_EQ(log, "leave00 enter30 | leave30 enter38 | leave38 enter51 ");
}

TEST(CellGridCurrentCell, StayingOnTheSameCellRaisesNothing) {
    CellGrid grid;
    int raised = 0;
    grid.onLeaveCell = [&] { ++raised; };
    grid.onEnterCell = [&] { ++raised; };
    grid.setRow(0);
    grid.setCurrent(0, 0);
    EXPECT_EQ(raised, 0);
}

TEST(CellGridChanges, ObserverHearsOnlyRealChanges) {
    CellGrid grid;
    Recorder recorder;
    grid.setObserver(&recorder);
    grid.setText(0, 1, "5");
    grid.setText(0, 1, "5");
    grid.setBackColor(1, 0, Cyan);
    grid.setCurrent(2, 2);
    grid.clear();
    EXPECT_EQ(recorder.events, "cell1 cell9 current grid ");
    EXPECT_EQ(grid.text(0, 1), "");
    EXPECT_EQ(grid.backColor(1, 0), White);
}

TEST(CellGridLayout, CurrentCellRectFollowsColumnWidthsAndRowHeight) {
    CellGrid grid;
    for (int col = 0; col < 9; ++col)
        grid.setColWidth(col, col == 0 ? 700 : 500);
    grid.setRowHeightMin(500);
    grid.setCurrent(2, 3);
    EXPECT_EQ(grid.currentCellRect(), (UnitRect{1700, 1000, 500, 500}));
}

} // namespace
