// The boards on screen and in the history, held against the solution.
#include "analysis/Mistakes.h"

#include "controls/NumericValue.h"

#include <string_view>

namespace {

constexpr int Cells = CellGrid::Size * CellGrid::Size;

bool wrongDigit(double value, int solutionDigit) {
    return value > 0 && value != solutionDigit;
}

// "" shows no candidates, so it cannot lack one.
bool lacksDigit(double playValue, std::string_view candidates, int solutionDigit) {
    return !(playValue > 0) && !candidates.empty() &&
           candidates.find(static_cast<char>('0' + solutionDigit)) == std::string_view::npos;
}

bool slotHoldsAMistake(const PlaySide& play, int slot, const engine::Board& solution) {
    for (int cell = 0; cell < Cells; ++cell) {
        const int row = cell / CellGrid::Size, col = cell % CellGrid::Size;
        const double value = numericValue(play.HistGrid3.at(slot, row, col));
        if (wrongDigit(value, solution[cell]) ||
            lacksDigit(value, play.HistGrid1.at(slot, row, col), solution[cell]))
            return true;
    }
    return false;
}

} // namespace

MistakeMarks mistakesOf(const PlaySide& play, const engine::Board& solution) {
    MistakeMarks marks;
    for (int cell = 0; cell < Cells; ++cell) {
        const int row = cell / CellGrid::Size, col = cell % CellGrid::Size;
        const double value = play.Grid3.value(row, col);
        marks.play[cell] = wrongDigit(value, solution[cell]);
        marks.candidates[cell] = lacksDigit(value, play.Grid1.text(row, col), solution[cell]);
        marks.count += marks.play[cell] || marks.candidates[cell];
    }
    return marks;
}

std::optional<int> lastCorrectSlot(const PlaySide& play, const engine::Board& solution) {
    for (int slot = play.HistIdx; slot >= 0; --slot)
        if (!slotHoldsAMistake(play, slot, solution))
            return slot;
    return std::nullopt;
}
