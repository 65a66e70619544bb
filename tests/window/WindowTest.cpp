// The real window on Qt's offscreen platform, with real clicks and keys and message
// boxes answered from a script: its controls, the wiring of every button to its
// handler, the grid model, and the end of a run when the window closes.
#include "WindowFixture.h"
#include "support/Puzzles.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace {

// Screen readers and GUI automation find every control by its name.
TEST_F(WindowTest, EveryControlCarriesItsNameAndCaption) {
    EXPECT_EQ(window.windowTitle(), "T A B R E L - The Brain Game From Vardelwick");
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

// Each button, clicked, runs its own handler: what that handler does shows.
TEST_F(WindowTest, EachButtonRunsItsHandler) {
    const Frm_TaBrel& form = window.form();
    QAbstractItemModelTester tester(find<GridView>("Grid3")->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    const auto text = [&](int row, int col) { return cell("Grid3", row, col).data().toString(); };
    const struct {
        const char* button;
        std::function<void()> before;
        std::function<bool()> done;
    } steps[] = {
        {"Command11",
         [&] {
             clickCell("Grid3", 0, 1);
             find<QLineEdit>("Text2")->setText("8");
         },
         [&] { return text(0, 1) == "8"; }},
        {"Command1", {}, [&] { return form.play().HistIdx == 1; }},
        {"Command13", {}, [&] { return form.play().HistIdx == 2; }},
        {"Command3", {}, [&] { return form.play().HistIdx == 1; }},
        {"Command4", {}, [&] { return form.play().HistIdx == 2; }},
        {"Command9", [&] { shell.messages.answerNext(MsgAnswer::Ok); },
         [&] { return shell.messages.texts().back() == "No Duplicates...Continue it"; }},
        {"Command12", {}, [&] { return form.stopRequested(); }},
        {"Command7", {}, [&] { return shown("Grid3") == std::string(81, '.'); }},
        {"Command2", {}, [&] { return shown("Grid3") == cellsOf(BuiltInBoard); }},
        {"Cmd_findodd", [&] { shell.messages.answerNext(MsgAnswer::Ok); },
         [&] { return isSolution(shown("Grid3")) && !form.stopRequested(); }},
        {"Command5", [&] { window.form().controls().Grid2.setText(0, 0, "4"); },
         [&] { return find<QComboBox>("DataCombo1")->count() == 1; }},
        {"Command8", {}, [&] { return shown("Grid2") == std::string(81, '.'); }},
        {"Command6", {}, [&] { return shown("Grid3") == "4" + std::string(80, '.'); }},
        {"Command10", [&] { shell.messages.answerNext(MsgAnswer::Yes); },
         [&] { return find<QComboBox>("DataCombo1")->count() == 0; }},
    };
    for (const auto& [button, before, done] : steps) {
        SCOPED_TRACE(button);
        if (before)
            before();
        click(button);
        EXPECT_TRUE(done());
    }
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

// A run holds main's event loop through its yields: closing the window must stop
// it and end the loop, and, closed as the last pass solves the board, show no box,
// which with no window would hold the program.
TEST(ClosingWindow, DuringAutoPlayEndsTheEventLoopWithoutABox) {
    for (const bool atTheWin : {false, true}) {
        SCOPED_TRACE(atTheWin ? "as the run wins" : "at the first yield");
        ScriptedQtShell shell;
        TempFolder folder;
        const QString where = QString::fromStdString(folder.path().string());
        MainWindow window{shell, where, where + "/settings.ini"};
        window.show();
        shell.everyYield = [&] {
            if (!atTheWin || window.form().FindWin())
                window.close();
        };
        QTimer::singleShot(0, &window, [&] {
            QTest::mouseClick(window.findChild<QWidget*>("Cmd_findodd"), Qt::LeftButton);
        });
        QTimer::singleShot(30000, &window, [] { QCoreApplication::exit(3); });
        EXPECT_EQ(QApplication::exec(), 0) << "3: the event loop did not end";
        EXPECT_EQ(window.form().autoPlayPasses(), atTheWin ? 4 : 0);
        EXPECT_TRUE(shell.messages.shown().empty());
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
