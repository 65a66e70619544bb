// Plain-data grid: every change goes to the watchers, every move of the current
// cell to the leave and enter notifications too.
#include "controls/CellGrid.h"

#include "controls/NumericValue.h"

#include <algorithm>

// By index: a watcher may start or stop watching while it is told.
template <typename Call>
void CellGrid::tellWatchers(Call call) {
    for (std::size_t i = 0; i < watchers_.size(); ++i)
        call(*watchers_[i]);
}

void CellGrid::replaceText(int row, int col, std::string_view text) {
    Cell& cell = cells_[index(row, col)];
    cell.text.assign(text);
    cell.value = numericValue(cell.text);
    ++textRevision_;
    tellWatchers([row, col](CellGridWatcher& watcher) { watcher.cellChanged(row, col); });
}

void CellGrid::replaceBackColor(int row, int col, Rgb colour) {
    cells_[index(row, col)].back = colour;
    tellWatchers([row, col](CellGridWatcher& watcher) { watcher.cellChanged(row, col); });
}

void CellGrid::moveTo(int row, int col) {
    row = checked(row);
    col = checked(col);
    if (row == row_ && col == col_)
        return;
    if (onLeaveCell)
        onLeaveCell();
    row_ = row;
    col_ = col;
    tellWatchers([](CellGridWatcher& watcher) { watcher.currentChanged(); });
    if (onEnterCell)
        onEnterCell();
}

void CellGrid::clear() {
    for (Cell& cell : cells_)
        cell = Cell{};
    ++textRevision_;
    tellWatchers([](CellGridWatcher& watcher) { watcher.gridChanged(); });
}

void CellGrid::setColWidth(int col, int units) {
    colWidths_[checked(col)] = units;
    tellWatchers([](CellGridWatcher& watcher) { watcher.gridChanged(); });
}

void CellGrid::setRowHeightMin(int units) {
    rowHeight_ = units > DefaultRowHeight ? units : DefaultRowHeight;
    tellWatchers([](CellGridWatcher& watcher) { watcher.gridChanged(); });
}

void CellGrid::setCellSize(int units) {
    for (int col = 0; col < Size; ++col)
        setColWidth(col, units);
    setRowHeightMin(units);
}

void CellGrid::setPosition(int left, int top) {
    left_ = left;
    top_ = top;
}

UnitRect CellGrid::currentCellRect() const {
    UnitRect rect{0, row_ * rowHeight_, colWidths_[col_], rowHeight_};
    for (int c = 0; c < col_; ++c)
        rect.left += colWidths_[c];
    return rect;
}

void CellGrid::unwatch(const CellGridWatcher& watcher) {
    std::erase(watchers_, &watcher);
}
