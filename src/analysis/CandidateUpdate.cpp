// "Update" and "Clue": the candidates of every cell from the play grid, every
// single filled, a repetition taken back, one history record per run.
#include "analysis/Boxes.h"
#include "analysis/SolvingRun.h"
#include "board/Frm_TaBrel.h"
#include "board/NumericValue.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

constexpr int Size = CellGrid::Size;
using Candidates = decltype(Frm_TaBrel::CandArr);

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
    bool allOneDigit = true; // every filled cell's trimmed text is one digit 1-9
};

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

PlayCells readPlayGrid(const CellGrid& grid) {
    PlayCells play;
    for (int row = 0; row < Size; ++row) {
        for (int col = 0; col < Size; ++col) {
            const std::string& text = grid.text(row, col);
            const double value = numericValue(text);
            play.value[row * Size + col] = value;
            if (!(value > 0))
                continue;
            const std::string_view digit =
                text.size() == 1 ? std::string_view(text) : trimmed(text);
            play.filled[play.filledCount++] = {row, col, digit};
            if (digit.size() != 1 || digit[0] < '1' || digit[0] > '9')
                play.allOneDigit = false;
        }
    }
    return play;
}

// Calls `visit` on every cell of the column, then the row, then the box of
// (row, col), in that order; cells shared by two of them are visited twice.
template <typename Visit>
void forEachNeighbour(int row, int col, Visit visit) {
    for (int k = 0; k < Size; ++k)
        visit(k, col);
    for (int k = 0; k < Size; ++k)
        visit(row, k);
    const int top = row / 3 * 3;
    const int left = col / 3 * 3;
    for (int r = top; r < top + 3; ++r)
        for (int c = left; c < left + 3; ++c)
            visit(r, c);
}

// The rule as written, on the texts themselves: any text, however long, removes
// the first occurrence of itself (one character) from each neighbour that is
// not exactly equal to it.
void eliminateAsTexts(Candidates& cand, const PlayCells& play) {
    for (auto& row : cand)
        for (std::string& text : row)
            text = "123456789";
    for (int i = 0; i < play.filledCount; ++i) {
        const FilledCell& cell = play.filled[i];
        const std::string digit(cell.digit);
        cand[cell.row][cell.col] = digit;
        forEachNeighbour(cell.row, cell.col, [&](int r, int c) {
            if (cand[r][c] != digit)
                cand[r][c] = Frm_TaBrel::strless(cand[r][c], digit);
        });
    }
}

// Bit k is set while digit k is a candidate.
using DigitSet = std::uint16_t;
constexpr DigitSet AllDigits = 0x3FE;
using DigitSets = std::array<DigitSet, Size * Size>;

// The candidate string of every set, built once: digits ascending, no separators.
const std::string& textOf(DigitSet set) {
    static const auto texts = [] {
        std::array<std::string, AllDigits + 1> all;
        for (DigitSet s = 0; s <= AllDigits; s += 2)
            for (int digit = 1; digit <= 9; ++digit)
                if (s & (1u << digit))
                    all[s].push_back(static_cast<char>('0' + digit));
        return all;
    }();
    return texts[set];
}

DigitSet digitSet(char digit) {
    return static_cast<DigitSet>(1u << (digit - '0'));
}

int boxOf(int row, int col) {
    return BoxOfCell[row * Size + col];
}

bool shareAUnit(int row, int col, const FilledCell& cell) {
    return cell.row == row || cell.col == col || boxOf(cell.row, cell.col) == boxOf(row, col);
}

// Replays, in order, the removals that reach the empty cell (row, col).
DigitSet replayRemovals(const PlayCells& play, int row, int col) {
    DigitSet set = AllDigits;
    for (int i = 0; i < play.filledCount; ++i) {
        const FilledCell& cell = play.filled[i];
        const DigitSet own = digitSet(cell.digit[0]);
        if (shareAUnit(row, col, cell) && set != own)
            set = static_cast<DigitSet>(set & ~own);
    }
    return set;
}

