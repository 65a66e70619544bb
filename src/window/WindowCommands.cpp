// The window's commands: the menu bar's table, the buttons' keys, the play
// grid's keys, and the menu commands that need the toolkit (the puzzle maker,
// the clipboard and the file dialog) before they hand over to the form.
#include "entry/KeyCodes.h"
#include "window/GridView.h"
#include "window/MainWindow.h"
#include "window/PrintDialog.h"
#include "window/StatisticsDialog.h"

#include <QClipboard>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

namespace {

using engine::Level;

QKeySequence ctrl(Qt::Key key) {
    return QKeySequence(Qt::CTRL | key);
}

const QKeySequence RepeatLevelKey = ctrl(Qt::Key_N);

// The levels of "New ... Puzzle".
constexpr Level MenuLevels[] = {Level::Easy, Level::Medium, Level::Hard, Level::Expert,
                                Level::Extreme};

// The action of "New ... Puzzle" for `level`.
QString newPuzzleAction(Level level) {
    const QString names[] = {"NewEasyPuzzle", "NewMediumPuzzle", "NewHardPuzzle", "NewExpertPuzzle",
                             "NewExtremePuzzle"};
    return names[static_cast<int>(level)];
}

const std::vector<ButtonKeys> ButtonTable = {
    {"Command3", {ctrl(Qt::Key_Z)}, KeyScope::Window},
    {"Command4",
     {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), ctrl(Qt::Key_Y)},
     KeyScope::Window},
    {"Command1", {Qt::Key_U}, KeyScope::Grids},
    {"Command13", {Qt::Key_C}, KeyScope::Grids},
    {"Command9", {Qt::Key_D}, KeyScope::Grids},
    {"Cmd_findodd", {Qt::Key_A}, KeyScope::Grids},
    // Stop must reach a run started with a click, which leaves the focus on a button.
    {"Command12", {Qt::Key_Escape}, KeyScope::Controls},
};

// The character code Grid3_KeyPress takes for a key, Delete as Backspace; 0 for
// a key with Ctrl, Alt or Meta, which is no typing.
int playKeyCode(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    if (event.key() == Qt::Key_Delete || event.key() == Qt::Key_Backspace)
        return Keys::Backspace;
    return event.text().size() == 1 ? event.text().at(0).unicode() : 0;
}

std::filesystem::path pathOf(const QString& file) {
    return QFile::encodeName(file).toStdString();
}

} // namespace

