// The small procedures every command shares, and the recording of a history slot.
#include "board/CellText.h"
#include "board/Frm_TaBrel.h"

#include <algorithm>
#include <limits>

Frm_TaBrel::Frm_TaBrel(Shell& shell, std::filesystem::path programFolder)
    : shell_(shell), programFolder_(std::move(programFolder)) {
    Text2.setText("0");
    wireEntryGrid();
}

// A unit's collected string is long and usually has no space to lose: it is
// copied only when it does.
std::int16_t Frm_TaBrel::CountStr(std::string& text, std::string_view ch) {
    if (const std::string_view kept = trimmedSpaces(text); kept.size() != text.size())
        text = std::string(kept);
    if (text.empty() || ch.size() != 1)
        return 0;
    const auto count = std::count(text.begin(), text.end(), ch[0]);
    return static_cast<std::int16_t>(
        std::min<long>(count, std::numeric_limits<std::int16_t>::max()));
}

std::string Frm_TaBrel::strless(const std::string& text, const std::string& d) {
    const auto p = text.find(d);
    if (p == std::string::npos)
        return text;
    std::string rest = text;
    rest.erase(p, 1);
    return rest;
}

void Frm_TaBrel::FILLARRAY() {
    HistGrid1.record(HistIdx, Grid1);
    HistGrid3.record(HistIdx, Grid3);
}

void Frm_TaBrel::NextHistSlot() {
    if (HistIdx < HistArray::Slots - 1) {
        ++HistIdx;
        return;
    }
    HistGrid1.dropOldest();
    HistGrid3.dropOldest();
}
