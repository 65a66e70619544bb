// The real window on Qt's offscreen platform, with real clicks and keys and message
// boxes answered from a script: the wiring and what the user sees.
#include "WindowFixture.h"
#include "support/Puzzles.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace {

TEST_F(WindowTest, StartsWithTheBuiltInPuzzleAndCyanGivens) {
    EXPECT_EQ(window.windowTitle(), "T A B R E L - The Brain Game From Vardelwick");
    EXPECT_EQ(shown("Grid3"), cellsOf(BuiltInBoard));
    EXPECT_EQ(cell("Grid3", 0, 0).data(Qt::BackgroundRole), QColor(0, 255, 255));
    EXPECT_EQ(cell("Grid3", 0, 1).data(Qt::BackgroundRole), QColor(255, 255, 255));
}

// Screen readers and GUI automation find every control by its name.
TEST_F(WindowTest, EveryControlCarriesItsNameAndCaption) {
    // clang-format off
    const std::pair<const char*, const char*> controls[] = {
        {"Cmd_findodd", "Auto Play"}, {"Command2", "Default Game"}, {"Command6", "Restore Game"},
        {"Command10", "Delete Game"}, {"Command11", "Put In the Grid"}, {"Command1", "Update"},
        {"Command3", "Revert"}, {"Command4", "Forward"}, {"Command12", "Stop"},
        {"Command9", "Chk.Dup"}, {"Command13", "Clue"}, {"Command7", "Clear Grids"},
        {"Command5", "Save Game"}, {"Command8", "Clear Grid"}, {"Check1", "Fast Entry Mode"},
        {"Grid3", "Play grid"}, {"Grid1", "Candidate grid"}, {"Grid2", "Entry grid"},
        {"Text2", "Digit"}, {"Text1", "Cell editor"}, {"DataCombo1", "Stored games"}};
    // clang-format on
    for (const auto& [name, caption] : controls) {
        ASSERT_NE(find(name), nullptr) << name;
        EXPECT_EQ(find(name)->accessibleName(), caption);
        auto* button = qobject_cast<QAbstractButton*>(find(name));
        EXPECT_EQ(button ? button->text() : caption, caption) << "a button shows its caption";
    }
    EXPECT_EQ(find<QTabWidget>("SSTab2")->tabText(0), "Play Game");
    EXPECT_EQ(find<QTabWidget>("SSTab2")->tabText(1), "Add a New Game");
    EXPECT_EQ(cell("Grid1", 0, 0).data(Qt::AccessibleTextRole), "123456789");
}

TEST_F(WindowTest, PutInTheGridWritesTheTypedTextIntoTheClickedCell) {
    clickCell("Grid3", 0, 1);
    find<QLineEdit>("Text2")->selectAll();
    QTest::keyClicks(find("Text2"), "8");
    click("Command11");
    EXPECT_EQ(cell("Grid3", 0, 1).data().toString(), "8");
}

// A puzzle being typed on the other page is not the play side's to clear.
TEST_F(WindowTest, ClearGridsEmptiesThePlayAndCandidateGridsOnly) {
    window.form().controls().Grid2.setText(0, 0, "4");
    click("Command7");
    EXPECT_EQ(shown("Grid3"), std::string(81, '.'));
    EXPECT_EQ(shown("Grid1"), std::string(81, '.'));
    EXPECT_EQ(shown("Grid2").substr(0, 1), "4");
}

// A view would jump to a cell whose text starts with the typed key; on the entry
// grid that would move the editor and store its text there.
TEST_F(WindowTest, TypingOnAFocusedGridMovesNothing) {
    clickCell("Grid3", 4, 4);
    QTest::keyClicks(find("Grid3"), "5");
    EXPECT_EQ(find<GridView>("Grid3")->currentIndex(), cell("Grid3", 4, 4));
}

