// A line of text under a grid, with marks on cells and candidates beside the
// cell colours: what the window says about the board as it stands, holding
// until a text of a grid it speaks of changes, or until it is replaced.
#pragma once

#include "controls/CellGrid.h"

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// What a mark says about a cell or one of its candidates; a later value is the
// stronger one when two meet.
enum class Mark : std::uint8_t {
    None,
    Proves,  // the reasoning rests on it
    Removes, // a candidate that goes
    Changes, // a cell that receives a digit or loses candidates; a digit placed
    Clashes, // a cell whose digit repeats in one of its units
};

struct CellMarks {
    Mark cell = Mark::None;
    std::array<Mark, 10> digits{}; // the mark of candidate d at digits[d], 1-9
};

// A link of a chain, drawn from one candidate to another: solid when strong (if
// the first is false the second is true), dashed when weak (if the first is
// true the second is false).
struct Arrow {
    int fromCell = 0; // 0..80
    int fromDigit = 1;
    int toCell = 0;
    int toDigit = 1;
    bool strong = false;
    friend bool operator==(const Arrow&, const Arrow&) = default;
};

class Highlights {
public:
    // Cells 0..80 row by row, digits 1-9. A weaker mark never replaces a stronger one.
    void markCell(int cell, Mark mark);
    void markDigit(int cell, int digit, Mark mark);
    const CellMarks& at(int row, int col) const;
    void addArrow(const Arrow& arrow);
    const std::vector<Arrow>& arrows() const { return arrows_; }
    bool empty() const { return empty_ && arrows_.empty(); }

private:
    std::array<CellMarks, CellGrid::Size * CellGrid::Size> cells_{};
    bool empty_ = true;
    std::vector<Arrow> arrows_;
};

class StatusLine : private CellGridWatcher {
public:
    enum class Lasts {
        UntilTextsChange, // cleared as soon as a text of its grids changes
        UntilReplaced,    // its owner shows a new line for every change
    };

    // The grids the line speaks of; they must outlive it.
    StatusLine(std::initializer_list<CellGrid*> grids, Lasts lasts);
    ~StatusLine() override;
    StatusLine(const StatusLine&) = delete;
    StatusLine& operator=(const StatusLine&) = delete;

    const std::string& text() const { return text_; }
    const Highlights& highlights() const { return highlights_; }
    // A longer account of the line, one step of its reasoning a line; "" for none.
    const std::string& detail() const { return detail_; }
    // Shows `text` with `highlights` (and `detail`) about the grids as they hold now.
    void show(std::string text, Highlights highlights = {}, std::string detail = {});
    void clear();
    // True when a text of its grids changed since the line was shown.
    bool stale() const;

    // Raised after the text or the highlights changed.
    std::function<void()> onChanged;

private:
    void cellChanged(int row, int col) override;
    void gridChanged() override;
    void currentChanged() override {}
    void dropIfStale();

    std::string text_;
    Highlights highlights_;
    std::string detail_;
    std::vector<std::pair<CellGrid*, std::uint64_t>> readings_; // grid, textRevision
    Lasts lasts_;
};
