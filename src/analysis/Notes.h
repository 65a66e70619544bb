// The player's own candidates on the candidate grid: digits struck and brought
// back one at a time, every cell filled from the play grid, a placed digit
// taken from its peers. Each change is one history step, recorded in the next
// slot as "Apply Hint" records its step; CandArr follows Grid1, and the cells
// that changed take the colouring of ColorMe, no other cell or current cell.
#pragma once

#include "analysis/SweepMemo.h"
#include "board/PlaySide.h"

#include <array>
#include <cstdint>

// Strikes `digit` (1-9) from the candidate string of Grid1's cell (row, col),
// or brings it back; a cell showing none ("") takes it. The string stays
// ascending. A cell whose play-grid cell holds a value above 0 does not change:
// false, and nothing is recorded.
bool toggleCandidate(PlaySide& play, int row, int col, int digit);

// "Fill Candidates" (`keepStruck`) and "Reset Candidates": every cell gets the
// candidates a sweep of "Update" works out (sweptCandidates); with `keepStruck`
// an empty play cell keeps out what its string lacks, a cell showing no
// candidates counting as all nine. Places no digit.
void fillCandidates(PlaySide& play, bool keepStruck);

// The digit of the play grid's cell (row, col) becomes that cell's candidate
// string and leaves the strings of its row, column and box. Records nothing:
// it is part of the placing step.
void takeFromPeers(PlaySide& play, int row, int col);

// For every cell of an empty play cell, the digits the play grid allows there
// that its candidate string, when it shows one, lacks: those the player struck.
std::array<SweepMemo::DigitSet, CellGrid::Size * CellGrid::Size> struckDigits(const PlaySide& play);
