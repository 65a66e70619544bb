// The player's candidates: digit sets read from and written as candidate strings.
#include "analysis/Notes.h"

#include "analysis/Analysis.h"
#include "board/CellText.h"

namespace {

constexpr int Size = CellGrid::Size;
constexpr DigitBits AllNine = 0x3FE;

DigitBits bitOf(int digit) {
    return static_cast<DigitBits>(1u << digit);
}

// The digits 1-9 a text holds; anything else in it counts for nothing.
DigitBits digitsIn(std::string_view text) {
    DigitBits digits = 0;
    for (const char ch : text)
        if (ch >= '1' && ch <= '9')
            digits |= bitOf(ch - '0');
    return digits;
}

std::string textOf(DigitBits digits) {
    std::string text;
    for (int digit = 1; digit <= 9; ++digit)
        if (digits & bitOf(digit))
            text += DigitText[digit];
    return text;
}

bool emptyPlayCell(const PlaySide& play, int row, int col) {
    return !(play.Grid3.value(row, col) > 0);
}

// Writes a candidate string as the sweeps do, into CandArr and Grid1, with the
// cell coloured as ColorMe colours it.
void showCandidates(PlaySide& play, int row, int col, const std::string& text) {
    play.CandArr[row][col] = text;
    play.Grid1.setText(row, col, text);
    play.Grid1.setBackColor(row, col, play.Grid1.value(row, col) <= 9 ? Magenta : White);
}

void recordStep(PlaySide& play) {
    play.NextHistSlot();
    play.FILLARRAY();
}

template <typename Visit>
void forEachPeer(int row, int col, Visit visit) {
    for (int k = 0; k < Size; ++k) {
        if (k != row)
            visit(k, col);
        if (k != col)
            visit(row, k);
    }
    for (int r = row / 3 * 3; r < row / 3 * 3 + 3; ++r)
        for (int c = col / 3 * 3; c < col / 3 * 3 + 3; ++c)
            if (r != row && c != col)
                visit(r, c);
}

} // namespace

bool toggleCandidate(PlaySide& play, int row, int col, int digit) {
    if (digit < 1 || digit > 9 || !emptyPlayCell(play, row, col))
        return false;
    const DigitBits shown = digitsIn(play.Grid1.text(row, col));
    showCandidates(play, row, col, textOf(shown ^ bitOf(digit)));
    recordStep(play);
    return true;
}

void fillCandidates(PlaySide& play, bool keepStruck) {
    const PlaySide::CandidateTexts computed = sweptCandidates(play.Grid3);
    for (int row = 0; row < Size; ++row) {
        for (int col = 0; col < Size; ++col) {
            const std::string& text = computed[row][col];
            if (!keepStruck || !emptyPlayCell(play, row, col)) {
                showCandidates(play, row, col, text);
                continue;
            }
            const DigitBits kept = digitsIn(play.Grid1.text(row, col));
            showCandidates(play, row, col, textOf(digitsIn(text) & (kept != 0 ? kept : AllNine)));
        }
    }
    recordStep(play);
}

void takeFromPeers(PlaySide& play, int row, int col) {
    const std::string_view digit = trimmedSpaces(play.Grid3.text(row, col));
    if (digit.size() != 1 || digitsIn(digit) == 0)
        return;
    showCandidates(play, row, col, std::string(digit));
    forEachPeer(row, col, [&](int r, int c) {
        const DigitBits shown = digitsIn(play.Grid1.text(r, c));
        if (emptyPlayCell(play, r, c) && (shown & digitsIn(digit)) != 0)
            showCandidates(play, r, c, textOf(shown & ~digitsIn(digit)));
    });
}

std::array<DigitBits, Size * Size> struckDigits(const PlaySide& play) {
    std::array<DigitBits, Size * Size> struck{};
    const PlaySide::CandidateTexts computed = sweptCandidates(play.Grid3);
    for (int row = 0; row < Size; ++row) {
        for (int col = 0; col < Size; ++col) {
            const DigitBits shown = digitsIn(play.Grid1.text(row, col));
            if (emptyPlayCell(play, row, col) && !play.Grid1.text(row, col).empty())
                struck[row * Size + col] = digitsIn(computed[row][col]) & ~shown;
        }
    }
    return struck;
}
