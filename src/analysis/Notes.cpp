// The player's candidates: digit sets read from and written as candidate strings.
#include "analysis/Notes.h"

#include "analysis/Analysis.h"
#include "analysis/Boxes.h"
#include "board/CellText.h"

namespace {

using DigitSet = SweepMemo::DigitSet;
constexpr int Size = CellGrid::Size;

DigitSet bitOf(int digit) {
    return static_cast<DigitSet>(1u << digit);
}

// The digits 1-9 a text holds; anything else in it counts for nothing.
DigitSet digitsIn(std::string_view text) {
    DigitSet digits = 0;
    for (const char ch : text)
        if (ch >= '1' && ch <= '9')
            digits |= bitOf(ch - '0');
    return digits;
}

bool emptyPlayCell(const PlaySide& play, int row, int col) {
    return !(play.Grid3.value(row, col) > 0);
}

// Writes a candidate string as the sweeps do, into CandArr and Grid1, with the
// cell coloured as ColorMe colours it.
void showText(PlaySide& play, int row, int col, const std::string& text) {
    play.CandArr[row][col] = text;
    play.Grid1.setText(row, col, text);
    play.Grid1.setBackColor(row, col, play.Grid1.value(row, col) <= 9 ? Magenta : White);
}

void showCandidates(PlaySide& play, int row, int col, DigitSet digits) {
    showText(play, row, col, candidateText(digits));
}

void recordStep(PlaySide& play) {
    play.NextHistSlot();
    play.FILLARRAY();
}

} // namespace

bool toggleCandidate(PlaySide& play, int row, int col, int digit) {
    if (digit < 1 || digit > 9 || !emptyPlayCell(play, row, col))
        return false;
    showCandidates(play, row, col, digitsIn(play.Grid1.text(row, col)) ^ bitOf(digit));
    recordStep(play);
    return true;
}

void fillCandidates(PlaySide& play, bool keepStruck) {
    const PlaySide::CandidateTexts computed = sweptCandidates(play.Grid3);
    for (int row = 0; row < Size; ++row) {
        for (int col = 0; col < Size; ++col) {
            const std::string& text = computed[row][col];
            if (!keepStruck || !emptyPlayCell(play, row, col)) {
                showText(play, row, col, text);
                continue;
            }
            const DigitSet kept = digitsIn(play.Grid1.text(row, col));
            showCandidates(play, row, col,
                           digitsIn(text) & (kept != 0 ? kept : SweepMemo::NineDigits));
        }
    }
    recordStep(play);
}

void takeFromPeers(PlaySide& play, int row, int col) {
    const std::string_view text = trimmedSpaces(play.Grid3.text(row, col));
    const DigitSet digit = digitsIn(text);
    if (text.size() != 1 || digit == 0)
        return;
    showCandidates(play, row, col, digit);
    // The cell itself holds a digit, and a neighbour met twice has lost it already.
    forEachNeighbour(row, col, [&](int r, int c) {
        const DigitSet shown = digitsIn(play.Grid1.text(r, c));
        if (emptyPlayCell(play, r, c) && (shown & digit) != 0)
            showCandidates(play, r, c, shown & ~digit);
    });
}

std::array<DigitSet, Size * Size> struckDigits(const PlaySide& play) {
    std::array<DigitSet, Size * Size> struck{};
    const PlaySide::CandidateTexts computed = sweptCandidates(play.Grid3);
    for (int row = 0; row < Size; ++row) {
        for (int col = 0; col < Size; ++col) {
            const DigitSet shown = digitsIn(play.Grid1.text(row, col));
            if (emptyPlayCell(play, row, col) && !play.Grid1.text(row, col).empty())
                struck[row * Size + col] = digitsIn(computed[row][col]) & ~shown;
        }
    }
    return struck;
}
