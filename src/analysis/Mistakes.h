// Mistakes against the solution of the game's givens: digits of the play grid
// that are not the solution's, and candidate strings that lack its digit.
#pragma once

#include "board/PlaySide.h"
#include "engine/Grid.h"

#include <array>
#include <optional>

struct MistakeMarks {
    // Cells 0..80 row by row.
    std::array<bool, CellGrid::Size * CellGrid::Size> play{};
    std::array<bool, CellGrid::Size * CellGrid::Size> candidates{};
    int count = 0; // cells marked on either grid
};

// Each cell of the play grid whose value is above 0 and is not the solution's
// digit; each candidate string of an empty play cell that shows candidates and
// lacks the solution's digit.
MistakeMarks mistakesOf(const PlaySide& play, const engine::Board& solution);

// The latest slot at or before HistIdx whose recorded boards hold no mistake;
// none when every one of them holds one.
std::optional<int> lastCorrectSlot(const PlaySide& play, const engine::Board& solution);
