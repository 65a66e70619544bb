// The floating editor of the entry grid: a one-line edit laid exactly over the
// grid's current cell, showing the form's Text1 and forwarding the user's keys,
// focus changes and the grid's focus to the form's handlers.
#pragma once

#include "form/Frm_TaBrel.h"

#include <QLineEdit>

class GridView;

class CellEditor : public QLineEdit {
    Q_OBJECT
public:
    // `grid` shows the form's Grid2; both lie on `page`, which owns the editor.
    CellEditor(Frm_TaBrel& form, GridView* grid, QWidget* page);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool handlersSwallow(const QKeyEvent& event);
    void showForm();
    void place(const UnitRect& rect);
    void takeText(const QString& text);
    void followFormFocus();
    void followGrid();

    Frm_TaBrel& form_;
    TextBox& Text1_;
    GridView* grid_;
    // Set while the edit and the form are being made alike: the focus and caret
    // changes Qt makes in answer are echoes, not the user's doing.
    bool syncing_ = false;
};
