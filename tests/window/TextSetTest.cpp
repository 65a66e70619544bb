// Text put into a box by another program (a screen reader's or an automation
// tool's "set text") reaches the form as typing does, and only once.
#include "WindowFixture.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>
#include <QLineEdit>

namespace {

class TextSet : public WindowTest {
protected:
    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }

    // The accessibility "set text" of a control, as a screen reader calls it.
    void setByScreenReader(QWidget* widget, const QString& text) {
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(box, nullptr);
        box->setText(QAccessible::Value, text);
    }
};

// Choosing a game shows its label first and reports the choice after; the label
// shown must not undo the choice.
TEST_F(TextSet, AGameChosenWithTheArrowKeysStaysChosen) {
    for (int save = 0; save < 3; ++save)
        click("Command5");
    auto* list = find<QComboBox>("DataCombo1");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentIndex(), 1);
    EXPECT_EQ(window.form().controls().DataCombo1.selected(), 1);
    EXPECT_EQ(window.form().controls().DataCombo1.text(), list->itemText(1).toStdString());
}

// A set text is a change of the text, not keys: in fast entry mode a digit set
// stays in the editor, and leaving the cell stores it, with no cell skipped.
TEST_F(TextSet, TheCellEditorTakesASetTextAsAChangeNotAsKeys) {
    auto* editor = edit("Text1");
    showPage(1);
    click("Check1");
    clickCell("Grid2", 2, 3);
    editor->setText("5");
    EXPECT_EQ(window.form().controls().Text1.text(), "5");
    EXPECT_EQ(window.form().controls().Grid2.col(), 3) << "no key moved the editor on";
    setByScreenReader(editor, "7");
    EXPECT_EQ(window.form().controls().Text1.text(), "7");
    key(Qt::Key_Right);
    EXPECT_EQ(cell("Grid2", 2, 3).data().toString(), "7");
    EXPECT_EQ(window.form().controls().Grid2.col(), 4);
    EXPECT_EQ(editor->text(), "") << "the next cell's own text";
}

} // namespace
