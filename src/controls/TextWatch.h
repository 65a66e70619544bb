// A call after every change of a grid's texts, for what follows the board below
// the window (the entry grid's live check).
#pragma once

#include "controls/CellGrid.h"

#include <functional>

class TextWatch : private CellGridWatcher {
public:
    // `grid` must outlive the watch.
    TextWatch(CellGrid& grid, std::function<void()> changed) : grid_(grid), changed_(std::move(changed)) {
        grid_.watch(*this);
    }
    ~TextWatch() override { grid_.unwatch(*this); }
    TextWatch(const TextWatch&) = delete;
    TextWatch& operator=(const TextWatch&) = delete;

private:
    // Colours and the layout change without a new text; those are no change here.
    void cellChanged(int, int) override { tellIfChanged(); }
    void gridChanged() override { tellIfChanged(); }
    void currentChanged() override {}
    void tellIfChanged() {
        if (grid_.textRevision() == seen_)
            return;
        seen_ = grid_.textRevision();
        changed_();
    }

    CellGrid& grid_;
    std::function<void()> changed_;
    std::uint64_t seen_ = grid_.textRevision();
};
