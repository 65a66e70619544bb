// The entry grid's floating editor as a person meets it: real clicks on the
// grid, real keys to whatever holds the focus.
#include "WindowFixture.h"

#include <QCheckBox>
#include <QLayout>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

namespace {

const QColor CyanColour(0, 255, 255);
const QColor MagentaColour(255, 0, 255);

class CellEditorTest : public WindowTest {
protected:
    CellEditorTest() { EXPECT_TRUE(QTest::qWaitForWindowActive(&window)); }

    void showEntryPage() {
        QTabBar* tabs = find<QTabWidget>("SSTab2")->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    }

    QLineEdit* editor() { return find<QLineEdit>("Text1"); }
    QWidget* focused() { return QApplication::focusWidget(); }
    void type(const char* keys) { QTest::keyClicks(focused(), keys); }
    void press(Qt::Key key) { QTest::keyClick(focused(), key); }

    // The pixels of a cell of the entry grid, on the page the editor lies on.
    QRect cellOnPage(int row, int col) {
        auto* grid = find<GridView>("Grid2");
        const QRect cell = grid->visualRect(grid->model()->index(row, col));
        return {grid->viewport()->mapTo(editor()->parentWidget(), cell.topLeft()), cell.size()};
    }

    QColor cellColour(int row, int col) {
        auto* grid = find<GridView>("Grid2");
        return grid->model()->index(row, col).data(Qt::BackgroundRole).value<QColor>();
    }
};

TEST_F(CellEditorTest, FastEntryStoresATypedRowInCyan) {
    showEntryPage();
    QTest::mouseClick(find<QCheckBox>("Check1"), Qt::LeftButton);
    clickCell("Grid2", 4, 0);
    type("123456789");
    for (int col = 0; col < 9; ++col) {
        SCOPED_TRACE(col);
        EXPECT_EQ(cellText("Grid2", 4, col), QString::number(col + 1));
        EXPECT_EQ(cellColour(4, col), CyanColour);
    }
    EXPECT_EQ(editor()->text(), "") << "digits are swallowed, not typed";
    EXPECT_EQ(editor()->geometry(), cellOnPage(5, 0));
}

TEST_F(CellEditorTest, NormalEntryStoresOnEnterAndTheEditorTurnsWhiteWithoutTheFocus) {
    window.form().Grid2.setText(2, 3, "5");
    showEntryPage();
    clickCell("Grid2", 2, 2);
    type("35");
    press(Qt::Key_Return);
    EXPECT_EQ(cellText("Grid2", 2, 2), "35");
    EXPECT_EQ(cellColour(2, 2), CyanColour);
    EXPECT_EQ(editor()->geometry(), cellOnPage(2, 3));
    type("1");
    EXPECT_EQ(editor()->text(), "15") << "moving on keeps the focus, so the first key is spent";
    QTest::mouseClick(find<QCheckBox>("Check1"), Qt::LeftButton);
    EXPECT_EQ(editor()->palette().color(QPalette::Base), QColor(255, 255, 255));
}

TEST_F(CellEditorTest, EditorCoversTheClickedCellAndFollowsTheArrowKeys) {
    struct Step {
        const char* name;
        Qt::Key key;
        int row;
        int col;
    };
    const Step steps[] = {{"right wraps down", Qt::Key_Right, 1, 0},
                          {"left wraps up", Qt::Key_Left, 0, 8},
                          {"down", Qt::Key_Down, 1, 8},
                          {"up", Qt::Key_Up, 0, 8},
                          {"left", Qt::Key_Left, 0, 7}};
    showEntryPage();
    clickCell("Grid2", 0, 8);
    EXPECT_EQ(focused(), editor());
    EXPECT_EQ(editor()->geometry(), cellOnPage(0, 8));
    EXPECT_EQ(editor()->palette().color(QPalette::Base), MagentaColour);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        press(step.key);
        EXPECT_EQ(focused(), editor());
        EXPECT_EQ(editor()->geometry(), cellOnPage(step.row, step.col));
    }
}

TEST_F(CellEditorTest, EditorStaysOverItsCellWhenTheLayoutMovesTheGrid) {
    showEntryPage();
    clickCell("Grid2", 1, 1);
    const QRect before = cellOnPage(1, 1);
    QLayout* page = editor()->parentWidget()->layout();
    page->setContentsMargins(40, 30, 0, 0);
    page->activate();
    ASSERT_NE(cellOnPage(1, 1), before);
    EXPECT_EQ(editor()->geometry(), cellOnPage(1, 1));
    press(Qt::Key_Down);
    EXPECT_EQ(editor()->geometry(), cellOnPage(2, 1));
}

// A digit typed while the grid itself has the focus must not jump the current
// cell to a cell holding that digit, storing the editor on the way.
TEST_F(CellEditorTest, TypingOnTheFocusedGridMovesNothing) {
    window.form().Grid2.setText(4, 1, "5");
    showEntryPage();
    clickCell("Grid2", 1, 1);
    type("7");
    auto* grid = find<GridView>("Grid2");
    grid->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(focused(), grid) << "an attached editor leaves the grid the focus";
    type("5");
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(1, 1));
    EXPECT_EQ(cellText("Grid2", 1, 1), "");
}

// Qt moves the focus onto the page before it reports the page change; the
// editor must already be free to take it from the grid.
TEST_F(CellEditorTest, TurningToTheEntryPageFromTheKeyboardFocusAttachesTheEditor) {
    QTest::mouseClick(find<QLineEdit>("Text2"), Qt::LeftButton);
    showEntryPage();
    EXPECT_EQ(focused(), editor());
    EXPECT_EQ(editor()->geometry(), cellOnPage(0, 0));
    type("7");
    press(Qt::Key_Return);
    EXPECT_EQ(cellText("Grid2", 0, 0), "7");
}

} // namespace
