// The small procedures every command shares, and the recording of a history slot.
#include "board/PlaySide.h"

#include "board/CellText.h"

#include <algorithm>
#include <limits>

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
}

void PlaySide::NextHistSlot() {
    if (HistIdx < HistArray::Slots - 1) {
        ++HistIdx;
        return;
    }
    HistGrid1.dropOldest();
    HistGrid3.dropOldest();
}
