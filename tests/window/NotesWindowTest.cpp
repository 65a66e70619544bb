// The player's game on the window: struck candidates, the mistakes line, the history dock.
#include "WindowFixture.h"

#include <QDockWidget>
#include <QListWidget>

namespace {

class NotesWindow : public WindowTest {
protected:
    std::string candidates(int row, int col) {
        return cell("Grid1", row, col).data().toString().toStdString();
    }
    // A click on the place of `digit` in a cell of the candidate grid.
    void clickDigit(int row, int col, int digit) {
        QWidget* viewport = find<GridView>("Grid1")->viewport();
        const QRect place = GridView::digitPlace(cellRect("Grid1", row, col, viewport), digit);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, place.center());
    }
};

// Each Ctrl+digit (on either play-side grid) and each click strikes exactly that
// candidate, and one Revert takes it back.
TEST_F(NotesWindow, EachCtrlDigitAndEachClickTogglesOneCandidate) {
    for (int digit = 1; digit <= 9; ++digit) {
        SCOPED_TRACE(digit);
        std::string expected = "123456789";
        expected.erase(static_cast<std::size_t>(digit - 1), 1);
        // A click on the candidate grid would strike the digit under it.
        const char* grid = digit % 2 ? "Grid3" : "Grid1";
        find(grid)->setFocus();
        (digit % 2 ? window.form().controls().Grid3 : window.form().controls().Grid1)
            .setCurrent(4, 4);
        QTest::keyClick(find(grid), Qt::Key(Qt::Key_0 + digit), Qt::ControlModifier);
        EXPECT_EQ(candidates(4, 4), expected);
        click("Command3");
        clickDigit(0, 1, digit);
        EXPECT_EQ(candidates(0, 1), expected);
        click("Command3");
        EXPECT_EQ(candidates(0, 1), "123456789");
        EXPECT_EQ(candidates(4, 4), "123456789");
    }
    clickCell("Grid3", 0, 0);
    QTest::keyClick(find("Grid3"), Qt::Key_5, Qt::ControlModifier);
    EXPECT_EQ(candidates(0, 0), "123456789") << "r1c1 holds a given";
}

// The menus' check items, the mistakes line and the history dock; the check
// items come back as they were left in the next run.
TEST_F(NotesWindow, MistakesAndTheHistoryShowAsTheMenusSay) {
    auto* line = find<QLabel>("MistakesLine");
    EXPECT_FALSE(line->isVisible());
    key(Qt::Key_M); // nothing: Ctrl+M is the key
    key(Qt::CTRL | Qt::Key_M);
    typeAt(8, 7, Qt::Key_1);
    ASSERT_TRUE(waitForText("MistakesLine", "Mistakes: 1"));
    EXPECT_TRUE(line->isVisible());
    key(Qt::CTRL | Qt::Key_H);
    auto* history = find<QListWidget>("History");
    ASSERT_TRUE(QTest::qWaitFor([&] { return history->count() == 2; }));
    EXPECT_TRUE(find<QDockWidget>("HistoryDock")->isVisible());
    EXPECT_EQ(history->item(1)->text(), "1  r9c8 = 1");
    EXPECT_EQ(history->currentRow(), 1);
    history->setCurrentRow(0);
    EXPECT_EQ(shown("Grid3"), cellsOf(BuiltInBoard));
    ASSERT_TRUE(waitForText("MistakesLine", "Mistakes: 0"));

    ScriptedQtShell nextShell;
    MainWindow next{nextShell, where(), inFolder("settings.ini")};
    EXPECT_TRUE(next.findChild<QAction*>("ShowMistakes")->isChecked());
    EXPECT_TRUE(next.findChild<QAction*>("History")->isChecked());
    EXPECT_FALSE(next.findChild<QAction*>("RemoveCandidatesWhenPlacing")->isChecked());
}

} // namespace
