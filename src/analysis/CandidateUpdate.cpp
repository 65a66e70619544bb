// "Update" and "Clue": the candidates of every cell from the play grid, every
// single filled, a repetition taken back, one history record per run.
#include "analysis/Analysis.h"
#include "analysis/Boxes.h"
#include "board/CellText.h"
#include "controls/NumericValue.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace {

constexpr int Size = CellGrid::Size;
constexpr int Cells = Size * Size;
using CandidateTexts = PlaySide::CandidateTexts;
using CellDigits = SweepMemo::CellDigits;

// A cell of the play grid with a value above 0, and its text without the
// surrounding spaces: the "digit" it removes from its neighbours.
struct FilledCell {
    int row;
    int col;
    std::string_view digit;
};

// The play grid as a sweep reads it. Nothing runs between the steps of a
// sweep, and each placement comes after the one reading of its cell, so this
// stays true for the whole sweep.
struct PlayCells {
    std::array<double, Size * Size> value{}; // the numeric value of every text
    std::array<FilledCell, Size * Size> filled;
    int filledCount = 0;
};

PlayCells readPlayGrid(const CellGrid& grid) {
    PlayCells play;
    for (int row = 0; row < Size; ++row) {
        for (int col = 0; col < Size; ++col) {
            const std::string& text = grid.text(row, col);
            const double value = grid.value(row, col);
            play.value[row * Size + col] = value;
            if (!(value > 0))
                continue;
            const std::string_view digit =
                text.size() == 1 ? std::string_view(text) : trimmedSpaces(text);
            play.filled[play.filledCount++] = {row, col, digit};
        }
    }
    return play;
}

// The rule as written, on the texts themselves: any text, however long, removes
// the first occurrence of itself (one character) from each neighbour that is
// not exactly equal to it.
void eliminateAsTexts(CandidateTexts& cand, const PlayCells& play) {
    for (auto& row : cand)
        for (std::string& text : row)
            text = "123456789";
    for (int i = 0; i < play.filledCount; ++i) {
        const FilledCell& cell = play.filled[i];
        const std::string digit(cell.digit);
        cand[cell.row][cell.col] = digit;
        forEachNeighbour(cell.row, cell.col, [&](int r, int c) {
            if (cand[r][c] != digit)
                cand[r][c] = PlaySide::strless(cand[r][c], digit);
        });
    }
}

