// Stored games through the window: the list, "Save Game", "Restore Game", "Delete Game".
#include "WindowFixture.h"
#include "support/BoardText.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QTabBar>
#include <QTabWidget>

namespace {

class StoredGamesTest : public WindowTest {
protected:
    StoredGamesTest() : list(find<QComboBox>("DataCombo1")) {}

    // Opens the list and clicks entry `index`, as the user does.
    void pick(int index) {
        list->showPopup();
        QAbstractItemView* view = list->view();
        const QRect entry = view->visualRect(view->model()->index(index, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
    }

    void showPage(int page) {
        QTabBar* tabs = find<QTabWidget>("SSTab2")->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
    }

    // Types `board` into the entry grid in fast mode: a digit stores and moves on,
    // Right skips an empty cell; a last click stores the bottom-right digit.
    void typeIntoEntryGrid(std::string_view board) {
        showPage(1);
        QTest::mouseClick(find<QCheckBox>("Check1"), Qt::LeftButton);
        clickCell("Grid2", 0, 0);
        for (const char cell : cellsOf(board)) {
            if (cell == '.')
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
            else
                QTest::keyClicks(QApplication::focusWidget(), QString(cell));
        }
        clickCell("Grid2", 0, 0);
    }

    QComboBox* list;
};

TEST_F(StoredGamesTest, APuzzleTypedOnTheEntryPageIsSavedAndRestored) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    typeIntoEntryGrid(OtherPuzzle);
    click("Command5");
    ASSERT_EQ(list->count(), 1);
    pick(0);
    click("Command6");
    showPage(0);
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 9; ++col)
            EXPECT_EQ(window.form().Grid3.text(row, col), window.form().Grid2.text(row, col))
                << row << ',' << col;
    EXPECT_EQ(boardOf(window.form().Grid3), cellsOf(OtherPuzzle));
}

TEST_F(StoredGamesTest, ASavedPuzzleIsListedAndRestoredOntoPlayGame) {
    EXPECT_EQ(list->count(), 0);
    showPage(1);
    putBoard(window.form().Grid2, OtherPuzzle);
    click("Command5");
    window.form().Grid2.clear();
    click("Command5");
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->itemText(0).startsWith("2-"));
    EXPECT_EQ(list->itemData(1).toLongLong(), 1);
    EXPECT_EQ(list->currentIndex(), -1);

    pick(1);
    EXPECT_EQ(list->currentText(), list->itemText(1));
    click("Command6");
    showPage(0);
    const std::string cells = cellsOf(OtherPuzzle);
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 9; ++col) {
            const char cell = cells[static_cast<std::size_t>(row * 9 + col)];
            EXPECT_EQ(cellText("Grid3", row, col), cell == '.' ? "" : QString(cell));
        }
}

TEST_F(StoredGamesTest, DeleteGameWithYesLeavesTheNewestGameInTheEditField) {
    click("Command5");
    click("Command5");
    pick(1);
    shell.messages.answerNext(MsgAnswer::Yes);
    click("Command10");
    EXPECT_EQ(shell.messages.texts().back(), "Are you sure to Delete Game 1");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(list->currentText(), list->itemText(0));
}

} // namespace
