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
//
// That misses a clash that only a subset of a unit shows (three digits of a
// box left two cells, say), and on a sparse board the search can then guess
// all over the rest of the board before the clash comes to light. So a board
// that outlasts a budget of guesses is searched again from the start, checking
// before every guess that each unit's open cells can still be matched with
// its missing digits.
#include "engine/Solver.h"

#include "engine/Random.h"

#include <bit>
#include <limits>

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

// The candidates of every unsolved cell, digit bit per cell; 0 for a solved one.
using CellDigits = std::array<Digits, Cells>;

CellDigits cellDigits(const State& state) {
    CellDigits digits{};
    for (int band = 0; band < Bands; ++band)
        for (int digitIndex = 0; digitIndex < 9; ++digitIndex)
            for (Word word = state.cands[slotOf(band, digitIndex)] & state.unsolved[band];
                 word != 0; word &= word - 1)
                digits[band * 27 + std::countr_zero(word)] |= digitBit(digitIndex + 1);
    return digits;
}

// The unsolved cells of a unit: where they are, their candidates, and for
// each digit index the open cell (0 .. count - 1) matched with it, -1 for none.
struct OpenCells {
    int count = 0;
    std::array<int, 9> cell{};
    std::array<Digits, 9> digits{};
    std::array<int, 9> holder{};
};

OpenCells openCellsOf(int unit, const CellDigits& digits) {
    OpenCells open;
    for (const int cell : UnitTable[unit]) {
        if (digits[cell] != 0) {
            open.cell[open.count] = cell;
            open.digits[open.count++] = digits[cell];
        }
    }
    open.holder.fill(-1);
    return open;
}

// Gives open cell `i` a digit of its own, moving earlier holders along when
// needed (an augmenting path); false when no digit can be freed for it.
bool augment(OpenCells& open, int i, Digits& tried) {
    for (Digits left = open.digits[i] & ~tried; left != 0; left = open.digits[i] & ~tried) {
        const int digitIndex = std::countr_zero(left);
        tried |= static_cast<Digits>(left & -left);
        const int holder = open.holder[digitIndex];
        if (holder < 0 || augment(open, holder, tried)) {
            open.holder[digitIndex] = i;
            return true;
        }
    }
    return false;
}

// Matches every open cell with a digit of its own: most take a digit nobody
// holds yet, the others get one by augmenting paths. False when some cannot:
// k digits left fewer than k cells, or k cells fewer than k digits.
bool matchAll(OpenCells& open) {
    Digits held = 0;
    unsigned waiting = 0;
    for (int i = 0; i < open.count; ++i) {
        if (const Digits free = open.digits[i] & ~held; free != 0) {
            held |= static_cast<Digits>(free & -free);
            open.holder[std::countr_zero(free)] = i;
        } else {
            waiting |= 1u << i;
        }
    }
    for (; waiting != 0; waiting &= waiting - 1) {
        Digits tried = 0;
        if (!augment(open, std::countr_zero(waiting), tried))
            return false;
    }
    return true;
}

// The open cells reachable from `from` along `edges` (a bit per open cell).
unsigned reachable(unsigned from, const std::array<unsigned, 9>& edges) {
    unsigned seen = from;
    for (unsigned frontier = from; frontier != 0;) {
        unsigned next = 0;
        for (; frontier != 0; frontier &= frontier - 1)
            next |= edges[std::countr_zero(frontier)];
        frontier = next & ~seen;
        seen |= next;
    }
    return seen;
}

// The open cells of a unit must take its missing digits one each. With all
// matched, let each cell lead to the holders of its candidates: a candidate
// outside the matching belongs to another one exactly when its holder leads
// back to the cell, that is when both lie in one strongly connected group.
// Keeps only those candidates, which finds every naked and hidden subset of
// the unit at once; false when the cells cannot all be matched.
bool matchUnit(OpenCells& open) {
    if (!matchAll(open))
        return false;
    std::array<unsigned, 9> onward{};
    std::array<unsigned, 9> back{};
    std::array<Digits, 9> own{};
    for (int digitIndex = 0; digitIndex < 9; ++digitIndex)
        if (open.holder[digitIndex] >= 0)
            own[open.holder[digitIndex]] = digitBit(digitIndex + 1);
    for (int i = 0; i < open.count; ++i) {
        for (Digits left = open.digits[i]; left != 0; left &= left - 1) {
            const int holder = open.holder[std::countr_zero(left)];
            onward[i] |= 1u << holder;
            back[holder] |= 1u << i;
        }
    }
    for (unsigned left = (1u << open.count) - 1; left != 0;) {
        const unsigned start = left & -left;
        const unsigned group = reachable(start, onward) & reachable(start, back);
        Digits groupDigits = 0;
        for (unsigned cells = group; cells != 0; cells &= cells - 1)
            groupDigits |= own[std::countr_zero(cells)];
        for (unsigned cells = group; cells != 0; cells &= cells - 1)
            open.digits[std::countr_zero(cells)] &= groupDigits;
        left &= ~group;
    }
    return true;
}

