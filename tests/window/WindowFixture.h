// The real window on Qt's offscreen platform, with message boxes answered from a
// script instead of waiting for a person.
#pragma once

#include "support/MessageScript.h"
#include "support/TempFolder.h"
#include "window/GridView.h"
#include "window/MainWindow.h"

#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

class ScriptedQtShell : public QtShell {
public:
    MessageScript messages;
    // Runs inside every yield, after the event loop's pass.
    std::function<void()> everyYield;

    MsgAnswer msgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                     const std::string& caption) override {
        return messages.show(text, buttons, icon, caption);
    }
    void yield() override {
        QtShell::yield();
        if (everyYield)
            everyYield();
    }
};

class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <typename Widget>
    Widget* find(const char* name) {
        auto* widget = window.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << "no control named " << name;
        return widget;
    }

    void click(const char* buttonName) {
        QTest::mouseClick(find<QPushButton>(buttonName), Qt::LeftButton);
    }

    void clickCell(const char* gridName, int row, int col) {
        auto* grid = find<GridView>(gridName);
        const QRect cell = grid->visualRect(grid->model()->index(row, col));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    QString cellText(const char* gridName, int row, int col) {
        auto* grid = find<GridView>(gridName);
        return grid->model()->index(row, col).data().toString();
    }

    ScriptedQtShell shell;
    TempFolder folder; // the program's folder: no test sees another's stored games
    MainWindow window{shell, QString::fromStdString(folder.path().string())};
};
