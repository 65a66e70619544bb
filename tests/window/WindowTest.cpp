// The real window: controls and their handlers, the grid model, typing on the grids, the game list.
#include "WindowFixture.h"
#include "support/Puzzles.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace {

// Screen readers and GUI automation find every control by its name; each
// button, clicked, runs its own handler, and what that handler does shows.
TEST_F(WindowTest, EveryControlCarriesItsNameAndCaptionAndEachButtonRunsItsHandler) {
    EXPECT_EQ(window.windowTitle(), "T A B R E L - The Brain Game From Vardelwick");
    EXPECT_EQ(find<QTabWidget>("SSTab2")->tabText(0), "Play Game");
    EXPECT_EQ(find<QTabWidget>("SSTab2")->tabText(1), "Add a New Game");
    EXPECT_EQ(cell("Grid1", 0, 0).data(Qt::AccessibleTextRole), "123456789");
    Frm_TaBrel& form = window.form();
    const std::string empty(81, '.');
    QAbstractItemModelTester tester(find<GridView>("Grid3")->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    const auto answer = [&](MsgAnswer answer) {
        return [this, answer] { shell.messages.answerNext(answer); };
    };
    const auto games = [&] { return find<QComboBox>("DataCombo1")->count(); };
    const struct {
        const char *name, *caption;
        std::function<void()> before;
        std::function<bool()> done; // none for a control that is no button
    } controls[] = {
        {"Grid3", "Play grid", {}, {}},
        {"Grid1", "Candidate grid", {}, {}},
        {"Grid2", "Entry grid", {}, {}},
        {"Text2", "Digit", {}, {}},
        {"Text1", "Cell editor", {}, {}},
        {"DataCombo1", "Stored games", {}, {}},
        {"Command11", "Put In the Grid",
         [&] {
             clickCell("Grid3", 0, 1);
             find<QLineEdit>("Text2")->setText("8");
         },
         [&] { return shown("Grid3")[1] == '8'; }},
        {"Command1", "Update", {}, [&] { return form.play().HistIdx == 1; }},
        {"Command13", "Clue", {}, [&] { return form.play().HistIdx == 2; }},
        {"Command3", "Revert", {}, [&] { return form.play().HistIdx == 1; }},
        {"Command4", "Forward", {}, [&] { return form.play().HistIdx == 2; }},
        {"Command9", "Chk.Dup", answer(MsgAnswer::Ok),
         [&] { return shell.messages.texts().back() == "No Duplicates...Continue it"; }},
        {"Command12", "Stop", {}, [&] { return form.stopRequested(); }},
        {"Command7", "Clear Grids", {}, [&] { return shown("Grid3") == empty; }},
        {"Command2", "Default Game", {}, [&] { return shown("Grid3") == cellsOf(BuiltInBoard); }},
        {"Cmd_findodd", "Auto Play", answer(MsgAnswer::Ok),
         [&] { return isSolution(shown("Grid3")) && !form.stopRequested(); }},
        {"Command5", "Save Game", [&] { form.controls().Grid2.setText(0, 0, "4"); },
         [&] { return games() == 1; }},
        {"Command8", "Clear Grid", {}, [&] { return shown("Grid2") == empty; }},
        {"Command6", "Restore Game", {}, [&] { return shown("Grid3") == "4" + empty.substr(1); }},
        {"Command10", "Delete Game", answer(MsgAnswer::Yes), [&] { return games() == 0; }},
        {"Check1", "Fast Entry Mode", [&] { showPage(1); },
         [&] { return form.controls().Check1.value == 1; }},
    };
    for (const auto& [name, caption, before, done] : controls) {
        SCOPED_TRACE(name);
        ASSERT_NE(find(name), nullptr);
        EXPECT_EQ(find(name)->accessibleName(), caption);
        auto* button = qobject_cast<QAbstractButton*>(find(name));
        ASSERT_EQ(button != nullptr, done != nullptr);
        if (!button)
            continue;
        EXPECT_EQ(button->text(), caption);
        if (before)
            before();
        click(name);
        EXPECT_TRUE(done());
    }
}

// The editor lies over the current cell, magenta with the focus, and keeps the
// focus as fast entry stores the digits typed. A text set from outside (a
// screen reader's) is a change of the text, not keys: it stays in the editor
// until the arrows leave the cell, which stores it with no cell skipped. The
// live line under the grid follows, and the repeat is marked on the grid.
TEST_F(WindowTest, TheCellEditorStoresWhatIsTypedOrSetAndKeepsTheFocus) {
    auto* editor = find<QLineEdit>("Text1");
    showPage(1);
    click("Check1");
    clickCell("Grid2", 4, 0);
    EXPECT_EQ(editor->palette().color(QPalette::Base), QColor(255, 0, 255));
    QTest::keyClicks(editor, "123456789");
    EXPECT_EQ(shown("Grid2").substr(36, 9), "123456789");
    EXPECT_EQ(cell("Grid2", 4, 8).data(Qt::BackgroundRole), QColor(0, 255, 255));
    EXPECT_EQ(editor->text(), "") << "digits are swallowed, not typed";
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(editor);
    ASSERT_NE(reader, nullptr);
    reader->setText(QAccessible::Value, "1");
    EXPECT_EQ(window.form().controls().Text1.text(), "1");
    key(Qt::Key_Right);
    EXPECT_EQ(cell("Grid2", 5, 0).data().toString(), "1") << "stored where it was set";
    EXPECT_TRUE(
        waitForText("EntryStatus", "10 givens · 1 twice in column 1 (r5c1, r6c1) · no solution"))
        << text("EntryStatus");
    EXPECT_NE(tint("Grid2", 4, 0), plain);
    EXPECT_EQ(editor->geometry(), cellRect("Grid2", 5, 1, editor->parentWidget()));
    EXPECT_EQ(editor->text(), "") << "the next cell's own text";
    EXPECT_EQ(QApplication::focusWidget(), editor);
}

// Choosing a game shows its label first and reports the choice after; the label
// shown must not undo the choice. Typing the start of a label completes it, and
// Enter picks that game.
TEST_F(WindowTest, AGameChosenWithTheArrowKeysOrByItsLabelStaysChosen) {
    for (int save = 0; save < 3; ++save)
        click("Command5");
    auto* list = find<QComboBox>("DataCombo1");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentIndex(), 1);
    EXPECT_EQ(window.form().controls().DataCombo1.selected(), 1);
    EXPECT_EQ(window.form().controls().DataCombo1.text(), list->itemText(1).toStdString());
    list->lineEdit()->clear();
    QTest::keyClicks(list->lineEdit(), "1-");
    QTest::keyClick(list->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(list->currentText(), list->itemText(2));
    EXPECT_EQ(window.form().controls().DataCombo1.selected(), 2);
}

// A run holds main's event loop through its yields: closing the window must
// stop it and end the loop without a box, which with no window would hold the
// program.
TEST_F(WindowTest, ClosingTheWindowDuringAutoPlayEndsTheEventLoopWithoutABox) {
    shell.everyYield = [&] { window.close(); };
    QTimer::singleShot(0, &window, [this] { click("Cmd_findodd"); });
    QTimer::singleShot(30000, &window, [] { QCoreApplication::exit(3); });
    EXPECT_EQ(QApplication::exec(), 0) << "3: the event loop did not end";
    EXPECT_EQ(window.form().autoPlayPasses(), 0);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
