// The play side's game taken as a record and put back from one.
#include "board/PlaySide.h"

namespace {

constexpr int Size = CellGrid::Size;

std::vector<std::string> textsOf(const CellGrid& grid) {
    std::vector<std::string> texts;
    for (int row = 0; row < Size; ++row)
        for (int col = 0; col < Size; ++col)
            texts.push_back(grid.text(row, col));
    return texts;
}

std::vector<std::string> textsOf(const HistArray& history, int slot) {
    std::vector<std::string> texts;
    for (int row = 0; row < Size; ++row)
        for (int col = 0; col < Size; ++col)
            texts.emplace_back(history.at(slot, row, col));
    return texts;
}

const std::string& textAt(const std::vector<std::string>& texts, int row, int col) {
    static const std::string none;
    const auto at = static_cast<std::size_t>(row * Size + col);
    return at < texts.size() ? texts[at] : none;
}

} // namespace

PlayRecord PlaySide::record() const {
    PlayRecord game = shown();
    for (int slot = 0; slot <= lastRecorded_; ++slot)
        game.recorded.push_back(recordedSlot(slot));
    return game;
}

PlayRecord::Slot PlaySide::recordedSlot(int slot) const {
    return {textsOf(HistGrid1, slot), textsOf(HistGrid3, slot), HistLabel(slot)};
}

PlayRecord PlaySide::shown() const {
    PlayRecord game;
    game.grid1 = textsOf(Grid1);
    game.grid3 = textsOf(Grid3);
    for (int row = 0; row < Size; ++row)
        for (int col = 0; col < Size; ++col)
            game.candidates.push_back(CandArr[row][col]);
    game.histIdx = HistIdx;
    game.dropped = dropped_;
    return game;
}

void PlaySide::restore(const PlayRecord& game) {
    const int kept = std::min<int>(static_cast<int>(game.recorded.size()), HistArray::Slots);
    for (int slot = 0; slot < HistArray::Slots; ++slot) {
        emptySlot(slot);
        if (slot >= kept)
            continue;
        HistGrid1.recordTexts(slot, game.recorded[slot].grid1);
        HistGrid3.recordTexts(slot, game.recorded[slot].grid3);
        notes_[slot].label = game.recorded[slot].label;
    }
    for (int row = 0; row < Size; ++row) {
        for (int col = 0; col < Size; ++col) {
            Grid1.setText(row, col, textAt(game.grid1, row, col));
            Grid3.setText(row, col, textAt(game.grid3, row, col));
            CandArr[row][col] = textAt(game.candidates, row, col);
        }
    }
    lastRecorded_ = static_cast<std::int16_t>(std::max(kept - 1, 0));
    HistIdx = static_cast<std::int16_t>(std::clamp(game.histIdx, 0, HistArray::Slots - 1));
    dropped_ = game.dropped;
    ColorMe();
    historyChanged();
}
