// The list of stored games as plain state.
#include "controls/DropDownList.h"

#include <algorithm>

void DropDownList::setEntries(std::vector<ListEntry> entries) {
    const std::optional<std::int64_t> kept = selectedBookmark();
    entries_ = std::move(entries);
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const ListEntry& entry) {
        return kept && entry.bookmark == *kept;
    });
    selected_ = found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
    changed();
}

void DropDownList::select(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) {
        selected_ = -1;
    } else {
        selected_ = index;
        text_ = entries_[static_cast<std::size_t>(index)].label;
    }
    changed();
}

std::optional<std::int64_t> DropDownList::selectedBookmark() const {
    if (selected_ < 0)
        return std::nullopt;
    return entries_[static_cast<std::size_t>(selected_)].bookmark;
}

void DropDownList::setText(std::string text) {
    text_ = std::move(text);
    changed();
}

void DropDownList::changed() {
    if (onChanged)
        onChanged();
}
