// Status lines and their marks.
#include "controls/StatusLine.h"

#include <algorithm>
#include <cassert>

namespace {

int checkedCell(int cell) {
    assert(cell >= 0 && cell < CellGrid::Size * CellGrid::Size && "cell out of range");
    return std::clamp(cell, 0, CellGrid::Size * CellGrid::Size - 1);
}

void strengthen(Mark& mark, Mark by) {
    mark = std::max(mark, by);
}

} // namespace

void Highlights::markCell(int cell, Mark mark) {
    strengthen(cells_[checkedCell(cell)].cell, mark);
    empty_ = empty_ && mark == Mark::None;
}

void Highlights::markDigit(int cell, int digit, Mark mark) {
    assert(digit >= 1 && digit <= 9 && "candidate out of range");
    strengthen(cells_[checkedCell(cell)].digits[std::clamp(digit, 1, 9)], mark);
    empty_ = empty_ && mark == Mark::None;
}

void Highlights::addArrow(const Arrow& arrow) {
    Arrow kept = arrow;
    kept.fromCell = checkedCell(arrow.fromCell);
    kept.toCell = checkedCell(arrow.toCell);
    kept.fromDigit = std::clamp(arrow.fromDigit, 1, 9);
    kept.toDigit = std::clamp(arrow.toDigit, 1, 9);
    arrows_.push_back(kept);
}

const CellMarks& Highlights::at(int row, int col) const {
    return cells_[checkedCell(row * CellGrid::Size + col)];
}

StatusLine::StatusLine(std::initializer_list<CellGrid*> grids, Lasts lasts) : lasts_(lasts) {
    for (CellGrid* grid : grids) {
        readings_.emplace_back(grid, grid->textRevision());
        grid->watch(*this);
    }
}

StatusLine::~StatusLine() {
    for (auto& [grid, revision] : readings_)
        grid->unwatch(*this);
}

void StatusLine::show(std::string text, Highlights highlights, std::string detail) {
    text_ = std::move(text);
    highlights_ = std::move(highlights);
    detail_ = std::move(detail);
    for (auto& [grid, revision] : readings_)
        revision = grid->textRevision();
    if (onChanged)
        onChanged();
}

void StatusLine::clear() {
    show({});
}

void StatusLine::cellChanged(int, int) {
    dropIfStale();
}

void StatusLine::gridChanged() {
    dropIfStale();
}

// Cheap when nothing shows, as through most of a run's changes.
void StatusLine::dropIfStale() {
    if (lasts_ == Lasts::UntilTextsChange && !(text_.empty() && highlights_.empty()) && stale())
        clear();
}

bool StatusLine::stale() const {
    return std::any_of(readings_.begin(), readings_.end(), [](const auto& reading) {
        return reading.first->textRevision() != reading.second;
    });
}
