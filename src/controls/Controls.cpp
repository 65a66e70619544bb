// Text box state; the caret never leaves the text.
#include "controls/Controls.h"

#include <algorithm>

void TextBox::setText(std::string text) {
    text_ = std::move(text);
    caret_ = std::min<int>(caret_, static_cast<int>(text_.size()));
    changed();
}

void TextBox::setCaret(int caret) {
    caret_ = std::clamp<int>(caret, 0, static_cast<int>(text_.size()));
    changed();
}

void TextBox::setAlignment(Alignment alignment) {
    alignment_ = alignment;
    changed();
}

void TextBox::setRect(UnitRect rect) {
    rect_ = rect;
    changed();
}

void TextBox::setVisible(bool visible) {
    visible_ = visible;
    changed();
}

void TextBox::setBackColor(Rgb colour) {
    back_ = colour;
    changed();
}

void TextBox::changed() {
    if (onChanged)
        onChanged();
}