// The editor lies over the current cell, magenta with the focus, and keeps the focus.
TEST_F(WindowTest, FastEntryTypesARowAndTheEditorFollowsTheArrows) {
    auto* editor = find<QLineEdit>("Text1");
    showPage(1);
    click("Check1");
    clickCell("Grid2", 4, 0);
    EXPECT_EQ(editor->palette().color(QPalette::Base), QColor(255, 0, 255));
    QTest::keyClicks(editor, "123456789");
    EXPECT_EQ(shown("Grid2").substr(36, 9), "123456789");
    EXPECT_EQ(cell("Grid2", 4, 8).data(Qt::BackgroundRole), QColor(0, 255, 255));
    EXPECT_EQ(editor->text(), "") << "digits are swallowed, not typed";
    const std::tuple<Qt::Key, int, int> steps[] = {
        {Qt::Key_Left, 4, 8}, {Qt::Key_Up, 3, 8}, {Qt::Key_Right, 4, 0}, {Qt::Key_Down, 5, 0}};
    for (const auto& [arrow, row, col] : steps) {
        key(arrow);
        EXPECT_EQ(editor->geometry(), cellRect("Grid2", row, col, editor->parentWidget())) << row;
    }
    EXPECT_EQ(QApplication::focusWidget(), editor);
}

// Delete with Yes then leaves the newest game in the edit field.
TEST_F(WindowTest, APuzzleTypedOnTheEntryPageIsSavedRestoredAndDeleted) {
    auto* list = find<QComboBox>("DataCombo1");
    showPage(1);
    click("Check1");
    clickCell("Grid2", 0, 0);
    for (const char c : cellsOf(EasyPuzzle.puzzle))
        key(c == '.' ? Qt::Key_Right : Qt::Key(c));
    clickCell("Grid2", 0, 0); // stores the bottom-right digit
    click("Command5");
    click("Command8"); // the newer game is an empty board
    click("Command5");
    ASSERT_EQ(list->count(), 2);
    list->showPopup(); // picks the older game as the user does
    const QRect older = list->view()->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->view()->viewport(), Qt::LeftButton, {}, older.center());
    click("Command6");
    EXPECT_EQ(shown("Grid3"), cellsOf(EasyPuzzle.puzzle));
    shell.messages.answerNext(MsgAnswer::Yes);
    click("Command10");
    EXPECT_EQ(shell.messages.texts().back(), "Are you sure to Delete Game 1");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(list->currentText(), list->itemText(0));
}

TEST_F(WindowTest, AutoPlaySolvesTheBuiltInPuzzleAndSaysSo) {
    QAbstractItemModelTester tester(find<GridView>("Grid3")->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    shell.messages.answerNext(MsgAnswer::Ok);
    click("Cmd_findodd");
    EXPECT_TRUE(isSolution(shown("Grid3"))) << shown("Grid3");
    EXPECT_EQ(shell.messages.texts().at(0).rfind("Successfully Completed in ", 0), 0u);
}

TEST_F(WindowTest, StopClickedDuringARunEndsItAfterThePassUnderWay) {
    shell.everyYield = [&] {
        if (window.form().play().HistIdx == 4) // the first pass has finished
            click("Command12");
    };
    click("Cmd_findodd");
    EXPECT_EQ(window.form().autoPlayPasses(), 2);
    EXPECT_TRUE(shell.messages.shown().empty());
}

// The run holds main's event loop: closing the window must stop it and end the loop.
TEST_F(WindowTest, ClosingTheWindowDuringAutoPlayEndsTheEventLoopCleanly) {
    shell.everyYield = [&] { window.close(); };
    QTimer::singleShot(0, &window, [&] { click("Cmd_findodd"); });
    QTimer::singleShot(30000, &window, [] { QCoreApplication::exit(3); });
    EXPECT_EQ(QApplication::exec(), 0) << "3: the event loop did not end";
    EXPECT_EQ(window.form().autoPlayPasses(), 0) << "stopped after the starting Update";
    EXPECT_EQ(window.form().play().HistIdx, 1);
    EXPECT_TRUE(shell.messages.shown().empty());
}

// Closed as the last pass solves the board: the win's box would hold the
// program with no window to show it in.
TEST_F(WindowTest, ClosingTheWindowAsAutoPlayWinsEndsTheProgramWithoutABox) {
    shell.everyYield = [&] {
        if (window.form().FindWin())
            window.close();
    };
    QTimer::singleShot(0, &window, [&] { click("Cmd_findodd"); });
    QTimer::singleShot(30000, &window, [] { QCoreApplication::exit(3); });
    EXPECT_EQ(QApplication::exec(), 0) << "3: the event loop did not end";
    EXPECT_TRUE(isSolution(shown("Grid3"))) << shown("Grid3");
    EXPECT_TRUE(shell.messages.shown().empty());
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
