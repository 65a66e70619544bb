// The duplicate check, the win check and "Chk.Dup".
#include "analysis/Boxes.h"
#include "board/Frm_TaBrel.h"
#include "board/NumericValue.h"

#include <array>
#include <cmath>
#include <optional>

namespace {

constexpr int Size = CellGrid::Size;

// What one cell adds to its unit's tally.
constexpr int NoDigit = 0;    // the cell takes no part
constexpr int NotADigit = 10; // a value that no board may hold: always a repetition

using Digits = std::array<int, Size * Size>;

// A play cell takes part with any value above 0 ("12" and "0.4" included).
int playDigit(const std::string& text) {
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9')
        return text[0] - '0';
    const double value = numericValue(text);
    if (!(value > 0))
        return NoDigit;
    if (value <= 9 && value == std::floor(value))
        return static_cast<int>(value);
    return NotADigit;
}

// A candidate cell takes part only when, spaces aside, it holds one character.
int candidateDigit(const std::string& text) {
    if (text.size() == 1)
        return text[0] >= '1' && text[0] <= '9' ? text[0] - '0' : NoDigit;
    if (text.size() > 1 && text.front() != ' ' && text.back() != ' ')
        return NoDigit;
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos || text.find_last_not_of(' ') != first)
        return NoDigit;
    const char ch = text[first];
    return ch >= '1' && ch <= '9' ? ch - '0' : NoDigit;
}

// Marks `digit` in the unit's tally; true when it was marked already.
bool repeats(unsigned& tally, int digit) {
    if (digit == NoDigit)
        return false;
    if (digit == NotADigit)
        return true;
    const unsigned mark = 1u << digit;
    if (tally & mark)
        return true;
    tally |= mark;
    return false;
}

// The cell at which a digit was met for the second time.
struct Repeat {
    bool inBox;
    int row;
    int col;
};

// Rows, then columns, then boxes: boxes go down the left box column first, and
// within a box column by column, top to bottom. The tally is cleared per unit.
std::optional<Repeat> firstRepeat(const Digits& digits) {
    for (int row = 0; row < Size; ++row) {
        unsigned tally = 0;
        for (int col = 0; col < Size; ++col)
            if (repeats(tally, digits[row * Size + col]))
                return Repeat{false, row, col};
    }
    for (int col = 0; col < Size; ++col) {
        unsigned tally = 0;
        for (int row = 0; row < Size; ++row)
            if (repeats(tally, digits[row * Size + col]))
                return Repeat{false, row, col};
    }
    for (int left = 0; left < Size; left += 3) {
        for (int top = 0; top < Size; top += 3) {
            unsigned tally = 0;
            for (int col = left; col < left + 3; ++col)
                for (int row = top; row < top + 3; ++row)
                    if (repeats(tally, digits[row * Size + col]))
                        return Repeat{true, row, col};
        }
    }
    return std::nullopt;
}

// Reads the digit of every cell into `digits`; true when some unit holds one
// twice or a cell holds a value that is no digit. One pass, for the common
// board that has no repetition; firstRepeat then finds where the scan meets it.
template <typename Read>
bool readDigits(const CellGrid& grid, Read read, Digits& digits) {
    std::array<unsigned, Size> inCol{};
    std::array<unsigned, Size> inBox{};
    bool repeat = false;
    for (int row = 0; row < Size; ++row) {
        unsigned inRow = 0;
        for (int col = 0; col < Size; ++col) {
            const int digit = read(grid.text(row, col));
            digits[row * Size + col] = digit;
            if (digit == NoDigit)
                continue;
            const unsigned mark = 1u << digit;
            unsigned& box = inBox[BoxOfCell[row * Size + col]];
            if (digit == NotADigit || ((inRow | inCol[col] | box) & mark))
                repeat = true;
            inRow |= mark;
            inCol[col] |= mark;
            box |= mark;
        }
    }
    return repeat;
}

// Where the ordered scan of a grid with a repetition first meets it.
template <typename Read>
std::optional<Repeat> firstRepeatIn(const CellGrid& grid, Read read) {
    Digits digits;
    if (!readDigits(grid, read, digits))
        return std::nullopt;
    return firstRepeat(digits);
}

// The box pass walks the grid's current cell over the mirror image (c, r) of the
// cell (r, c) it examines, so it stops there or, having seen every box, at (8, 8).
// The rows and columns passes leave the current cell alone.
void leaveCurrentCell(CellGrid& grid, const std::optional<Repeat>& repeat) {
    if (!repeat)
        grid.setCurrent(Size - 1, Size - 1);
    else if (repeat->inBox)
        grid.setCurrent(repeat->col, repeat->row);
}

} // namespace

bool Frm_TaBrel::chkdup() {
    const auto inPlay = firstRepeatIn(Grid3, playDigit);
    leaveCurrentCell(Grid3, inPlay);
    if (inPlay)
        return true;
    const auto inCandidates = firstRepeatIn(Grid1, candidateDigit);
    leaveCurrentCell(Grid1, inCandidates);
    return inCandidates.has_value();
}

bool Frm_TaBrel::FindWin() {
    if (chkdup())
        return false;
    for (int row = 0; row < Size; ++row)
        for (int col = 0; col < Size; ++col)
            if (numericValue(Grid3.text(row, col)) == 0)
                return false;
    return true;
}

void Frm_TaBrel::Command9_Click() {
    const bool duplicate = chkdup();
    const bool win = FindWin();
    const char* text = duplicate ? "Duplicates found"
                       : win     ? "Good Girl! you did it"
                                 : "No Duplicates...Continue it";
    shell_.msgBox(text, MsgButtons::Ok, MsgIcon::Warning, "");
}
