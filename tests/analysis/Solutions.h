// Facts about a finished board that do not come from the code under test.
#pragma once

#include <string>
#include <string_view>

// A complete, correct board, row by row.
inline constexpr std::string_view SolvedBoard = "534678912"
                                                "672195348"
                                                "198342567"
                                                "859761423"
                                                "426853791"
                                                "713924856"
                                                "961537284"
                                                "287419635"
                                                "345286179";

// True when the 81 cells hold each of 1-9 once in every row, column and box.
inline bool isSolution(std::string_view board) {
    if (board.size() != 81)
        return false;
    for (int unit = 0; unit < 9; ++unit) {
        std::string row, col, box;
        for (int i = 0; i < 9; ++i) {
            row.push_back(board[unit * 9 + i]);
            col.push_back(board[i * 9 + unit]);
            box.push_back(board[(unit / 3 * 3 + i / 3) * 9 + unit % 3 * 3 + i % 3]);
        }
        for (std::string* cells : {&row, &col, &box})
            for (char digit = '1'; digit <= '9'; ++digit)
                if (cells->find(digit) == std::string::npos)
                    return false;
    }
    return true;
}

// True when every given ('1'-'9' in `puzzle`) stands unchanged in `board`.
inline bool keepsGivens(std::string_view puzzle, std::string_view board) {
    for (std::size_t i = 0; i < puzzle.size() && i < board.size(); ++i)
        if (puzzle[i] >= '1' && puzzle[i] <= '9' && board[i] != puzzle[i])
            return false;
    return puzzle.size() == board.size();
}