std::vector<MenuTable> MainWindow::menus() {
    const auto run = [this](void (MainWindow::*command)()) {
        return [this, command] { (this->*command)(); };
    };
    const auto level = [this](Level asked) { return [this, asked] { newPuzzle(asked); }; };
    return {
        {"&Game",
         {
             {"New &Easy Puzzle", {RepeatLevelKey}, KeyScope::Window, level(Level::Easy)},
             {"New &Medium Puzzle", {}, KeyScope::Window, level(Level::Medium)},
             {"New &Hard Puzzle", {}, KeyScope::Window, level(Level::Hard)},
             {"New E&xpert Puzzle", {}, KeyScope::Window, level(Level::Expert)},
             {"New Ex&treme Puzzle", {}, KeyScope::Window, level(Level::Extreme)},
             {"Contin&ue Last Game",
              {ctrl(Qt::Key_R)},
              KeyScope::Window,
              [this] { form_.continueLastGame(); }},
             {},
             {"&Copy Puzzle", {ctrl(Qt::Key_C)}, KeyScope::Window, run(&MainWindow::copyPuzzle)},
             {"&Paste Puzzle", {ctrl(Qt::Key_V)}, KeyScope::Window, run(&MainWindow::pastePuzzle)},
             {},
             {"&Import Puzzles…", {}, KeyScope::Window, run(&MainWindow::importPuzzles)},
             {"Expo&rt Puzzles…", {}, KeyScope::Window, run(&MainWindow::exportPuzzles)},
             {"Pri&nt Puzzles…", {}, KeyScope::Window, run(&MainWindow::printPuzzles)},
             {},
             {"&Statistics…", {}, KeyScope::Window, run(&MainWindow::showStatistics)},
             {},
             {"&Quit", {ctrl(Qt::Key_Q)}, KeyScope::Window, [this] { close(); }},
         }},
        {"&Notes",
         {
             {"&Fill Candidates", {Qt::Key_F}, KeyScope::Grids, [this] { form_.fillCandidates(); }},
             {"&Reset Candidates",
              {QKeySequence(Qt::SHIFT | Qt::Key_F)},
              KeyScope::Grids,
              [this] { form_.resetCandidates(); }},
             {},
             {"Remove Candidates When &Placing",
              {},
              KeyScope::Window,
              {},
              [this](bool on) { form_.setRemoveWhenPlacing(on); }},
             {"Show &Mistakes",
              {ctrl(Qt::Key_M)},
              KeyScope::Window,
              {},
              [this](bool on) { form_.setShowMistakes(on); }},
             {"&Back to Last Correct Board",
              {ctrl(Qt::Key_B)},
              KeyScope::Window,
              [this] { form_.backToLastCorrectBoard(); }},
         }},
        {"&View",
         {
             {"&History",
              {ctrl(Qt::Key_H)},
              KeyScope::Window,
              {},
              [this](bool on) { historyDock_->setVisible(on); }},
             {"&Clock",
              {},
              KeyScope::Window,
              {},
              [this](bool on) { clock_->setVisible(on); },
              true},
         }},
        {"&Help",
         {
             {"&Hint", {Qt::Key_H}, KeyScope::Grids, [this] { form_.askForHint(false); }},
             {"A&pply Hint",
              {QKeySequence(Qt::SHIFT | Qt::Key_H)},
              KeyScope::Grids,
              [this] { form_.askForHint(true); }},
             {},
             {"&Keyboard Shortcuts",
              {},
              KeyScope::Window,
              [this] { form_.showShortcuts(shortcutList(this)); }},
             {"&About", {}, KeyScope::Window, [this] { form_.showAbout(); }},
         }},
    };
}

void MainWindow::bindKeys() {
    KeyTargets targets{this, {Grid1, Grid2, Grid3}, {}};
    for (QPushButton* button : findChildren<QPushButton*>())
        targets.buttons << button;
    bindButtonKeys(ButtonTable, targets);
    setMenuBar(buildMenuBar(menus(), targets));
    rememberChecks();
    Grid3->onKey = [this](const QKeyEvent& event) {
        int code = playKeyCode(event);
        if (code == 0)
            return false;
        form_.Grid3_KeyPress(code);
        return code == 0;
    };
    form_.onMakingPuzzle = [this] { showMaking(); };
    chooseFile = [this](bool saving) {
        const QString filter = tr("Puzzle files (*.txt *.sdm);;All files (*)");
        return saving
                   ? QFileDialog::getSaveFileName(this, tr("Export Puzzles"), "puzzles.txt", filter)
                   : QFileDialog::getOpenFileName(this, tr("Import Puzzles"), {}, filter);
    };
}

// One puzzle at a time; Ctrl+N moves to the level asked for.
void MainWindow::newPuzzle(Level level) {
    if (form_.makingPuzzle())
        return;
    for (Level each : MenuLevels)
        findChild<QAction*>(newPuzzleAction(each))
            ->setShortcuts(each == level ? QList{RepeatLevelKey} : QList<QKeySequence>{});
    form_.askNewPuzzle(level);
}

void MainWindow::showMaking() {
    const bool making = form_.makingPuzzle();
    for (Level each : MenuLevels)
        findChild<QAction*>(newPuzzleAction(each))->setEnabled(!making);
    if (making)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void MainWindow::printPuzzles() {
    PrintDialog dialog(form_, this);
    dialog.exec();
}

void MainWindow::showStatistics() {
    StatisticsDialog dialog(form_, this);
    dialog.exec();
}

void MainWindow::copyPuzzle() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(form_.copyPuzzle()));
}

void MainWindow::pastePuzzle() {
    form_.pastePuzzle(QGuiApplication::clipboard()->text().toStdString());
}

void MainWindow::importPuzzles() {
    if (const QString file = chooseFile(false); !file.isEmpty())
        form_.importPuzzles(pathOf(file));
}

void MainWindow::exportPuzzles() {
    if (const QString file = chooseFile(true); !file.isEmpty())
        form_.exportPuzzles(pathOf(file));
}
