// The small procedures every command shares, and the recording of a history slot.
#include "board/PlaySide.h"

#include "board/CellText.h"

#include <algorithm>
#include <cassert>
#include <limits>

namespace {

int checkedSlot(int slot) {
    assert(slot >= 0 && slot < HistArray::Slots && "history slot out of range");
    return std::clamp(slot, 0, HistArray::Slots - 1);
}

} // namespace

// A unit's collected string is long and usually has no space to lose: it is
// copied only when it does.
std::int16_t PlaySide::CountStr(std::string& text, std::string_view ch) {
    if (const std::string_view kept = trimmedSpaces(text); kept.size() != text.size())
        text = std::string(kept);
    if (text.empty() || ch.size() != 1)
        return 0;
    const auto count = std::count(text.begin(), text.end(), ch[0]);
    return static_cast<std::int16_t>(
        std::min<long>(count, std::numeric_limits<std::int16_t>::max()));
}

std::string PlaySide::strless(const std::string& text, const std::string& d) {
    const auto p = text.find(d);
    if (p == std::string::npos)
        return text;
    std::string rest = text;
    rest.erase(p, 1);
    return rest;
}

void PlaySide::FILLARRAY() {
    HistGrid1.record(HistIdx, Grid1);
    HistGrid3.record(HistIdx, Grid3);
    notes_[checkedSlot(HistIdx)].label = recordLabel_;
    stamp(HistIdx);
    lastRecorded_ = std::max(lastRecorded_, HistIdx);
    historyChanged();
}

void PlaySide::NextHistSlot() {
    if (HistIdx < HistArray::Slots - 1) {
        ++HistIdx;
        return;
    }
    HistGrid1.dropOldest();
    HistGrid3.dropOldest();
    std::rotate(notes_.begin(), notes_.begin() + 1, notes_.end());
    notes_.back().label.clear();
    stamp(HistArray::Slots - 1);
    ++dropped_;
}

const std::string& PlaySide::HistLabel(int slot) const {
    return notes_[checkedSlot(slot)].label;
}

void PlaySide::labelSlot(std::string label) {
    notes_[checkedSlot(HistIdx)].label = std::move(label);
    stamp(HistIdx);
    historyChanged();
}

std::uint64_t PlaySide::slotStamp(int slot) const {
    return notes_[checkedSlot(slot)].stamp;
}

void PlaySide::stamp(int slot) {
    notes_[checkedSlot(slot)].stamp = ++lastStamp_;
}

void PlaySide::emptySlot(int slot) {
    HistGrid1.empty(slot);
    HistGrid3.empty(slot);
    notes_[checkedSlot(slot)].label.clear();
    stamp(slot);
}

void PlaySide::beginGame() {
    HistIdx = 0;
    lastRecorded_ = 0;
    dropped_ = 0;
}

void PlaySide::historyChanged() {
    if (onHistoryChanged)
        onHistoryChanged();
}
