// Plain state of the form's text boxes, check box and tab area: what the logic
// reads and writes of them, with one change notification for the window.
#pragma once

#include "controls/CellGrid.h"

#include <functional>
#include <string>

enum class Alignment { Left, Right, Center };

class TextBox {
public:
    const std::string& text() const { return text_; }
    void setText(std::string text);
    // A short marker kept with the box.
    const std::string& tag() const { return tag_; }
    void setTag(std::string tag) { tag_ = std::move(tag); }
    // Caret position, 0..length of the text.
    int caret() const { return caret_; }
    void setCaret(int caret);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment alignment);

    // Place and size in the container, in layout units.
    const UnitRect& rect() const { return rect_; }
    void setRect(UnitRect rect);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    Rgb backColor() const { return back_; }
    void setBackColor(Rgb colour);

    // Raised after anything the window shows has changed.
    std::function<void()> onChanged;

private:
    void changed();

    std::string text_;
    std::string tag_;
    int caret_ = 0;
    Alignment alignment_ = Alignment::Left;
    UnitRect rect_{};
    bool visible_ = true;
    Rgb back_ = White;
};

struct CheckBox {
    short value = 0; // 0 unchecked, anything else checked
};

// The pages of the tab area, numbered as the window shows them.
enum class Page { Play = 0, Entry = 1 }; // "Play Game", "Add a New Game"

struct TabArea {
    Page tab = Page::Play; // the page shown
};