// The same rule when every filled cell holds one digit 1-9, on digit sets. The
// candidate strings are then ascending digits, so "exactly equal to d" is "only
// d left" and removing the first occurrence of d is removing d. A filled cell
// ends with its own digit: later removals of other digits find nothing to take.
// An empty cell ends with the digits that no filled cell of its units holds, as
// long as there is one: it stays in the set throughout, so the set never comes
// down to one removable digit. Only when every digit is excluded does the order
// matter, and the removals are replayed for that cell.
DigitSets eliminateAsDigitSets(Candidates& cand, const PlayCells& play) {
    std::array<DigitSet, Size> inRow{};
    std::array<DigitSet, Size> inCol{};
    std::array<DigitSet, Size> inBox{};
    std::array<DigitSet, Size * Size> own{};
    DigitSets sets;
    for (int i = 0; i < play.filledCount; ++i) {
        const FilledCell& cell = play.filled[i];
        const DigitSet digit = digitSet(cell.digit[0]);
        own[cell.row * Size + cell.col] = digit;
        inRow[cell.row] |= digit;
        inCol[cell.col] |= digit;
        inBox[boxOf(cell.row, cell.col)] |= digit;
    }
    for (int row = 0; row < Size; ++row) {
        for (int col = 0; col < Size; ++col) {
            DigitSet set = own[row * Size + col];
            if (set == 0) {
                const DigitSet excluded = inRow[row] | inCol[col] | inBox[boxOf(row, col)];
                set = static_cast<DigitSet>(AllDigits & ~excluded);
                if (set == 0)
                    set = replayRemovals(play, row, col);
            }
            sets[row * Size + col] = set;
            // Most strings are as the last sweep left them: compare before copying.
            if (const std::string& text = textOf(set); cand[row][col] != text)
                cand[row][col] = text;
        }
    }
    return sets;
}

// Resets every candidate string and removes the digit of every filled cell, in
// row order, from its column, row and box. Returns the candidates as digit sets
// too when every filled cell holds one digit.
std::optional<DigitSets> eliminateFilledDigits(Candidates& cand, const PlayCells& play) {
    if (play.allOneDigit)
        return eliminateAsDigitSets(cand, play);
    eliminateAsTexts(cand, play);
    return std::nullopt;
}

// The numeric value of a single's candidate string written back in decimal.
std::string placedText(double value) {
    if (value == std::floor(value))
        return std::to_string(static_cast<int>(value));
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

// The numeric value of the candidate string shown for cell `i`. From a digit
// set it is the digit of a single; a string of several digits 1-9 is worth 12
// or more, and 10 stands in for it.
double shownValue(const Candidates& cand, const std::optional<DigitSets>& sets, int i) {
    if (!sets)
        return numericValue(cand[i / Size][i % Size]);
    const DigitSet set = (*sets)[i];
    if (set & (set - 1))
        return 10;
    return std::countr_zero(static_cast<unsigned>(set));
}

// Fills every cell whose shown candidate string is one digit and differs from
// the cell's value; the candidates are not recomputed in between. Returns
// whether anything was placed.
bool placeSingles(Frm_TaBrel& form, const PlayCells& play, const std::optional<DigitSets>& sets) {
    std::string lastPlaced;
    for (int i = 0; i < Size * Size; ++i) {
        const double single = shownValue(form.CandArr, sets, i);
        if (play.value[i] != single && single > 0 && single <= 9) {
            lastPlaced = placedText(single);
            form.Grid3.setText(i / Size, i % Size, lastPlaced);
        }
    }
    if (lastPlaced.empty())
        return false;
    // The editor shows each placed text in turn; only the last one is ever seen.
    form.Text1.setText(lastPlaced);
    return true;
}

} // namespace

void Frm_TaBrel::Command1_Click() {
    if (solving_)
        return;
    SolvingRun run(solving_);
    runUpdate();
}

void Frm_TaBrel::Command13_Click() {
    if (solving_)
        return;
    SolvingRun run(solving_);
    sweep(HistIdx);
    finishRun();
}

void Frm_TaBrel::runUpdate() {
    const std::int16_t saved = HistIdx;
    while (sweep(saved)) {
    }
    finishRun();
}

// True when the sweep placed a digit and found no repetition: another follows.
bool Frm_TaBrel::sweep(std::int16_t saved) {
    const PlayCells play = readPlayGrid(Grid3);
    const auto sets = eliminateFilledDigits(CandArr, play);
    // The elimination reads the play grid by walking its current cell over every
    // cell; nothing happens between the steps, so only the end of the walk shows.
    Grid3.setCurrent(Size - 1, Size - 1);
    for (int row = 0; row < Size; ++row)
        for (int col = 0; col < Size; ++col)
            Grid1.setText(row, col, CandArr[row][col]);
    const bool placed = placeSingles(*this, play, sets);
    shell_.yield();
    if (chkdup()) {
        // The board of the saved slot, as "Revert" from the slot above shows it;
        // reached directly, since the saved slot may be the last one.
        revertTo(saved);
        ColorMe();
        return false;
    }
    return placed;
}

void Frm_TaBrel::finishRun() {
    NextHistSlot();
    FILLARRAY();
    ColorMe();
}
