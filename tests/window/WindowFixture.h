// The real window offscreen on a fresh folder, with real clicks and keys and scripted boxes.
#pragma once

#include "support/FormFixture.h"
#include "support/TempFolder.h"
#include "window/GridView.h"
#include "window/MainWindow.h"
#include "window/PrintDialog.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <functional>

class ScriptedQtShell : public QtShell {
public:
    MessageScript messages;
    std::function<void()> everyYield; // runs inside every yield, after the event loop's pass
    // When set, answers every box in place of the script.
    std::function<MsgAnswer(MsgButtons)> answerEveryBox;

    MsgAnswer msgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                     const std::string&) override {
        if (answerEveryBox)
            return answerEveryBox(buttons);
        return messages.show(text, buttons, icon);
    }
    void yield() override {
        QtShell::yield();
        if (everyYield)
            everyYield();
    }
    // A clock that moves only when the test moves it.
    std::chrono::system_clock::time_point clock{std::chrono::seconds(1'800'000'000)};
    std::chrono::system_clock::time_point now() override { return clock; }
};

class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <typename Widget = QWidget>
    Widget* find(const char* name) {
        return window.findChild<Widget*>(name);
    }
    void click(const char* name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    void trigger(const char* name) { find<QAction>(name)->trigger(); }
    // Types `keys` into the focused widget, as the user does.
    void key(QKeySequence keys) { QTest::keySequence(QApplication::focusWidget(), keys); }
    void typeAt(int row, int col, Qt::Key digit) {
        clickCell("Grid3", row, col);
        key(digit);
    }
    std::string text(const char* label) { return find<QLabel>(label)->text().toStdString(); }
    // Answers may come from a worker thread.
    bool waitForText(const char* label, const std::string& shown) {
        return QTest::qWaitFor([&] { return text(label) == shown; }, 10000);
    }

    void showPage(int page) {
        QTabBar* tabs = find<QTabWidget>("SSTab2")->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
    }

    QModelIndex cell(const char* grid, int row, int col) {
        return find<GridView>(grid)->model()->index(row, col);
    }

    // Where cell (row, col) of `grid` lies, in the coordinates of `widget`.
    QRect cellRect(const char* grid, int row, int col, QWidget* widget) {
        const QRect rect = find<GridView>(grid)->visualRect(cell(grid, row, col));
        return {find<GridView>(grid)->viewport()->mapTo(widget, rect.topLeft()), rect.size()};
    }

    void clickCell(const char* grid, int row, int col) {
        QWidget* viewport = find<GridView>(grid)->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {},
                          cellRect(grid, row, col, viewport).center());
    }

    // A pixel of the cell's own area, inside the edge a mark draws.
    QColor tint(const char* grid, int row, int col) {
        QWidget* viewport = find<GridView>(grid)->viewport();
        const QPoint inside = cellRect(grid, row, col, viewport).topLeft() + QPoint(6, 6);
        return viewport->grab().toImage().pixelColor(inside);
    }
    const QColor plain{255, 255, 255};

    // The grid as the user sees it, row by row, '.' for an empty cell.
    std::string shown(const char* grid) {
        QString board;
        for (int i = 0; i < 81; ++i)
            board += cell(grid, i / 9, i % 9).data().toString().leftJustified(1, '.');
        return board.toStdString();
    }

    ScriptedQtShell shell;
    // The program's folder: no test sees another's stored games or settings.
    TempFolder folder;
    MainWindow window{shell, where(), inFolder("settings.ini")};

    QString where() const { return QString::fromStdString(folder.path().string()); }
    QString inFolder(const char* name) const { return where() + "/" + name; }
};
