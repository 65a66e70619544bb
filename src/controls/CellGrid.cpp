// Plain-data grid: every change goes to the observer, every move of the current
// cell to the leave and enter notifications.
#include "controls/CellGrid.h"

#include "controls/NumericValue.h"

void CellGrid::replaceText(int row, int col, std::string_view text) {
    Cell& cell = cells_[index(row, col)];
    cell.text.assign(text);
    cell.value = numericValue(cell.text);
    ++textRevision_;
    notifyCell(row, col);
}

void CellGrid::replaceBackColor(int row, int col, Rgb colour) {
    cells_[index(row, col)].back = colour;
    notifyCell(row, col);
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
    if (observer_)
        observer_->currentChanged();
    if (onEnterCell)
        onEnterCell();
}

void CellGrid::clear() {
    for (Cell& cell : cells_)
        cell = Cell{};
    ++textRevision_;
    notifyGrid();
}

void CellGrid::setColWidth(int col, int units) {
    colWidths_[checked(col)] = units;
    notifyGrid();
}

void CellGrid::setRowHeightMin(int units) {
    rowHeight_ = units > DefaultRowHeight ? units : DefaultRowHeight;
    notifyGrid();
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

void CellGrid::notifyCell(int row, int col) {
    if (observer_)
        observer_->cellChanged(row, col);
}

void CellGrid::notifyGrid() {
    if (observer_)
        observer_->gridChanged();
}