// The numeric value of a single's candidate string written back in decimal.
std::string placedText(double value) {
    if (value == std::floor(value))
        return std::to_string(static_cast<int>(value));
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

// The text rule's singles: every cell whose candidate string reads as a number
// from 1 to 9 that differs from the cell's value receives that number as text.
// Returns the last text placed, "" when none.
std::string placeTextSingles(PlaySide& side, const PlayCells& play, SweepMemo& memo) {
    std::string lastPlaced;
    for (int i = 0; i < Cells; ++i) {
        const double single = numericValue(side.CandArr[i / Size][i % Size]);
        memo.playDigits[i] = SweepMemo::playTally(play.value[i]);
        if (play.value[i] != single && single > 0 && single <= 9) {
            lastPlaced = placedText(single);
            side.Grid3.setText(i / Size, i % Size, lastPlaced);
            memo.playDigits[i] = SweepMemo::playTally(single);
        }
    }
    return lastPlaced;
}

// A sweep on any board, by the rule as written on the texts.
std::string sweepTexts(PlaySide& side, SweepMemo& memo) {
    const PlayCells play = readPlayGrid(side.Grid3);
    eliminateAsTexts(side.CandArr, play);
    for (int row = 0; row < Size; ++row)
        for (int col = 0; col < Size; ++col)
            side.Grid1.setText(row, col, side.CandArr[row][col]);
    memo.shownRead.forget();
    const std::string lastPlaced = placeTextSingles(side, play, memo);
    memo.playRead.takenFrom(side.Grid3);
    memo.plainRead.forget();
    memo.lastSweepQuiet = false;
    return lastPlaced;
}

// A plain play grid: every cell with a value above 0 holds, spaces aside, one
// digit 1 to 9. There the rule comes down to digit sets. Reads the grid into
// `digits`, 0 for a cell without a value above 0; false for a grid that is
// not plain.
bool readPlainDigits(const CellGrid& grid, CellDigits& digits) {
    for (int row = 0; row < Size; ++row) {
        for (int col = 0; col < Size; ++col) {
            const std::string& text = grid.text(row, col);
            int& digit = digits[row * Size + col];
            digit = 0;
            if (text.size() == 1 && text[0] >= '1' && text[0] <= '9') {
                digit = text[0] - '0';
                continue;
            }
            if (!(grid.value(row, col) > 0))
                continue;
            const std::string_view trimmedText = trimmedSpaces(text);
            if (trimmedText.size() != 1 || trimmedText[0] < '1' || trimmedText[0] > '9')
                return false;
            digit = trimmedText[0] - '0';
        }
    }
    return true;
}

using DigitSet = SweepMemo::DigitSet;
using DigitSets = std::array<DigitSet, Cells>;

// The candidate string of every set: digits ascending, no separators. Built
// once, before any sweep, so a lookup needs no guard.
const std::array<std::string, SweepMemo::NineDigits + 1> SetTexts = [] {
    std::array<std::string, SweepMemo::NineDigits + 1> all;
    for (DigitSet s = 0; s <= SweepMemo::NineDigits; s += 2)
        for (int digit = 1; digit <= 9; ++digit)
            if (s & (1u << digit))
                all[s].push_back(static_cast<char>('0' + digit));
    return all;
}();

DigitSet digitSet(int digit) {
    return static_cast<DigitSet>(1u << digit);
}

bool shareAUnit(int a, int b) {
    return a / Size == b / Size || a % Size == b % Size || BoxOfCell[a] == BoxOfCell[b];
}

// Replays, in row order of the filled cells, the removals that reach the empty
// cell `cell`.
DigitSet replayRemovals(const CellDigits& digits, int cell) {
    DigitSet set = SweepMemo::NineDigits;
    for (int i = 0; i < Cells; ++i) {
        if (digits[i] == 0)
            continue;
        const DigitSet own = digitSet(digits[i]);
        if (shareAUnit(cell, i) && set != own)
            set = static_cast<DigitSet>(set & ~own);
    }
    return set;
}

// The text rule on a plain grid, on digit sets. The candidate strings are then
// ascending digits, so "exactly equal to d" is "only d left" and removing the
// first occurrence of d is removing d. A filled cell ends with its own digit:
// later removals of other digits find nothing to take. An empty cell ends with
// the digits that no filled cell of its units holds, as long as there is one:
// it stays in the set throughout, so the set never comes down to one removable
// digit. Only when every digit is excluded does the order matter, and the
// removals are replayed for that cell.
DigitSets candidateSets(const CellDigits& digits) {
    std::array<DigitSet, Size> inRow{};
    std::array<DigitSet, Size> inCol{};
    std::array<DigitSet, Size> inBox{};
    for (int row = 0; row < Size; ++row) {
        for (int col = 0; col < Size; ++col) {
            const DigitSet digit = digitSet(digits[row * Size + col]) & SweepMemo::NineDigits;
            inRow[row] |= digit;
            inCol[col] |= digit;
            inBox[row / 3 * 3 + col / 3] |= digit;
        }
    }
    DigitSets sets;
    for (int row = 0; row < Size; ++row) {
        for (int col = 0; col < Size; ++col) {
            const int i = row * Size + col;
            if (digits[i] != 0) {
                sets[i] = digitSet(digits[i]);
                continue;
            }
            const DigitSet excluded = inRow[row] | inCol[col] | inBox[row / 3 * 3 + col / 3];
            sets[i] = static_cast<DigitSet>(SweepMemo::NineDigits & ~excluded);
            if (sets[i] == 0)
                sets[i] = replayRemovals(digits, i);
        }
    }
    return sets;
}

// Writes the candidate strings of `sets` into CandArr and Grid1. While Grid1
// still shows the sets the memo holds (and CandArr with it), only the cells
// whose set changed are written; otherwise every string is compared, most
// being as they were.
void showSets(PlaySide& side, const DigitSets& sets, SweepMemo& memo) {
    const bool known = memo.shownRead.holdsFor(side.Grid1);
    for (int i = 0; i < Cells; ++i) {
        if (known && memo.shown[i] == sets[i])
            continue;
        const std::string& text = candidateText(sets[i]);
        if (std::string& cand = side.CandArr[i / Size][i % Size]; cand != text)
            cand = text;
        side.Grid1.setText(i / Size, i % Size, text);
    }
    memo.shown = sets;
    memo.shownRead.takenFrom(side.Grid1);
}

// A sweep on a plain grid, whose digits memo.playDigits holds: every empty cell
// down to one candidate receives it.
std::string sweepDigits(PlaySide& side, SweepMemo& memo) {
    CellDigits& digits = memo.playDigits;
    const DigitSets sets = candidateSets(digits);
    showSets(side, sets, memo);
    int lastPlaced = 0;
    for (int i = 0; i < Cells; ++i) {
        const int single = SweepMemo::candidateTally(sets[i]);
        memo.candidateDigits[i] = single;
        if (digits[i] == 0 && single != SweepMemo::NoDigit) {
            side.Grid3.setText(i / Size, i % Size, DigitText[single]);
            digits[i] = lastPlaced = single;
        }
    }
    // The duplicate check that follows, and the next sweep, start from here.
    memo.playRead.takenFrom(side.Grid3);
    memo.plainRead.takenFrom(side.Grid3);
    memo.candidateRead.takenFrom(side.Grid1);
    memo.lastSweepQuiet = lastPlaced == 0;
    return std::string(DigitText[lastPlaced]);
}

// One sweep's candidates and singles; returns the last text placed, "" when none.
// A plain grid that has not changed since the last sweep is not read again,
// and after a sweep that placed nothing there is nothing new to work out.
std::string sweepCandidates(PlaySide& side, SweepMemo& memo) {
    if (memo.plainRead.holdsFor(side.Grid3)) {
        if (memo.lastSweepQuiet && memo.shownRead.holdsFor(side.Grid1))
            return {};
        return sweepDigits(side, memo);
    }
    // The play digits are about to be read again: the old reading no longer holds.
    memo.playRead.forget();
    if (readPlainDigits(side.Grid3, memo.playDigits))
        return sweepDigits(side, memo);
    return sweepTexts(side, memo);
}

} // namespace

