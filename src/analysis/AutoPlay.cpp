// "Auto Play": passes of hidden singles by box, row and column, each phase
// followed by "Update", until the board is solved or nothing moves.
#include "analysis/Analysis.h"
#include "board/CellText.h"

#include <array>
#include <chrono>

namespace {

constexpr int Size = CellGrid::Size;
constexpr int MaxPassIndex = 50; // passes 0 to 50 may run

using Cell = CellPos;
using Unit = std::array<Cell, Size>;

Unit rowCells(int row) {
    Unit unit;
    for (int col = 0; col < Size; ++col)
        unit[col] = {row, col};
    return unit;
}

Unit columnCells(int col) {
    Unit unit;
    for (int row = 0; row < Size; ++row)
        unit[row] = {row, col};
    return unit;
}

// Row by row, each row from left to right.
Unit boxCells(int top, int left) {
    Unit unit;
    for (int i = 0; i < Size; ++i)
        unit[i] = {top + i / 3, left + i % 3};
    return unit;
}

// The candidate strings of the unit's cells that still have several candidates,
// joined in scan order into `collected`, whose buffer is kept from unit to unit.
void collectString(const CellGrid& candidates, const Unit& unit, std::string& collected) {
    collected.clear();
    for (const Cell& cell : unit)
        if (candidates.value(cell.row, cell.col) > 9)
            collected += candidates.text(cell.row, cell.col);
}

bool allows(const CellGrid& candidates, const Cell& cell, std::string_view digit) {
    return candidates.text(cell.row, cell.col).find(digit) != std::string::npos;
}

// Searches the box row by row for the first cell whose candidates hold `digit`
// and places it there. A box row searched in vain ends the search once the box
// flag is set, even by an earlier box.
void searchBox(PlaySide& play, const Unit& box, std::string_view digit, bool& boxFlag) {
    for (int boxRow = 0; boxRow < 3; ++boxRow) {
        for (int i = boxRow * 3; i < boxRow * 3 + 3; ++i) {
            if (allows(play.Grid1, box[i], digit)) {
                play.Grid3.setText(box[i].row, box[i].col, digit);
                boxFlag = true;
                return;
            }
        }
        if (boxFlag)
            return;
    }
}

// Box phase. The box flag is not cleared between boxes: once a box of the pass
// has received a digit, every later box looks at digit 1 only, in its first row.
bool boxPhase(PlaySide& play) {
    bool boxFlag = false;
    std::string collected;
    for (int top = 0; top < Size; top += 3) {
        for (int left = 0; left < Size; left += 3) {
            const Unit box = boxCells(top, left);
            collectString(play.Grid1, box, collected);
            for (int k = 1; k <= 9; ++k) {
                if (PlaySide::CountStr(collected, DigitText[k]) == 1)
                    searchBox(play, box, DigitText[k], boxFlag);
                if (boxFlag)
                    break;
            }
        }
    }
    return boxFlag;
}

// Row or column phase: each line receives at most one digit, the first that
// only one of its cells with several candidates allows. True when any line did.
bool linePhase(PlaySide& play, Unit (*lineCells)(int)) {
    bool progress = false;
    std::string collected;
    for (int i = 0; i < Size; ++i) {
        const Unit line = lineCells(i);
        collectString(play.Grid1, line, collected);
        bool lineFlag = false;
        for (int k = 1; k <= 9 && !lineFlag; ++k) {
            if (PlaySide::CountStr(collected, DigitText[k]) != 1)
                continue;
            for (const Cell& cell : line) {
                if (allows(play.Grid1, cell, DigitText[k])) {
                    play.Grid3.setText(cell.row, cell.col, DigitText[k]);
                    lineFlag = progress = true;
                    break;
                }
            }
        }
    }
    return progress;
}

// Whole seconds between two readings, each cut to the second.
long long wholeSecondsBetween(std::chrono::system_clock::time_point start,
                              std::chrono::system_clock::time_point end) {
    using std::chrono::floor;
    using std::chrono::seconds;
    return (floor<seconds>(end) - floor<seconds>(start)).count();
}

} // namespace

AutoPlayOutcome Analysis::autoPlay(RunHost& host, const bool& stop) {
    AutoPlayOutcome outcome;
    const auto start = host.now();
    if (chkdup()) {
        outcome.end = AutoPlayEnd::Duplicates;
        return outcome;
    }
    runUpdate(host);
    bool boxFlag = true;
    std::int16_t passes = 0;
    while (!stop && boxFlag && passes <= MaxPassIndex) {
        boxFlag = boxPhase(play_);
        runUpdate(host);
        const bool rowProgress = linePhase(play_, rowCells);
        runUpdate(host);
        const bool columnProgress = linePhase(play_, columnCells);
        runUpdate(host);
        ++outcome.passes;
        if (FindWin()) {
            outcome.end = AutoPlayEnd::Solved;
            outcome.seconds = wholeSecondsBetween(start, host.now());
            return outcome;
        }
        ++passes;
        if (!boxFlag && (rowProgress || columnProgress))
            boxFlag = true;
    }
    return outcome;
}
