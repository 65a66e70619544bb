// One puzzle on a fresh play side, one button pressed: what the batch solver
// prints and the benchmarks measure.
#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class Press { AutoPlay, Update, Clue };

// "autoplay", "update" or "clue"; none for any other name.
std::optional<Press> pressNamed(std::string_view name);

struct PuzzleResult {
    // Grid3 afterwards, row by row: "" as '0', a one-character text as itself, any
    // longer text as '?', so that the board keeps 81 characters.
    std::string board;
    // "solved", "duplicates" or "stopped" after "Auto Play"; "-" after another press.
    std::string outcome;
    int passes = 0; // "Auto Play" passes run, the winning one included
    int histIdx = 0;
    std::string grid1; // Grid1's 81 texts joined with ','; only when asked for
};

// A fresh play side as start-up leaves it, `puzzle` (81 characters, "1"-"9" a
// given, anything else empty) loaded as "Restore Game" loads a stored game, then
// `press`.
PuzzleResult runPuzzle(std::string_view puzzle, Press press, bool withGrid1);
// BOARD OUTCOME PASSES HISTIDX, then GRID1 when it was asked for; no line end.
std::string formatResult(const PuzzleResult& result);
// True when the board holds each of 1-9 once in every row, column and box.
bool isSolution(std::string_view board);
