// The editor widget and the form's Text1 kept alike both ways; the user's keys
// and focus changes go to the form's handlers, and the editor follows the grid.
#include "window/CellEditor.h"

#include "entry/KeyCodes.h"
#include "window/GridView.h"
#include "window/Units.h"

#include <QKeyEvent>
#include <QScopedValueRollback>
#include <algorithm>

namespace {

using Focus = EntryGrid::Focus;

// The desktop key code of a key going down that the handlers act on, else 0.
int keyDownCode(int key) {
    switch (key) {
    case Qt::Key_Left:
        return Keys::Left;
    case Qt::Key_Up:
        return Keys::Up;
    case Qt::Key_Right:
        return Keys::Right;
    case Qt::Key_Down:
        return Keys::Down;
    default:
        return 0;
    }
}

int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? Keys::ShiftBit : 0) |
           (modifiers & Qt::ControlModifier ? Keys::CtrlBit : 0) |
           (modifiers & Qt::AltModifier ? Keys::AltBit : 0);
}

// The character code of a typed key; 0 for a key that types nothing (Delete
// edits the text but is no character).
int characterCode(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Keys::Enter;
    case Qt::Key_Backspace:
        return Keys::Backspace;
    case Qt::Key_Escape:
        return Keys::Escape;
    case Qt::Key_Delete:
        return 0;
    default:
        return event.text().isEmpty() ? 0 : event.text().at(0).unicode();
    }
}

// The window being deactivated or a popup opening leaves the focus where it is
// within the window.
bool leavesTheControl(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// The form counts the caret in bytes of its UTF-8 text, the edit in UTF-16 units.
int toFormCaret(const QString& text, int position) {
    return static_cast<int>(text.left(position).toUtf8().size());
}

int toEditCaret(const std::string& text, int caret) {
    return static_cast<int>(QString::fromUtf8(text.data(), caret).size());
}

Qt::Alignment toQt(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::Center:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

CellEditor::CellEditor(Frm_TaBrel& form, GridView* grid, QWidget* page)
    : QLineEdit(page), form_(form), Text1_(form.controls().Text1), grid_(grid) {
    setFrame(false);
    Text1_.onChanged = [this] { showForm(); };
    form_.onEditorFocusTaken([this] { followFormFocus(); });
    // Every change of the text reaches the form, typed or set by another program;
    // a text set is no key press, so no key handler runs for it.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!syncing_)
            takeText(text);
    });
    connect(this, &QLineEdit::cursorPositionChanged, this, [this](int, int position) {
        if (!syncing_)
            Text1_.setCaret(toFormCaret(text(), position));
    });
    connect(grid_, &GridView::moved, this, &CellEditor::followGrid);
    connect(grid_, &GridView::focusGained, this, [this] {
        if (!syncing_)
            form_.focusMovedTo(Focus::Grid2);
    });
    connect(grid_, &GridView::focusLost, this, [this](Qt::FocusReason reason) {
        if (!syncing_ && leavesTheControl(reason))
            form_.focusLeft(Focus::Grid2);
    });
    followGrid();
    showForm();
}

void CellEditor::keyPressEvent(QKeyEvent* event) {
    if (handlersSwallow(*event))
        event->accept();
    else
        QLineEdit::keyPressEvent(event);
}

// Key down first, then the character, as the handlers expect; a key that either
// handler sets to 0 never reaches the edit.
bool CellEditor::handlersSwallow(const QKeyEvent& event) {
    if (int code = keyDownCode(event.key())) {
        form_.Text1_KeyDown(code, shiftState(event.modifiers()));
        if (code == 0)
            return true;
    }
    if (int character = characterCode(event)) {
        form_.Text1_KeyPress(character);
        if (character == 0)
            return true;
    }
    return false;
}

void CellEditor::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (!syncing_)
        form_.focusMovedTo(Focus::Text1);
}

void CellEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!syncing_ && leavesTheControl(event->reason()))
        form_.focusLeft(Focus::Text1);
}

void CellEditor::showForm() {
    if (syncing_)
        return;
    const QScopedValueRollback echoes(syncing_, true);
    const TextBox& box = Text1_;
    if (const QString shown = QString::fromStdString(box.text()); text() != shown)
        setText(shown);
    if (const int caret = toEditCaret(box.text(), box.caret()); cursorPosition() != caret)
        setCursorPosition(caret);
    setAlignment(toQt(box.alignment()));
    place(box.rect());
    if (const QColor back(box.backColor().r, box.backColor().g, box.backColor().b);
        palette().color(QPalette::Base) != back) {
        QPalette colours = palette();
        colours.setColor(QPalette::Base, back);
        setPalette(colours);
    }
    // Hiding the focused edit makes Qt pass the focus on; the form keeps it with
    // the editor, and the placement that hid it gives Qt's focus back.
    setVisible(box.visible());
}

// The grid draws its 1-pixel line inside each cell's right and bottom edge; the
// editor covers the cell's own pixels and leaves the line showing.
void CellEditor::place(const UnitRect& rect) {
    const int line = grid_->showGrid() ? 1 : 0;
    const int width = std::max(0, toPixels(rect.width) - line);
    const int height = std::max(0, toPixels(rect.height) - line);
    setGeometry(toPixels(rect.left), toPixels(rect.top), width, height);
    // Typed digits look like the stored ones the grid draws, and a left-aligned
    // digit stands near the middle of the cell as theirs do.
    QFont digits = font();
    digits.setPixelSize(std::max(1, height * 11 / 20));
    digits.setBold(true);
    if (digits != font())
        setFont(digits);
    setTextMargins(height / 4, 0, 0, 0);
}

void CellEditor::takeText(const QString& text) {
    const QScopedValueRollback echoes(syncing_, true);
    Text1_.setText(text.toStdString());
    Text1_.setCaret(toFormCaret(text, cursorPosition()));
}

void CellEditor::followFormFocus() {
    if (hasFocus())
        return;
    const QScopedValueRollback echoes(syncing_, true);
    setFocus(Qt::OtherFocusReason);
}

void CellEditor::followGrid() {
    const QPoint origin = grid_->cellOrigin(parentWidget());
    CellGrid& grid = form_.controls().Grid2;
    const int dx = toUnits(origin.x()) - grid.left();
    const int dy = toUnits(origin.y()) - grid.top();
    if (dx == 0 && dy == 0)
        return;
    grid.setPosition(grid.left() + dx, grid.top() + dy);
    // The editor stays over its cell when the layout moves the grid.
    UnitRect rect = Text1_.rect();
    rect.left += dx;
    rect.top += dy;
    Text1_.setRect(rect);
}
