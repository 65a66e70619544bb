// Depth-first search over per-digit bitboards, with singles and the digit's
// layout inside each band propagated by bit operations before every guess.
//
// Every digit keeps, for each band of three rows, a 27-bit word of the cells it
// may still take (bit = cell - 27 * band, so a word runs row by row). Inside a
// band a digit sits once in each row and once in each box: its three places
// form a permutation of rows onto boxes. A table on the nine row-box segments
// still open keeps only the segments some such permutation uses; this finds
// pointing and claiming inside the band and hidden singles in its rows and
// boxes. The same table on the column-band segments of a stack does it for
// columns. Naked singles come from counting, cell by cell, how many words hold
// the cell. Guesses go to a cell with two candidates when there is one, else to
// a cell with the fewest.
#include "engine/Solver.h"

#include "engine/Random.h"

#include <bit>

namespace engine {

namespace {

using Word = std::uint32_t;

constexpr int Bands = 3;
constexpr Word FullBand = 0x7FFFFFF;
constexpr Word RowBits = 0x1FF;

// Words are kept band by band: slot band * 9 + digit - 1.
constexpr int slotOf(int band, int digitIndex) {
    return band * 9 + digitIndex;
}
constexpr Word bitOf(int cell) {
    return Word{1} << (cell % 27);
}

// For each cell, its peers in each band's word.
constexpr std::array<std::array<Word, Bands>, Cells> PeerWords = [] {
    std::array<std::array<Word, Bands>, Cells> words{};
    for (int cell = 0; cell < Cells; ++cell)
        for (int peer : PeerTable[cell])
            words[cell][peer / 27] |= bitOf(peer);
    return words;
}();

// For the nine cells of one row of a band, bit b set when box b of the band
// still holds one of them.
constexpr std::array<std::uint8_t, 512> SegmentsOfRow = [] {
    std::array<std::uint8_t, 512> segments{};
    for (int row = 0; row < 512; ++row)
        for (int box = 0; box < 3; ++box)
            if ((row >> (3 * box) & 7) != 0)
                segments[row] |= static_cast<std::uint8_t>(1 << box);
    return segments;
}();

// For a 3 x 3 matrix of open segments (bit 3 * i + j), the segments that some
// permutation i -> j uses: the digit once in each row i and once in each
// column j of the matrix. 0 when none fits.
constexpr std::array<std::uint16_t, 512> UsableSegments = [] {
    constexpr int Permutations[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2},
                                        {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    std::array<std::uint16_t, 512> usable{};
    for (int open = 0; open < 512; ++open) {
        for (const auto& permutation : Permutations) {
            int used = 0;
            for (int i = 0; i < 3; ++i)
                used |= 1 << (3 * i + permutation[i]);
            if ((open & used) == used)
                usable[open] |= static_cast<std::uint16_t>(used);
        }
    }
    return usable;
}();

// In a band, segment (row, box) is the three cells of the row in the box.
constexpr std::array<Word, 512> UsableCells = [] {
    std::array<Word, 512> usable{};
    for (int open = 0; open < 512; ++open)
        for (int segment = 0; segment < 9; ++segment)
            if ((UsableSegments[open] >> segment & 1) != 0)
                usable[open] |= Word{7} << (9 * (segment / 3) + 3 * (segment % 3));
    return usable;
}();

// The open segments of a band word: bit 3 * row + box.
int openSegments(Word word) {
    return SegmentsOfRow[word & RowBits] | SegmentsOfRow[word >> 9 & RowBits] << 3 |
           SegmentsOfRow[word >> 18] << 6;
}

// The cells that are alone in their row of the word.
Word loneInRow(Word word) {
    Word lone = 0;
    for (int shift = 0; shift < 27; shift += 9) {
        const Word row = word >> shift & RowBits;
        if ((row & (row - 1)) == 0)
            lone |= row << shift;
    }
    return lone;
}

struct State {
    std::array<Word, Bands * 9> cands;
    // Cells not yet given a digit.
    std::array<Word, Bands> unsolved;
    // Bit per slot whose word lost cells since it was last settled.
    Word changed;
};

void narrow(State& state, int slot, Word keep) {
    Word& word = state.cands[slot];
    if ((word & ~keep) != 0) {
        word &= keep;
        state.changed |= Word{1} << slot;
    }
}

// The OR of the three 9-bit thirds of a word: the columns a band word uses, or
// the digits a set of slots names.
Word foldThirds(Word word) {
    return (word | word >> 9 | word >> 18) & RowBits;
}

// A band word of the whole of the given columns (bit per column).
Word columnCells(Word columns) {
    return columns * 0x40201;
}

// Gives the digit to `cells` of the band, which must be alone in their rows and
// boxes in the digit's word already: takes them from the other digits and
// their columns from the digit's other bands.
void assign(State& state, int band, int digitIndex, Word cells) {
    Word lost = 0;
    for (int other = 0; other < 9; ++other) {
        Word& word = state.cands[slotOf(band, other)];
        lost |= Word{(word & cells) != 0} << other;
        word &= ~cells;
    }
    state.cands[slotOf(band, digitIndex)] |= cells;
    state.changed |= (lost & ~(Word{1} << digitIndex)) << slotOf(band, 0);
    const Word column = columnCells(foldThirds(cells));
    for (int b = 0; b < Bands; ++b)
        if (b != band)
            narrow(state, slotOf(b, digitIndex), ~column);
    state.unsolved[band] &= ~cells;
}

// Gives `cell` the digit, clearing its peers first; false when the cell cannot
// hold the digit any more.
bool place(State& state, int digitIndex, int cell) {
    const int band = cell / 27;
    const int slot = slotOf(band, digitIndex);
    if ((state.cands[slot] & bitOf(cell)) == 0)
        return false;
    narrow(state, slot, ~PeerWords[cell][band]);
    assign(state, band, digitIndex, bitOf(cell));
    return true;
}

// Keeps the digit's cells in the band that fit its layout and places the ones
// left alone in their row; false on a contradiction.
bool settle(State& state, int slot) {
    const int band = slot / 9;
    const int digitIndex = slot % 9;
    const Word word = state.cands[slot] & UsableCells[openSegments(state.cands[slot])];
    if (word == 0)
        return false;
    state.cands[slot] = word;
    // The layout already keeps a cell alone in its row out of the other rows of
    // its box.
    if (const Word lone = loneInRow(word) & state.unsolved[band]; lone != 0)
        assign(state, band, digitIndex, lone);
    return true;
}

// In a stack, segment (band, column) is the three cells of the column in the
// band: the digit's layout in the stack keeps the usable ones.
bool settleStacks(State& state, int digitIndex) {
    std::array<Word, Bands> columns{};
    for (int band = 0; band < Bands; ++band)
        columns[band] = foldThirds(state.cands[slotOf(band, digitIndex)]);
    std::array<Word, Bands> keep{};
    for (int shift = 0; shift < 9; shift += 3) {
        const int open =
            static_cast<int>((columns[0] >> shift & 7) | (columns[1] >> shift & 7) << 3 |
                             (columns[2] >> shift & 7) << 6);
        const Word usable = UsableSegments[open];
        if (usable == 0)
            return false;
        for (int band = 0; band < Bands; ++band)
            keep[band] |= (usable >> (3 * band) & 7) << shift;
    }
    for (int band = 0; band < Bands; ++band)
        narrow(state, slotOf(band, digitIndex), columnCells(keep[band]));
    return true;
}

// The digit index of the first word holding `bit` of the band; -1 for none.
int firstDigitAt(const State& state, int band, Word bit) {
    for (int digitIndex = 0; digitIndex < 9; ++digitIndex)
        if ((state.cands[slotOf(band, digitIndex)] & bit) != 0)
            return digitIndex;
    return -1;
}

// Places every cell left with one candidate; false when a cell has none.
bool placeNakedSingles(State& state) {
    for (int band = 0; band < Bands; ++band) {
        Word once = 0;
        Word twice = 0;
        for (int digitIndex = 0; digitIndex < 9; ++digitIndex) {
            const Word word = state.cands[slotOf(band, digitIndex)];
            twice |= once & word;
            once |= word;
        }
        if ((state.unsolved[band] & ~once) != 0)
            return false;
        for (Word singles = state.unsolved[band] & ~twice; singles != 0; singles &= singles - 1) {
            const Word bit = singles & -singles;
            const int digitIndex = firstDigitAt(state, band, bit);
            if (digitIndex < 0 || !place(state, digitIndex, band * 27 + std::countr_zero(bit)))
                return false;
        }
    }
    return true;
}

// Settles every changed word; `settled` gains the slots settled.
bool settleBands(State& state, Word& settled) {
    while (state.changed != 0) {
        settled |= state.changed;
        const int slot = std::countr_zero(state.changed);
        state.changed &= state.changed - 1;
        if (!settle(state, slot))
            return false;
    }
    return true;
}

bool propagate(State& state) {
    Word settled = 0;
    for (;;) {
        if (!settleBands(state, settled) || !placeNakedSingles(state))
            return false;
        if (state.changed != 0)
            continue;
        // The stacks are costlier: only once the bands and cells are quiet.
        for (Word digits = foldThirds(settled); digits != 0; digits &= digits - 1)
            if (!settleStacks(state, std::countr_zero(digits)))
                return false;
        settled = 0;
        if (state.changed == 0)
            return true;
    }
}

bool solved(const State& state) {
    return (state.unsolved[0] | state.unsolved[1] | state.unsolved[2]) == 0;
}

Digits candidatesOf(const State& state, int cell) {
    Digits digits = 0;
    for (int digitIndex = 0; digitIndex < 9; ++digitIndex)
        if ((state.cands[slotOf(cell / 27, digitIndex)] & bitOf(cell)) != 0)
            digits |= digitBit(digitIndex + 1);
    return digits;
}

// The first unsolved cell with exactly two candidates; -1 for none.
int firstPairCell(const State& state) {
    for (int band = 0; band < Bands; ++band) {
        Word once = 0;
        Word twice = 0;
        Word thrice = 0;
        for (int digitIndex = 0; digitIndex < 9; ++digitIndex) {
            const Word word = state.cands[slotOf(band, digitIndex)];
            thrice |= twice & word;
            twice |= once & word;
            once |= word;
        }
        const Word pairs = state.unsolved[band] & twice & ~thrice;
        if (pairs != 0)
            return band * 27 + std::countr_zero(pairs);
    }
    return -1;
}

int fewestCandidatesCell(const State& state) {
    int best = -1;
    int fewest = 10;
    for (int cell = 0; cell < Cells; ++cell) {
        if ((state.unsolved[cell / 27] & bitOf(cell)) == 0)
            continue;
        const int count = digitCount(candidatesOf(state, cell));
        if (count < fewest) {
            best = cell;
            fewest = count;
        }
    }
    return best;
}

Board boardOf(const State& state) {
    Board board{};
    for (int band = 0; band < Bands; ++band)
        for (int digitIndex = 0; digitIndex < 9; ++digitIndex)
            for (Word word = state.cands[slotOf(band, digitIndex)]; word != 0; word &= word - 1)
                board[band * 27 + std::countr_zero(word)] =
                    static_cast<std::uint8_t>(digitIndex + 1);
    return board;
}

// Counts solutions up to `limit`, keeping the first; with a generator the
// digits of each guess are tried in random order.
class Search {
public:
    Search(int limit, Random* random) : limit_(limit), random_(random) {}

    void run(State state) {
        if (!propagate(state))
            return;
        if (solved(state)) {
            if (found_++ == 0)
                first_ = boardOf(state);
            return;
        }
        int cell = firstPairCell(state);
        if (cell < 0)
            cell = fewestCandidatesCell(state);
        std::array<int, 9> order{};
        int count = 0;
        for (Digits digits = candidatesOf(state, cell); digits != 0; digits &= digits - 1)
            order[count++] = std::countr_zero(digits);
        if (random_ != nullptr)
            random_->shuffle(order.data(), count);
        for (int i = 0; i < count && found_ < limit_; ++i) {
            ++guesses_;
            State guess = state;
            if (place(guess, order[i], cell))
                run(guess);
        }
    }

    int found() const { return found_; }
    const Board& first() const { return first_; }
    int guesses() const { return guesses_; }

private:
    int limit_;
    Random* random_;
    int found_ = 0;
    int guesses_ = 0;
    Board first_{};
};

// The state with the board's givens placed, every word still to settle; none
// when two givens of a digit see each other.
std::optional<State> givenState(const Board& board) {
    std::array<std::array<Word, Bands>, 9> givens{};
    std::array<std::array<Word, Bands>, 9> seen{};
    std::array<Word, Bands> filled{};
    for (int cell = 0; cell < Cells; ++cell) {
        if (board[cell] < 1 || board[cell] > 9)
            continue;
        const int digitIndex = board[cell] - 1;
        givens[digitIndex][cell / 27] |= bitOf(cell);
        filled[cell / 27] |= bitOf(cell);
        for (int band = 0; band < Bands; ++band)
            seen[digitIndex][band] |= PeerWords[cell][band];
    }
    State state{};
    for (int band = 0; band < Bands; ++band) {
        state.unsolved[band] = FullBand & ~filled[band];
        for (int digitIndex = 0; digitIndex < 9; ++digitIndex) {
            if ((givens[digitIndex][band] & seen[digitIndex][band]) != 0)
                return std::nullopt;
            state.cands[slotOf(band, digitIndex)] =
                (state.unsolved[band] & ~seen[digitIndex][band]) | givens[digitIndex][band];
        }
    }
    state.changed = FullBand;
    return state;
}

} // namespace

SolveResult solve(const Board& board) {
    const auto state = givenState(board);
    if (!state)
        return {};
    Search search(2, nullptr);
    search.run(*state);
    return {search.found(), search.first(), search.guesses()};
}

bool hasUniqueSolution(const Board& board) {
    return solve(board).solutions == 1;
}

std::optional<Board> randomSolution(const Board& board, std::uint64_t seed) {
    const auto state = givenState(board);
    if (!state)
        return std::nullopt;
    Random random(seed);
    Search search(1, &random);
    search.run(*state);
    if (search.found() == 0)
        return std::nullopt;
    return search.first();
}

std::optional<Repeat> repeatedGiven(const Board& board) {
    for (int unit = 0; unit < Units; ++unit) {
        std::array<int, 10> seenAt{};
        seenAt.fill(-1);
        for (const int cell : UnitTable[unit]) {
            const int digit = board[cell];
            if (digit < 1 || digit > 9)
                continue;
            if (seenAt[digit] >= 0)
                return Repeat{unit, seenAt[digit], cell};
            seenAt[digit] = cell;
        }
    }
    return std::nullopt;
}

} // namespace engine
