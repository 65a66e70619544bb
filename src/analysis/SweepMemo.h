// What the play-side grids were last read or written as by the solving rules,
// kept for as long as no text of the grid has changed since: the sweeps of
// "Update" and the duplicate check then work on digits instead of reading 81
// texts a grid again.
#pragma once

#include "controls/CellGrid.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

struct SweepMemo {
    static constexpr int Cells = CellGrid::Size * CellGrid::Size;
    // Bit k is set while digit k is a candidate.
    using DigitSet = std::uint16_t;
    static constexpr DigitSet NineDigits = 0x3FE; // 1 to 9
    // What a cell adds to its unit's tally in the duplicate check: 0 nothing,
    // 1 to 9 that digit, 10 a value no board may hold.
    using CellDigits = std::array<int, Cells>;
    static constexpr int NoDigit = 0;
    static constexpr int NotADigit = 10;

    // A play cell of value `value` in the tally: any value above 0 takes part.
    static int playTally(double value) {
        if (!(value > 0))
            return NoDigit;
        if (value <= 9 && value == std::floor(value))
            return static_cast<int>(value);
        return NotADigit;
    }
    // A candidate cell showing `set` in the tally: only a single takes part.
    static int candidateTally(DigitSet set) {
        // Not std::has_single_bit: without a popcount instruction it is a library call.
        const bool single = set != 0 && (set & (set - 1)) == 0;
        return single ? std::countr_zero(set) : NoDigit;
    }

    // A reading of one grid, good while the grid's texts are unchanged.
    class Reading {
    public:
        bool holdsFor(const CellGrid& grid) const {
            return valid_ && grid.textRevision() == revision_;
        }
        void takenFrom(const CellGrid& grid) {
            valid_ = true;
            revision_ = grid.textRevision();
        }
        void forget() { valid_ = false; }

    private:
        bool valid_ = false;
        std::uint64_t revision_ = 0;
    };

    // The duplicate check's reading of Grid3 and of Grid1. While plainRead holds
    // too, every cell of Grid3 with a value above 0 holds one digit 1 to 9 and
    // playDigits are those digits, 0 for the other cells.
    Reading playRead;
    Reading plainRead;
    CellDigits playDigits{};
    Reading candidateRead;
    CellDigits candidateDigits{};

    // Grid1 holds the texts of these sets, and CandArr with it: every sweep
    // leaves the two alike, and whatever else writes CandArr rewrites Grid1.
    Reading shownRead;
    std::array<DigitSet, Cells> shown{};

    // The last sweep placed nothing: while plainRead and shownRead hold, a sweep
    // now would work out the same sets and place nothing again.
    bool lastSweepQuiet = false;
};
