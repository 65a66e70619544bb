// Cell text to DisplayRole, cell colour to BackgroundRole, grid changes to dataChanged.
#include "window/GridModel.h"

#include <QColor>

GridModel::GridModel(CellGrid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {
    grid_.watch(*this);
}

GridModel::~GridModel() {
    grid_.unwatch(*this);
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : CellGrid::Size;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : CellGrid::Size;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return QString::fromStdString(grid_.text(index.row(), index.column()));
    case Qt::BackgroundRole: {
        const Rgb back = grid_.backColor(index.row(), index.column());
        return QColor(back.r, back.g, back.b);
    }
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void GridModel::cellChanged(int row, int col) {
    const QModelIndex cell = index(row, col);
    emit dataChanged(cell, cell);
}

void GridModel::gridChanged() {
    emit dataChanged(index(0, 0), index(CellGrid::Size - 1, CellGrid::Size - 1));
    emit layoutUnitsChanged();
}

void GridModel::currentChanged() {
    emit currentCellChanged(grid_.row(), grid_.col());
}
