// What the window shows of the player's own game: candidates struck by key and
// by click and drawn faint, mistakes edged on the grids and counted in the
// status bar, the history beside the grids, and the menus' check items
// remembered between runs.
#include "form/StatusWords.h"
#include "window/GridView.h"
#include "window/MainWindow.h"

#include <QAction>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

namespace {

// Calls `update` once for a burst of changes: a run changes cells by the hundred.
QTimer* coalescing(QObject* owner, std::function<void()> update) {
    auto* timer = new QTimer(owner);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, owner, std::move(update));
    return timer;
}

} // namespace

void MainWindow::bindNotes() {
    Grid1->onDigitClicked = [this](int row, int col, int digit) {
        form_.toggleCandidate(row, col, digit);
    };
    Grid1->onKey = [this](const QKeyEvent& event) { return toggleByKey(event, controls_.Grid1); };
    const auto typing = Grid3->onKey;
    Grid3->onKey = [this, typing](const QKeyEvent& event) {
        return toggleByKey(event, controls_.Grid3) || typing(event);
    };
    Grid1->faintDigits = [this](int row, int col) { return form_.struckAt(row, col); };
    for (GridView* grid : {Grid1, Grid3}) {
        grid->mistakeAt = [this, grid](int row, int col) {
            const MistakeMarks& marks = form_.mistakes();
            const auto cell = static_cast<std::size_t>(row * CellGrid::Size + col);
            return grid == Grid1 ? marks.candidates[cell] : marks.play[cell];
        };
    }
    form_.onMistakesChanged = [this] { showMistakes(); };
    showMistakes();
}

// Ctrl+1 ... Ctrl+9 at the focused grid's current cell.
bool MainWindow::toggleByKey(const QKeyEvent& event, const CellGrid& grid) {
    if (event.modifiers() != Qt::ControlModifier || event.key() < Qt::Key_1 ||
        event.key() > Qt::Key_9)
        return false;
    form_.toggleCandidate(grid.row(), grid.col(), event.key() - Qt::Key_0);
    return true;
}

void MainWindow::buildStatusBar() {
    mistakesLine_ = new QLabel;
    mistakesLine_->setObjectName("MistakesLine");
    mistakesLine_->setAccessibleName("Mistakes");
    statusBar()->addWidget(mistakesLine_);
    clock_ = new QLabel;
    clock_->setObjectName("Clock");
    clock_->setAccessibleName("Time played");
    statusBar()->addPermanentWidget(clock_);
    auto* tick = new QTimer(this);
    const auto showTime = [this] {
        clock_->setText(QString::fromStdString(playedTime(form_.secondsPlayed())));
    };
    connect(tick, &QTimer::timeout, this, showTime);
    tick->start(1000);
    showTime();
}

void MainWindow::showMistakes() {
    const QString line = QString::fromStdString(form_.mistakesLine());
    mistakesLine_->setText(line);
    mistakesLine_->setVisible(!line.isEmpty());
    for (GridView* grid : {Grid1, Grid3})
        grid->viewport()->update();
}

// A dock the user can close; "View", "History" follows it.
QDockWidget* MainWindow::buildHistory() {
    history_ = new QListWidget;
    history_->setObjectName("History");
    history_->setAccessibleName("History");
    historyDock_ = new QDockWidget("History");
    historyDock_->setObjectName("HistoryDock");
    historyDock_->setWidget(history_);
    historyDock_->setFeatures(QDockWidget::DockWidgetClosable);
    historyDock_->hide();
    connect(history_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != form_.play().HistIdx)
            form_.showHistorySlot(row);
    });
    // Hidden by itself, not with the window: its close button.
    connect(historyDock_, &QDockWidget::visibilityChanged, this, [this](bool) {
        if (auto* item = findChild<QAction*>("History"))
            item->setChecked(!historyDock_->isHidden());
    });
    QTimer* refresh = coalescing(this, [this] { showHistory(); });
    form_.onHistoryChanged([refresh] { refresh->start(0); });
    return historyDock_;
}

// One row per slot from 0 to the last recorded in this game (or the slot shown,
// when Forward went past it), the slot shown selected.
void MainWindow::showHistory() {
    const PlaySide& play = form_.play();
    const int rows = std::max<int>(play.lastRecorded(), play.HistIdx) + 1;
    const QSignalBlocker quiet(history_);
    while (history_->count() > rows)
        delete history_->takeItem(history_->count() - 1);
    for (int slot = 0; slot < rows; ++slot) {
        const QString text =
            QString("%1  %2").arg(slot).arg(QString::fromStdString(play.HistLabel(slot)));
        if (slot < history_->count())
            history_->item(slot)->setText(text);
        else
            history_->addItem(text);
    }
    history_->setCurrentRow(play.HistIdx);
}

// Every check item keeps the state it was left in, from one run to the next.
void MainWindow::rememberChecks() {
    for (QAction* item : findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
        if (!item->isCheckable())
            continue;
        const QString key = "menus/" + item->objectName();
        item->setChecked(settings_->value(key, item->isChecked()).toBool());
        connect(item, &QAction::toggled, this,
                [this, key](bool on) { settings_->setValue(key, on); });
    }
}
