// Known puzzles with their one solution, and a solution check independent of the code under test.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

// A puzzle and its one solution, as 81-character lines.
struct SolvedPuzzle {
    const char* name;
    std::string_view puzzle;
    std::string_view solution;
};

// Single candidates alone solve it.
inline constexpr SolvedPuzzle EasyPuzzle = {
    "easy", "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79",
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179"};
// Its logical solution needs eliminations (locked candidates and pairs).
inline constexpr SolvedPuzzle MediumPuzzle = {
    "medium", ".......1.7..2589.3.9..3..588..7.............6......2.1..1..9....7.6..8..52..8...9",
    "358974612716258943294136758832761594145892376967345281681529437479613825523487169"};

// The built-in puzzle as the play grid shows it after start-up.
inline constexpr std::string_view BuiltInBoard =
    "5...72......5....8.2.6..9......8..46...2.9...17..5......6..3.2.4....8......42...3";

// True when the 81 cells hold each of 1-9 once in every row, column and box.
inline bool isSolution(std::string_view board) {
    for (int unit = 0; unit < 27 && board.size() == 81; ++unit) { // rows, columns, boxes
        std::string cells;
        for (int i = 0, u = unit % 9; i < 9; ++i) {
            const int at[] = {u * 9 + i, i * 9 + u, (u / 3 * 3 + i / 3) * 9 + u % 3 * 3 + i % 3};
            cells.push_back(board[at[unit / 9]]);
        }
        std::sort(cells.begin(), cells.end());
        if (cells != "123456789")
            return false;
    }
    return board.size() == 81;
}
