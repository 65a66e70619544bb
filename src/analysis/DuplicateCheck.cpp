// The duplicate check, the win check and "Chk.Dup".
#include "analysis/Analysis.h"
#include "board/CellText.h"

#include <array>
#include <optional>

namespace {

constexpr int Size = CellGrid::Size;

constexpr int NoDigit = SweepMemo::NoDigit;
constexpr int NotADigit = SweepMemo::NotADigit; // always a repetition

using CellDigits = SweepMemo::CellDigits;

// A play cell takes part with any value above 0 ("12" and "0.4" included).
int playDigit(const CellGrid& grid, int row, int col) {
    return SweepMemo::playTally(grid.value(row, col));
}

// A candidate cell takes part only when, spaces aside, it holds one character.
int candidateDigit(const CellGrid& grid, int row, int col) {
    const std::string& text = grid.text(row, col);
    if (text.size() == 1)
        return text[0] >= '1' && text[0] <= '9' ? text[0] - '0' : NoDigit;
    const std::string_view kept = trimmedSpaces(text);
    return kept.size() == 1 && kept[0] >= '1' && kept[0] <= '9' ? kept[0] - '0' : NoDigit;
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

// The cell at which a digit was met for the second time, and the cell where it
// was met first (the same cell for a value that is no digit).
struct UnitRepeat {
    bool inBox;
    CellPos first;
    CellPos second;
};

CellPos positionOf(int cell) {
    return {cell / Size, cell % Size};
}

// Scans one unit, whose i-th cell (0..8) is cellOf(i), with a fresh tally.
template <typename CellOf>
std::optional<UnitRepeat> repeatIn(const CellDigits& digits, CellOf cellOf, bool inBox) {
    unsigned tally = 0;
    std::array<int, NotADigit + 1> seenAt{};
    for (int i = 0; i < Size; ++i) {
        const int cell = cellOf(i);
        const int digit = digits[cell];
        if (repeats(tally, digit)) {
            const int first = digit == NotADigit ? cell : seenAt[digit];
            return UnitRepeat{inBox, positionOf(first), positionOf(cell)};
        }
        seenAt[digit] = cell;
    }
    return std::nullopt;
}

// Rows, then columns, then boxes: boxes go down the left box column first, and
// within a box column by column, top to bottom.
std::optional<UnitRepeat> firstRepeat(const CellDigits& digits) {
    for (int row = 0; row < Size; ++row)
        if (auto found = repeatIn(
                digits, [&](int i) { return row * Size + i; }, false))
            return found;
    for (int col = 0; col < Size; ++col)
        if (auto found = repeatIn(
                digits, [&](int i) { return i * Size + col; }, false))
            return found;
    for (int left = 0; left < Size; left += 3) {
        for (int top = 0; top < Size; top += 3) {
            auto boxCell = [&](int i) { return (top + i % 3) * Size + left + i / 3; };
            if (auto found = repeatIn(digits, boxCell, true))
                return found;
        }
    }
    return std::nullopt;
}

// Reads the digit of every cell into `digits`.
template <typename Read>
void readDigits(const CellGrid& grid, Read read, CellDigits& digits) {
    for (int row = 0; row < Size; ++row)
        for (int col = 0; col < Size; ++col)
            digits[row * Size + col] = read(grid, row, col);
}

// True when some unit holds a digit twice or a cell holds a value that is no
// digit. The marks of distinct digits add up to their union, while a repeated
// one carries into another bit, so one branch-free pass over the cells decides
// for the common board that has no repetition; firstRepeat then finds where
// the ordered scan meets it.
bool anyRepeat(const CellDigits& digits) {
    std::array<unsigned, Size> rowAll{}, rowSum{}, colAll{}, colSum{}, boxAll{}, boxSum{};
    for (int row = 0; row < Size; ++row) {
        for (int col = 0; col < Size; ++col) {
            const unsigned mark = (1u << digits[row * Size + col]) & ~(1u << NoDigit);
            const int box = row / 3 * 3 + col / 3;
            rowAll[row] |= mark;
            rowSum[row] += mark;
            colAll[col] |= mark;
            colSum[col] += mark;
            boxAll[box] |= mark;
            boxSum[box] += mark;
        }
    }
    unsigned differs = 0;
    for (int unit = 0; unit < Size; ++unit)
        differs |= (rowAll[unit] ^ rowSum[unit]) | (colAll[unit] ^ colSum[unit]) |
                   (boxAll[unit] ^ boxSum[unit]) | (rowAll[unit] & (1u << NotADigit));
    return differs != 0;
}

// The grid's digits; the grid is read again only when one of its texts changed
// since last time.
template <typename Read>
const CellDigits& digitsOf(const CellGrid& grid, Read read, SweepMemo::Reading& reading,
                           CellDigits& digits) {
    if (!reading.holdsFor(grid)) {
        readDigits(grid, read, digits);
        reading.takenFrom(grid);
    }
    return digits;
}

// Where the ordered scan of the digits first meets a repetition, if they have one.
std::optional<UnitRepeat> firstRepeatIn(const CellDigits& digits) {
    if (!anyRepeat(digits))
        return std::nullopt;
    return firstRepeat(digits);
}

// The box pass walks the grid's current cell over the mirror image (c, r) of the
// cell (r, c) it examines, so it stops there or, having seen every box, at (8, 8).
// The rows and columns passes leave the current cell alone.
void leaveCurrentCell(CellGrid& grid, const std::optional<UnitRepeat>& repeat) {
    if (!repeat)
        grid.setCurrent(Size - 1, Size - 1);
    else if (repeat->inBox)
        grid.setCurrent(repeat->second.col, repeat->second.row);
}

std::optional<Clash> clashOf(Clash::Grid grid, const std::optional<UnitRepeat>& repeat) {
    if (!repeat)
        return std::nullopt;
    return Clash{grid, repeat->first, repeat->second};
}

// The repetitions of both grids, as chkdup's scans meet them.
struct Scan {
    std::optional<UnitRepeat> inPlay;
    std::optional<UnitRepeat> inCandidates; // looked for only when the play grid has none
};

Scan scanGrids(const PlaySide& play, SweepMemo& memo) {
    const CellDigits& playDigits = digitsOf(play.Grid3, playDigit, memo.playRead, memo.playDigits);
    Scan scan{firstRepeatIn(playDigits), std::nullopt};
    if (scan.inPlay)
        return scan;
    const CellDigits& candidates =
        digitsOf(play.Grid1, candidateDigit, memo.candidateRead, memo.candidateDigits);
    // After a sweep the settled candidates are the play digits themselves, which
    // were just found free of repetitions.
    if (candidates != playDigits)
        scan.inCandidates = firstRepeatIn(candidates);
    return scan;
}

std::optional<Clash> clashOf(const Scan& scan) {
    if (scan.inPlay)
        return clashOf(Clash::Grid::Play, scan.inPlay);
    return clashOf(Clash::Grid::Candidates, scan.inCandidates);
}

} // namespace

std::optional<Clash> Analysis::chkdup() {
    const Scan scan = scanGrids(play_, memo_);
    leaveCurrentCell(play_.Grid3, scan.inPlay);
    if (!scan.inPlay)
        leaveCurrentCell(play_.Grid1, scan.inCandidates);
    return clashOf(scan);
}

std::optional<Clash> Analysis::findClash() {
    return clashOf(scanGrids(play_, memo_));
}

int Analysis::repeatedDigit(const Clash& clash) const {
    const CellPos at = clash.second;
    const int digit = clash.grid == Clash::Grid::Play ? playDigit(play_.Grid3, at.row, at.col)
                                                      : candidateDigit(play_.Grid1, at.row, at.col);
    return digit == NotADigit ? 0 : digit;
}

bool Analysis::FindWin() {
    if (chkdup())
        return false;
    for (int row = 0; row < Size; ++row)
        for (int col = 0; col < Size; ++col)
            if (play_.Grid3.value(row, col) == 0)
                return false;
    return true;
}

BoardCheck Analysis::checkBoard() {
    const bool duplicate = chkdup().has_value();
    const bool win = FindWin();
    return duplicate ? BoardCheck::Duplicates : win ? BoardCheck::Win : BoardCheck::Neither;
}
