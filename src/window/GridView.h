// The drawing of one CellGrid: square cells of the grid's layout size, thick 3 x 3
// box borders, the current cell framed, and clicks that make a cell current.
#pragma once

#include "controls/StatusLine.h"
#include "window/GridModel.h"

#include <QTableView>
#include <cstdint>
#include <functional>

class GridView : public QTableView {
    Q_OBJECT
public:
    enum class Style { Digits, Candidates };

    GridView(CellGrid& grid, Style style, QWidget* parent = nullptr);

    GridModel& gridModel() { return model_; }
    // Draws the marks of `line` over the cell colours; none when null. The line
    // must outlive the view.
    void showHighlightsOf(const StatusLine* line);
    CellMarks marksAt(int row, int col) const;
    // Where digit 1-9 stands in `cell` as a candidate: 1-2-3 / 4-5-6 / 7-8-9.
    static QRect digitPlace(const QRect& cell, int digit);
    // Top-left of the first cell in the coordinates of `container`.
    QPoint cellOrigin(const QWidget* container) const;

    // Typing on a grid never moves its current cell to a cell that starts with
    // the typed text: on the entry grid such a jump would store the editor's text.
    void keyboardSearch(const QString&) override {}

    // A key pressed while the grid has the focus, before the view acts on it;
    // returning true swallows the key.
    std::function<bool(const QKeyEvent& event)> onKey;
    // Candidates style: a click on a digit's place (1-2-3 / 4-5-6 / 7-8-9) in a
    // cell, after the cell became current.
    std::function<void(int row, int col, int digit)> onDigitClicked;
    // Candidates style: the digits (bits 1-9) drawn faint in their places.
    std::function<std::uint16_t(int row, int col)> faintDigits;
    // The cells edged in the error colour.
    std::function<bool(int row, int col)> mistakeAt;

signals:
    // The cells may stand elsewhere in the window: the view moved, was resized or shown.
    void moved();
    void focusGained();
    void focusLost(Qt::FocusReason reason);

protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void syncLayout();
    QPointF candidateCentre(int cell, int digit) const;
    void paintArrow(QPainter& painter, const Arrow& arrow) const;
    void showCurrent(int row, int col);
    void takeCurrent(const QModelIndex& current);

    GridModel model_;
    Style style_;
    const StatusLine* marksFrom_ = nullptr;
};
