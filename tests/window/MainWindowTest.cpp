// What the user sees and does: the start-up board, the controls, real clicks and keys.
#include "WindowFixture.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

namespace {

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, StartsWithTheBuiltInPuzzleAndCyanGivens) {
    EXPECT_EQ(window.windowTitle(), "T A B R E L - The Brain Game From Vardelwick");
    EXPECT_EQ(find<QTabWidget>("SSTab2")->currentIndex(), 0);
    EXPECT_EQ(cellText("Grid3", 0, 0), "5");
    EXPECT_EQ(cellText("Grid3", 8, 8), "3");
    EXPECT_EQ(cellText("Grid3", 0, 1), "");
    auto* grid3 = find<GridView>("Grid3");
    EXPECT_EQ(grid3->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(),
              QColor(0, 255, 255));
    EXPECT_EQ(grid3->model()->index(0, 1).data(Qt::BackgroundRole).value<QColor>(),
              QColor(255, 255, 255));
    EXPECT_EQ(cellText("Grid1", 4, 4), "123456789");
    EXPECT_EQ(grid3->currentIndex(), grid3->model()->index(0, 0));
}

// Screen readers and GUI automation find every control by its name.
TEST_F(MainWindowTest, EveryControlCarriesItsNameAndCaption) {
    const std::pair<const char*, const char*> buttons[] = {{"Cmd_findodd", "Auto Play"},
                                                           {"Command2", "Default Game"},
                                                           {"Command6", "Restore Game"},
                                                           {"Command10", "Delete Game"},
                                                           {"Command11", "Put In the Grid"},
                                                           {"Command1", "Update"},
                                                           {"Command3", "Revert"},
                                                           {"Command4", "Forward"},
                                                           {"Command12", "Stop"},
                                                           {"Command9", "Chk.Dup"},
                                                           {"Command13", "Clue"},
                                                           {"Command7", "Clear Grids"},
                                                           {"Command5", "Save Game"},
                                                           {"Command8", "Clear Grid"}};
    for (const auto& [name, caption] : buttons) {
        auto* button = find<QPushButton>(name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), caption);
        EXPECT_EQ(button->accessibleName(), caption);
    }
    const std::pair<const char*, const char*> others[] = {
        {"Grid3", "Play grid"},       {"Grid1", "Candidate grid"}, {"Grid2", "Entry grid"},
        {"Text2", "Digit"},           {"Text1", "Cell editor"},    {"DataCombo1", "Stored games"},
        {"Check1", "Fast Entry Mode"}};
    for (const auto& [name, accessible] : others) {
        auto* widget = find<QWidget>(name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->accessibleName(), accessible);
    }
    EXPECT_EQ(find<QCheckBox>("Check1")->text(), "Fast Entry Mode");
    EXPECT_EQ(find<QLineEdit>("Text2")->text(), "0");
    auto* tabs = find<QTabWidget>("SSTab2");
    EXPECT_EQ(tabs->tabText(0), "Play Game");
    EXPECT_EQ(tabs->tabText(1), "Add a New Game");
    EXPECT_EQ(find<GridView>("Grid1")->model()->index(0, 0).data(Qt::AccessibleTextRole),
              "123456789");
}

TEST_F(MainWindowTest, PutInTheGridWritesTheTypedTextIntoTheClickedCell) {
    clickCell("Grid3", 0, 1);
    auto* digit = find<QLineEdit>("Text2");
    digit->selectAll();
    QTest::keyClicks(digit, "8");
    click("Command11");
    EXPECT_EQ(cellText("Grid3", 0, 1), "8");
    EXPECT_EQ(window.form().Grid3.text(0, 1), "8");
}

TEST_F(MainWindowTest, ClearGridsEmptiesBothGrids) {
    click("Command7");
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 9; ++col) {
            EXPECT_EQ(cellText("Grid3", row, col), "");
            EXPECT_EQ(cellText("Grid1", row, col), "");
        }
}

TEST_F(MainWindowTest, CurrentCellSetByTheLogicIsShown) {
    click("Command4"); // Forward leaves the play grid's current cell at (8, 8)
    auto* grid3 = find<GridView>("Grid3");
    EXPECT_EQ(grid3->currentIndex(), grid3->model()->index(8, 8));
    click("Command3");
    EXPECT_EQ(cellText("Grid3", 0, 0), "5");
}

TEST_F(MainWindowTest, GridModelPassesTheModelTester) {
    auto* grid3 = find<GridView>("Grid3");
    QAbstractItemModelTester tester(grid3->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    click("Command2");
    click("Command7");
    SUCCEED();
}

} // namespace
