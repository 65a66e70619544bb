// Facts about a finished board that do not come from the code under test, and
// a puzzle known with its one solution.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

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

// A puzzle whose logical solution needs eliminations (locked candidates and
// pairs), with its one solution.
inline constexpr std::string_view MediumPuzzle =
    ".......1.7..2589.3.9..3..588..7.............6......2.1..1..9....7.6..8..52..8...9";
inline constexpr std::string_view MediumSolution =
    "358974612716258943294136758832761594145892376967345281681529437479613825523487169";