const std::string& candidateText(SweepMemo::DigitSet set) {
    return SetTexts[set & SweepMemo::NineDigits];
}

PlaySide::CandidateTexts sweptCandidates(const CellGrid& play) {
    PlaySide::CandidateTexts cand;
    eliminateAsTexts(cand, readPlayGrid(play));
    return cand;
}

Analysis::Analysis(PlaySide& play) : play_(play) {}

SweepOutcome Analysis::update(RunHost& host) {
    return runUpdate(host);
}

SweepOutcome Analysis::clue(RunHost& host) {
    SweepOutcome outcome;
    sweep(play_.HistIdx, host, outcome);
    finishRun();
    return outcome;
}

SweepOutcome Analysis::runUpdate(RunHost& host) {
    SweepOutcome outcome;
    const std::int16_t saved = play_.HistIdx;
    while (sweep(saved, host, outcome)) {
    }
    finishRun();
    return outcome;
}

bool Analysis::sweep(std::int16_t saved, RunHost& host, SweepOutcome& outcome) {
    // The elimination reads the play grid by walking its current cell over every
    // cell; nothing happens between the steps, so only the end of the walk shows.
    play_.Grid3.setCurrent(Size - 1, Size - 1);
    const std::string lastPlaced = sweepCandidates(play_, memo_);
    const bool placed = !lastPlaced.empty();
    if (placed && onPlaced)
        onPlaced(lastPlaced);
    host.yield();
    if (const std::optional<Clash> clash = chkdup()) {
        // The board of the saved slot, as "Revert" from the slot above shows it;
        // reached directly, since the saved slot may be the last one.
        const int digit = repeatedDigit(*clash);
        play_.revertTo(saved);
        play_.ColorMe();
        outcome = {true, clash, digit};
        return false;
    }
    return placed;
}

void Analysis::finishRun() {
    play_.NextHistSlot();
    play_.FILLARRAY();
    play_.ColorMe();
}
