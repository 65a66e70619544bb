// Plain state of a drop-down list: its entries, the selected
// one and the text of its edit field, with one change notification for the window.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct ListEntry {
    std::string label;
    std::int64_t bookmark = 0; // what the list's owner finds the entry by
    friend bool operator==(const ListEntry&, const ListEntry&) = default;
};

class DropDownList {
public:
    const std::vector<ListEntry>& entries() const { return entries_; }
    // Replaces the entries. The selected entry stays selected if its bookmark is
    // still listed; otherwise none is. The edit field keeps its text.
    void setEntries(std::vector<ListEntry> entries);

    // The selected entry's index, -1 when none is selected.
    int selected() const { return selected_; }
    // Selects entry `index` and shows its label in the edit field; an index
    // outside the entries selects none and leaves the text.
    void select(int index);
    // The selected entry's bookmark; none when no entry is selected.
    std::optional<std::int64_t> selectedBookmark() const;

    // The edit field.
    const std::string& text() const { return text_; }
    void setText(std::string text);

    // Raised after anything the window shows has changed.
    std::function<void()> onChanged;

private:
    void changed();

    std::vector<ListEntry> entries_;
    int selected_ = -1;
    std::string text_;
};