// Runs matchUnit over every unit and drops from the words what it rules out;
// false on a contradiction.
bool settleUnits(State& state) {
    const CellDigits before = cellDigits(state);
    CellDigits digits = before;
    for (int unit = 0; unit < Units; ++unit) {
        OpenCells open = openCellsOf(unit, digits);
        if (!matchUnit(open))
            return false;
        for (int i = 0; i < open.count; ++i)
            digits[open.cell[i]] = open.digits[i];
    }
    for (int cell = 0; cell < Cells; ++cell)
        for (Digits lost = before[cell] & ~digits[cell]; lost != 0; lost &= lost - 1)
            narrow(state, slotOf(cell / 27, std::countr_zero(lost)), ~bitOf(cell));
    return true;
}

// Propagation with every unit matched too, to a standstill.
bool propagateWithMatching(State& state) {
    do {
        if (!propagate(state) || !settleUnits(state))
            return false;
    } while (state.changed != 0);
    return true;
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

// What a search works out between guesses: the bands, stacks and singles
// alone, or the matching of every unit too.
enum class Propagation { Basic, WithMatching };

// Counts solutions into `result` up to `limit`, keeping the first, and adds
// its guesses; with a generator the digits of each guess are tried in random
// order. It gives up, exhausted, rather than make guess number `budget` + 1.
class Search {
public:
    Search(SolveResult& result, int limit, Random* random, Propagation propagation, int budget)
        : result_(result), limit_(limit), random_(random), propagation_(propagation),
          budget_(budget) {}

    void run(State state) {
        if (!propagated(state))
            return;
        if (solved(state)) {
            if (result_.solutions++ == 0)
                result_.solution = boardOf(state);
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
        for (int i = 0; i < count && result_.solutions < limit_; ++i) {
            if (guesses_ == budget_) {
                exhausted_ = true;
                return;
            }
            ++guesses_;
            ++result_.guesses;
            State guess = state;
            if (place(guess, order[i], cell))
                run(guess);
        }
    }

    bool exhausted() const { return exhausted_; }

private:
    bool propagated(State& state) const {
        return propagation_ == Propagation::WithMatching ? propagateWithMatching(state)
                                                         : propagate(state);
    }

    SolveResult& result_;
    int limit_;
    Random* random_;
    Propagation propagation_;
    int budget_;
    int guesses_ = 0;
    bool exhausted_ = false;
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

// Nearly every board takes a few dozen guesses at most, and the basic
// propagation settles those fastest. A board that needs more than BasicGuesses
// is searched again from the start with the matching too: each guess costs
// more, but a clash that only a subset shows cannot hide under thousands of
// guesses elsewhere on the board.
constexpr int BasicGuesses = 256;

// Counts the board's solutions into `result` up to `limit`; a seed shuffles
// the digits of each guess. False, `result` untouched, when two givens of a
// digit see each other.
bool searched(const Board& board, int limit, std::optional<std::uint64_t> seed,
              SolveResult& result) {
    const auto state = givenState(board);
    if (!state)
        return false;
    for (const Propagation propagation : {Propagation::Basic, Propagation::WithMatching}) {
        Random random(seed.value_or(0));
        const int budget =
            propagation == Propagation::Basic ? BasicGuesses : std::numeric_limits<int>::max();
        Search search(result, limit, seed ? &random : nullptr, propagation, budget);
        search.run(*state);
        if (!search.exhausted())
            break;
        result.solutions = 0;
        result.solution = Board{};
    }
    return true;
}

} // namespace

SolveResult solve(const Board& board) {
    SolveResult result;
    searched(board, 2, std::nullopt, result);
    return result;
}

bool hasUniqueSolution(const Board& board) {
    return solve(board).solutions == 1;
}

std::optional<Board> randomSolution(const Board& board, std::uint64_t seed) {
    SolveResult result;
    if (!searched(board, 1, seed, result) || result.solutions == 0)
        return std::nullopt;
    return result.solution;
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
