// The play side of the board: the play grid, the candidate grid, the candidate
// strings and the history of both grids, with the procedures every command shares.
#pragma once

#include "board/HistArray.h"
#include "controls/CellGrid.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A game on the play side as it can be kept and put back: every slot recorded
// since it began, with its label, and the grids as they stand.
struct PlayRecord {
    struct Slot {
        std::vector<std::string> grid1; // 81 texts row by row
        std::vector<std::string> grid3;
        std::string label;
    };
    std::vector<Slot> recorded; // slots 0 .. the last recorded
    std::vector<std::string> grid1;
    std::vector<std::string> grid3;
    std::vector<std::string> candidates; // CandArr, rows and columns 0..8
    int histIdx = 0;
    std::int64_t dropped = 0;
};

struct PlaySide {
    // Row 9 and column 9 never reach a grid.
    using CandidateTexts = std::array<std::array<std::string, 10>, 10>;

    CellGrid Grid1; // candidate grid
    CellGrid Grid3; // play grid
    // The candidate strings the last sweep of "Update" or "Clue" worked out; it
    // showed them in Grid1 too, unless it was taken back. Only the sweeps and
    // "Default Game" write them, and always together with Grid1: the sweeps rely
    // on that to skip the cells whose candidates did not change.
    CandidateTexts CandArr;
    HistArray HistGrid1;
    HistArray HistGrid3;
    std::int16_t HistIdx = 0; // the slot shown, 0..500

    // Trims spaces off `text` in place, then counts the characters equal to `ch`
    // (0 when `ch` is not one character).
    static std::int16_t CountStr(std::string& text, std::string_view ch);
    // `text` without its first occurrence of `d`; exactly one character is removed.
    static std::string strless(const std::string& text, const std::string& d);
    // Records both grids into history slot HistIdx, labelled with the label set
    // for records ("" unless setRecordLabel said otherwise).
    void FILLARRAY();
    // Colours both grids from their contents; Grid1 ends current at (8, 8).
    void ColorMe();
    // Moves HistIdx to the next slot for a new record. At the last slot the oldest
    // board is dropped instead, so the newest 501 boards stay reachable.
    void NextHistSlot();

    // What recorded each slot ("Update: 12 placed"); "" where nothing said so.
    // A label moves with its slot when the oldest is dropped, and goes where the
    // slot is emptied or recorded again.
    const std::string& HistLabel(int slot) const;
    // Labels slot HistIdx.
    void labelSlot(std::string label);
    // The label of every slot recorded from now on, until set again: a command
    // that records several slots (Auto Play) labels each.
    void setRecordLabel(std::string label) { recordLabel_ = std::move(label); }
    // The highest slot recorded since the game on the play grid began, 0..500.
    std::int16_t lastRecorded() const { return lastRecorded_; }
    // Changes with every record, label and emptying of slot `slot`; a stamp
    // moves with its slot when the oldest is dropped.
    std::uint64_t slotStamp(int slot) const;
    // The slots dropped from the front of the history since the game began.
    std::int64_t droppedOldest() const { return dropped_; }
    // The game as it can be kept, and a kept game put back: its slots with
    // their labels (the others emptied), the grids coloured from content,
    // CandArr and HistIdx as they were.
    PlayRecord record() const;
    void restore(const PlayRecord& game);
    // The parts of record(): the game without its slots, and one slot (0..500).
    PlayRecord shown() const;
    PlayRecord::Slot recordedSlot(int slot) const;
    // Raised after HistIdx, a recorded slot or a label changed.
    std::function<void()> onHistoryChanged;

    // "Default Game" on the play side: the built-in puzzle with its givens cyan,
    // every candidate string "123456789", history slots 0 to 4 emptied and the
    // board recorded in slot 0.
    void showBuiltInPuzzle();
    // Puts `board` on the play grid as a fresh game: the 81 characters row by row,
    // "1"-"9" a given shown on cyan, any other character and any cell past the end
    // of the text empty. HistIdx becomes 0 and slot 0 records the board; Grid1
    // keeps what it shows, and the play grid's current cell ends at (8, 8).
    // Returns the number of givens, 0..81.
    int showAsFreshGame(std::string_view board);
    // A new puzzle: every history slot emptied, the candidate grid and CandArr as
    // "Default Game" leaves them (every string "123456789"), then `board` shown as
    // a fresh game on an emptied play grid. Returns the number of givens, 0..81.
    int showNewPuzzle(std::string_view board);

    // "Revert": shows the slot before HistIdx coloured from content; nothing at slot 0.
    void revert();
    // "Forward": shows the slot after HistIdx; nothing at slot 99 or the last slot.
    // Only the play grid is recoloured, and an emptied cell keeps its background.
    void forward();
    // Shows history slot `slot` (0..500) in both grids, coloured from content.
    void revertTo(std::int16_t slot);

    // "Put In the Grid": `text` into the play grid's current cell.
    void putIn(std::string_view text);
    // "Clear Grids": empties the play and candidate grids.
    void clearGrids();

private:
    void showHistorySlot();
    void showFullCandidates();
    void emptySlot(int slot);
    // A new game: nothing recorded yet beyond slot 0.
    void beginGame();
    void historyChanged();

    void stamp(int slot);

    // What stands beside each slot, moved with it.
    struct SlotNote {
        std::string label;
        std::uint64_t stamp = 0;
    };
    std::array<SlotNote, HistArray::Slots> notes_;
    std::uint64_t lastStamp_ = 0;
    std::int16_t lastRecorded_ = 0;
    std::int64_t dropped_ = 0;
    std::string recordLabel_;
};
