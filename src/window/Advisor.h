// The hints and the live check on the window: the "Hint" and "Apply Hint"
// actions, the engine's share of both off the window's thread, and the status
// lines with the grids' highlights kept true to the board shown.
#pragma once

#include "form/Frm_TaBrel.h"
#include "window/NewestAnswer.h"

#include <QList>
#include <QObject>
#include <QTimer>

class GridView;
class QAction;
class QLabel;

class Advisor : public QObject {
public:
    // The views show form.Grid1, Grid3 and Grid2; the labels show PlayStatus and
    // EntryStatus. Everything must outlive the advisor, which `window` owns.
    Advisor(Frm_TaBrel& form, GridView* grid1, GridView* grid3, GridView* grid2, QLabel* playLine,
            QLabel* entryLine, QWidget* window);

    // "Hint" (H) and "Apply Hint" (Shift+H), for the window's menu. Their keys act
    // only while a grid has the focus, never while a text box takes the typing.
    QList<QAction*> actions() const { return {hint_, applyHint_}; }

private:
    QAction* gridAction(const char* name, const char* text, const QKeySequence& key, bool apply);
    void askHint(bool apply);
    void checkEntry();
    // The highlights live beside the cells, so a new line repaints the grids.
    void repaintGrids();

    Frm_TaBrel& form_;
    QList<GridView*> grids_;
    QAction* hint_;
    QAction* applyHint_;
    QTimer entryChanged_; // one check for a burst of cell changes
    NewestAnswer<Hint> hints_;
    NewestAnswer<EntryVerdict> verdicts_;
};
