// The live check of the entry grid: its givens, its repeated digits, and what
// the engine says of its solutions.
#pragma once

#include "controls/CellGrid.h"
#include "controls/StatusLine.h"
#include "engine/Grid.h"
#include "engine/Step.h"

#include <cstdint>
#include <optional>
#include <vector>

// A digit met more than once in one unit.
struct EntryRepeat {
    int digit = 0;          // 1-9
    int unit = 0;           // engine numbering: rows, then columns, then boxes
    std::vector<int> cells; // 0..80, in the unit's order
};

struct EntryReading {
    std::uint64_t revision = 0; // the grid's textRevision when read
    engine::Board board{};      // the puzzle as "Save Game" stores it
    int givens = 0;             // 0..81
    // Rows, then columns, then boxes; a repetition already named by an earlier
    // unit (two cells of one row and box) is not named again.
    std::vector<EntryRepeat> repeats;
};

EntryReading readEntry(const CellGrid& grid);

struct EntryVerdict {
    int solutions = 0;                         // 0, 1, or 2 for more than one
    engine::Level level = engine::Level::Easy; // the rating, with one solution
};

// The exact solver's count and, for one solution, the rating. Keeps no state,
// so any thread may call it; on a board the solver takes long over (rare, up
// to about a second) it takes as long.
EntryVerdict judgeEntry(const engine::Board& board);

// Every cell of a repeat marked as clashing.
Highlights repeatHighlights(const EntryReading& reading);
