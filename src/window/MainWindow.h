// The window: draws the form's grids and controls and forwards the user's events
// to the form's handlers. It holds no game logic.
#pragma once

#include "form/Frm_TaBrel.h"
#include "window/GameMenu.h"
#include "window/QtShell.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <functional>
#include <memory>

class GridView;
class QCheckBox;
class QDockWidget;
class QListWidget;
class QSettings;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The window's caption.
inline constexpr const char* WindowCaption = "T A B R E L - The Brain Game From Vardelwick";

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Builds the controls, then runs the form's start-up. The stored games are kept
    // in `programFolder`: the one main chooses (see GameFolder.h), the folder of the
    // executable when none is given. The menus' check items are remembered in
    // `settingsFile`, or where the desktop keeps the program's settings when none
    // is given.
    explicit MainWindow(QtShell& shell,
                        const QString& programFolder = QCoreApplication::applicationDirPath(),
                        const QString& settingsFile = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    Frm_TaBrel& form() { return form_; }

    // Asks for the file of "Import Puzzles…" (`saving` false) or "Export
    // Puzzles…" (true); "" when the user cancels. The standard file dialog
    // unless a test puts another in its place.
    std::function<QString(bool saving)> chooseFile;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildPlayPage();
    QWidget* buildEntryPage();
    QWidget* buildOutsideTabs();
    QPushButton* button(const char* name, const char* caption, void (Frm_TaBrel::*handler)());
    void bindTextBox(QLineEdit* edit, TextBox& box);
    void bindGameList();

    // The commands of the menu bar and the keys of the buttons (WindowCommands.cpp).
    std::vector<MenuTable> menus();
    void bindKeys();
    void newPuzzle(engine::Level level);
    // While a puzzle is made the entries wait, greyed, with a busy cursor.
    void showMaking();
    // The label shows the line's text, also as its tooltip, and the grids its marks.
    void bindLine(QLabel* label, StatusLine& line, std::initializer_list<GridView*> grids);
    void copyPuzzle();
    void pastePuzzle();
    void importPuzzles();
    void exportPuzzles();
    void printPuzzles();
    void showStatistics();

    // The player's own game (PlayerViews.cpp): candidates struck by key and
    // click and drawn faint, the mistakes marked and counted in the status bar,
    // the history beside the grids, and the check items remembered.
    void bindNotes();
    bool toggleByKey(const QKeyEvent& event, const CellGrid& grid);
    QDockWidget* buildHistory();
    void showHistory();
    void showMistakes();
    void rememberChecks();
    // The status bar: the mistakes line and the clock of the time played.
    void buildStatusBar();

    QtShell& shell_;
    Frm_TaBrel form_;
    Frm_TaBrel::Controls controls_ = form_.controls();
    QTabWidget* SSTab2 = nullptr;
    QWidget* entryPage_ = nullptr;
    GridView* Grid1 = nullptr;
    GridView* Grid2 = nullptr;
    GridView* Grid3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QComboBox* DataCombo1 = nullptr;
    QLabel* playLine_ = nullptr;  // under the play grid: hints and roll-backs
    QLabel* entryLine_ = nullptr; // under the entry grid: the live check
    QLabel* mistakesLine_ = nullptr;
    QLabel* clock_ = nullptr;
    QDockWidget* historyDock_ = nullptr;
    QListWidget* history_ = nullptr;
    std::unique_ptr<QSettings> settings_;
};
