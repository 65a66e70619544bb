// The hints and the live check on the window: the engine's share of both off
// the window's thread, and the status lines with the grids' highlights kept
// true to the board shown.
#pragma once

#include "form/Frm_TaBrel.h"
#include "window/NewestAnswer.h"

#include <QObject>
#include <QTimer>

class GridView;
class QLabel;

class Advisor : public QObject {
public:
    // The views show form.Grid1, Grid3 and Grid2; the labels show PlayStatus and
    // EntryStatus. Everything must outlive the advisor, which `window` owns.
    Advisor(Frm_TaBrel& form, GridView* grid1, GridView* grid3, GridView* grid2, QLabel* playLine,
            QLabel* entryLine, QWidget* window);

    // "Hint", or with `apply` "Apply Hint": the answer shows at once when the
    // engine is quick, else a line says it is looking and the answer follows.
    void askHint(bool apply);

private:
    void checkEntry();
    // The label shows the line's text, also as its tooltip.
    void bindLabel(QLabel* label, StatusLine& line);
    // The highlights live beside the cells, so a new line repaints the grids.
    void repaintGrids();

    Frm_TaBrel& form_;
    QList<GridView*> grids_;
    QTimer entryChanged_; // one check for a burst of cell changes
    NewestAnswer<Hint> hints_;
    NewestAnswer<EntryVerdict> verdicts_;
};
