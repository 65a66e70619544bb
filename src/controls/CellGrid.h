// A 9 x 9 grid of cell texts and colours with one current cell: the board as the
// window's grid controls hold it, kept as plain data so the logic needs no window.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct Rgb {
    std::uint8_t r = 255;
    std::uint8_t g = 255;
    std::uint8_t b = 255;
    friend bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb Cyan{0, 255, 255};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Magenta{255, 0, 255};

// Left, top, width and height in layout units.
struct UnitRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const UnitRect&, const UnitRect&) = default;
};

// What a watcher of the grid (a view, a status line) listens to. Every call
// comes after the change is made.
class CellGridWatcher {
public:
    virtual ~CellGridWatcher() = default;
    virtual void cellChanged(int row, int col) = 0; // text or colour of one cell
    virtual void gridChanged() = 0;                 // every cell, or the layout
    virtual void currentChanged() = 0;
};

class CellGrid {
public:
    static constexpr int Size = 9;
    static constexpr int DefaultColWidth = 960;
    static constexpr int DefaultRowHeight = 240;

    CellGrid() = default;
    // A grid is one control: its watchers watch it, not a copy.
    CellGrid(const CellGrid&) = delete;
    CellGrid& operator=(const CellGrid&) = delete;

    // Rows and columns run 0..8; the default background is white.
    const std::string& text(int row, int col) const { return cells_[index(row, col)].text; }
    // numericValue of the cell's text, worked out once when the text is written:
    // every rule reads it, and most texts are read many times.
    double value(int row, int col) const { return cells_[index(row, col)].value; }
    // Most writes leave the cell as it was: those return here, without a call
    // and without a notification.
    void setText(int row, int col, std::string_view text) {
        if (cells_[index(row, col)].text != text)
            replaceText(row, col, text);
    }
    Rgb backColor(int row, int col) const { return cells_[index(row, col)].back; }
    void setBackColor(int row, int col, Rgb colour) {
        if (cells_[index(row, col)].back != colour)
            replaceBackColor(row, col, colour);
    }

    int row() const { return row_; }
    int col() const { return col_; }
    int rowCount() const { return Size; }
    // Each move of the current cell raises onLeaveCell before it and onEnterCell
    // after it, both finished before the setter returns; setting the cell that is
    // already current raises nothing.
    void setRow(int row) { moveTo(row, col_); }
    void setCol(int col) { moveTo(row_, col); }
    void setCurrent(int row, int col) { moveTo(row, col); }

    const std::string& currentText() const { return text(row_, col_); }
    double currentValue() const { return value(row_, col_); }
    void setCurrentText(std::string_view text) { setText(row_, col_, text); }
    void setCurrentBackColor(Rgb colour) { setBackColor(row_, col_, colour); }

    // Empties every text and returns every background to the default.
    void clear();

    // Changes with every change of any cell text (colours and the current cell
    // aside): equal readings mean every text is as it was.
    std::uint64_t textRevision() const { return textRevision_; }

    int colWidth(int col) const { return colWidths_[checked(col)]; }
    void setColWidth(int col, int units);
    int rowHeight() const { return rowHeight_; }
    void setRowHeightMin(int units);
    // Every column `units` wide and every row at least that high.
    void setCellSize(int units);

    // The grid's top-left corner in its container, in layout units (set by the window).
    int left() const { return left_; }
    int top() const { return top_; }
    void setPosition(int left, int top);
    // The current cell's offset within the grid and its size, in layout units.
    UnitRect currentCellRect() const;

    std::function<void()> onLeaveCell;
    std::function<void()> onEnterCell;
    // Every watcher hears of every change, in the order they began to watch. A
    // watcher must stop watching before it or the grid goes.
    void watch(CellGridWatcher& watcher) { watchers_.push_back(&watcher); }
    void unwatch(const CellGridWatcher& watcher);

private:
    struct Cell {
        std::string text;
        double value = 0;
        Rgb back = White;
    };

    // Inline: every cell access goes through it.
    static int checked(int i) {
        assert(i >= 0 && i < Size && "grid index out of range");
        return i < 0 ? 0 : (i >= Size ? Size - 1 : i);
    }
    static int index(int row, int col) { return checked(row) * Size + checked(col); }
    void replaceText(int row, int col, std::string_view text);
    void replaceBackColor(int row, int col, Rgb colour);
    void moveTo(int row, int col);
    template <typename Call>
    void tellWatchers(Call call);

    std::array<Cell, Size * Size> cells_{};
    std::uint64_t textRevision_ = 0;
    int row_ = 0;
    int col_ = 0;
    std::array<int, Size> colWidths_ = filled(DefaultColWidth);
    int rowHeight_ = DefaultRowHeight;
    int left_ = 0;
    int top_ = 0;
    std::vector<CellGridWatcher*> watchers_;

    static constexpr std::array<int, Size> filled(int units) {
        std::array<int, Size> widths{};
        widths.fill(units);
        return widths;
    }
};
