// A thin Qt model over one CellGrid: no copy of the board, only the cells that
// changed are reported to the view.
#pragma once

#include "controls/CellGrid.h"

#include <QAbstractTableModel>

class GridModel : public QAbstractTableModel, private CellGridWatcher {
    Q_OBJECT
public:
    explicit GridModel(CellGrid& grid, QObject* parent = nullptr);
    ~GridModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    CellGrid& grid() { return grid_; }

signals:
    void currentCellChanged(int row, int col);
    void layoutUnitsChanged();

private:
    void cellChanged(int row, int col) override;
    void gridChanged() override;
    void currentChanged() override;

    CellGrid& grid_;
};
