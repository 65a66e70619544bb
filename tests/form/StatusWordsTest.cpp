// The words of the status lines under both grids, and the marks of a step and a clash.
#include "form/StatusWords.h"

#include "engine/Grid.h"
#include "support/BoardText.h"
#include "support/Puzzles.h"

#include <gtest/gtest.h>

namespace {

using engine::CellDigit;
using enum HintEnd;
using G = Clash::Grid;

CellDigit at(int row, int col, int digit) {
    return {static_cast<std::uint8_t>(engine::cellAt(row, col)), static_cast<std::uint8_t>(digit)};
}

Hint ending(HintEnd end, std::optional<Clash> clash = {}, int digit = 0, int solutions = 0) {
    Hint hint;
    hint.end = end;
    hint.clash = clash;
    hint.digit = digit;
    hint.solutions = solutions;
    return hint;
}

Hint stepHint(const engine::Step& step) {
    Hint hint = ending(Step);
    hint.step = step;
    return hint;
}

// The entry line for `board`, with the engine's verdict.
std::string entryLineOf(std::string_view board) {
    CellGrid grid;
    putBoard(grid, board);
    const EntryReading reading = readEntry(grid);
    return entryLine(reading, judgeEntry(reading.board));
}

// A clash names the unit the scan met it in and its cells in reading order; a
// run's clash is told in the past tense, the board having gone back. The entry
// line names a repeat once, for the row when a row and a box share it, rows
// first, and counts the rest ("1 more").
TEST(StatusWords, EachLineSaysWhatThereIsToKnow) {
    const std::string dots(81, '.');
    Hint lost = ending(LostDigit, {}, 7, 1);
    lost.cell = engine::cellAt(3, 4);
    const std::pair<std::string, const char*> lines[] = {
        {hintLine(ending(Duplicate, Clash{G::Play, {4, 1}, {4, 7}}, 5)),
         "No hint: 5 is twice in row 5, at r5c2 and r5c8."},
        {hintLine(ending(Duplicate, Clash{G::Play, {2, 0}, {0, 1}}, 3)),
         "No hint: 3 is twice in box 1, at r1c2 and r3c1."},
        {hintLine(ending(Duplicate, Clash{G::Candidates, {0, 4}, {6, 4}}, 7)),
         "No hint: only 7 is left at r1c5 and r7c5, both in column 5."},
        {hintLine(ending(Duplicate, Clash{G::Play, {5, 5}, {5, 5}})),
         "No hint: r6c6 holds a value that is no digit 1-9."},
        {hintLine(ending(Stuck, {}, 0, 1)),
         "No hint: none of the techniques the hints know takes a step here."},
        {hintLine(ending(Stuck, {}, 0, 2)),
         "No hint: the board has more than one solution, and no technique takes a step."},
        {hintLine(lost), "r4c5 lost its 7, which the solution needs"},
        {rollBackLine("Clue", {true, Clash{G::Candidates, {3, 3}, {4, 5}}, 2}),
         "Clue was taken back: only 2 was left at r4c4 and r5c6, both in box 5."},
        {entryLineOf(MediumPuzzle.puzzle), "25 givens · unique solution (medium)"},
        {entryLineOf("44" + dots.substr(2)),
         "2 givens · 4 twice in row 1 (r1c1, r1c2) · no solution"},
        {entryLineOf("5...5...55" + dots.substr(19) + "7.......7"),
         "6 givens · 5 3 times in row 1 (r1c1, r1c5, r1c9); 7 twice in row 9 (r9c1, r9c9); "
         "1 more · no solution"},
    };
    for (const auto& [line, expected] : lines)
        EXPECT_EQ(line, expected);
}

// A cell both proving and changing shows the change: a single's cell is its own
// proof. A clash marks both its cells.
TEST(StatusWords, AStepMarksItsProofItsPlacementsAndTheCandidatesThatGo) {
    using engine::Technique;
    const Highlights pointing = hintHighlights(
        stepHint({Technique::Pointing, {}, {at(0, 5, 4)}, {at(0, 0, 4), at(0, 1, 4)}, {}}));
    EXPECT_EQ(pointing.at(0, 0).cell, Mark::Proves);
    EXPECT_EQ(pointing.at(0, 1).digits[4], Mark::Proves);
    EXPECT_EQ(pointing.at(0, 5).cell, Mark::Changes);
    EXPECT_EQ(pointing.at(0, 5).digits[4], Mark::Removes);
    EXPECT_EQ(pointing.at(0, 2).cell, Mark::None);
    const Highlights single =
        hintHighlights(stepHint({Technique::NakedSingle, {at(8, 8, 6)}, {}, {at(8, 8, 6)}, {}}));
    EXPECT_EQ(single.at(8, 8).cell, Mark::Changes);
    EXPECT_EQ(single.at(8, 8).digits[6], Mark::Changes);
    const Highlights clash = hintHighlights(ending(Duplicate, Clash{G::Play, {1, 1}, {1, 7}}, 9));
    EXPECT_EQ(std::pair(clash.at(1, 1).cell, clash.at(1, 7).cell),
              std::pair(Mark::Clashes, Mark::Clashes));
}

} // namespace
