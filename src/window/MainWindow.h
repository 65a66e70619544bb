// The window: draws the form's grids and controls and forwards the user's events
// to the form's handlers. It holds no game logic.
#pragma once

#include "board/Frm_TaBrel.h"
#include "window/QtShell.h"

#include <QWidget>

class GridView;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The window's caption.
inline constexpr const char* WindowCaption = "T A B R E L - The Brain Game From Vardelwick";

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Builds the controls, then runs the form's start-up.
    explicit MainWindow(QtShell& shell, QWidget* parent = nullptr);

    Frm_TaBrel& form() { return form_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildPlayPage();
    QWidget* buildEntryPage();
    QWidget* buildOutsideTabs();
    QPushButton* button(const char* name, const char* caption, void (Frm_TaBrel::*handler)());
    void bindTextBox(QLineEdit* edit, TextBox& box);
    void placeEditor();
    void trackGrid2Position();

    QtShell& shell_;
    Frm_TaBrel form_;
    QTabWidget* SSTab2 = nullptr;
    QWidget* entryPage_ = nullptr;
    GridView* Grid1 = nullptr;
    GridView* Grid2 = nullptr;
    GridView* Grid3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QComboBox* DataCombo1 = nullptr;
};
