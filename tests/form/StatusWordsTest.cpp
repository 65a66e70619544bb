// The words of the status lines under both grids, and the marks of a step and a clash.
#include "form/StatusWords.h"

#include "engine/Grid.h"
#include "support/BoardText.h"
#include "support/Puzzles.h"

#include <gtest/gtest.h>

namespace {

using engine::CellDigit;
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

Hint lost(int cell, int digit) {
    Hint hint = ending(HintEnd::LostDigit, {}, digit, 1);
    hint.cell = cell;
    return hint;
}

// The unit is the one the scan met the clash in, and the cells come in reading
// order whichever the scan met first.
TEST(StatusWords, AHintWithoutAStepSaysWhyNamingTheClashingCells) {
    const struct {
        const char* name;
        Hint hint;
        const char* line;
    } cases[] = {
        {"Row", ending(HintEnd::Duplicate, Clash{G::Play, {4, 1}, {4, 7}}, 5),
         "No hint: 5 is twice in row 5, at r5c2 and r5c8."},
        {"BoxMetOutOfReadingOrder", ending(HintEnd::Duplicate, Clash{G::Play, {2, 0}, {0, 1}}, 3),
         "No hint: 3 is twice in box 1, at r1c2 and r3c1."},
        {"CandidateGrid", ending(HintEnd::Duplicate, Clash{G::Candidates, {0, 4}, {6, 4}}, 7),
         "No hint: only 7 is left at r1c5 and r7c5, both in column 5."},
        {"NoDigit", ending(HintEnd::Duplicate, Clash{G::Play, {5, 5}, {5, 5}}, 0),
         "No hint: r6c6 holds a value that is no digit 1-9."},
        {"StuckOnAUniquePuzzle", ending(HintEnd::Stuck, {}, 0, 1),
         "No hint: none of the techniques the hints know takes a step here."},
        {"StuckWithManySolutions", ending(HintEnd::Stuck, {}, 0, 2),
         "No hint: the board has more than one solution, and no technique takes a step."},
        {"LostDigit", lost(engine::cellAt(3, 4), 7), "r4c5 lost its 7, which the solution needs"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(hintLine(c.hint), c.line);
    }
}

// A run's clash is told in the past tense: the board has already gone back.
TEST(StatusWords, ARolledBackRunNamesTheCommandAndTheClash) {
    const SweepOutcome candidates{true, Clash{G::Candidates, {3, 3}, {4, 5}}, 2};
    EXPECT_EQ(rollBackLine("Clue", candidates),
              "Clue was taken back: only 2 was left at r4c4 and r5c6, both in box 5.");
}

// A cell both proving and changing shows the change: a single's cell is its own proof.
TEST(StatusWords, AStepMarksItsProofItsPlacementsAndTheCandidatesThatGo) {
    Hint pointing = ending(HintEnd::Step);
    pointing.step = {
        engine::Technique::Pointing, {}, {at(0, 5, 4)}, {at(0, 0, 4), at(0, 1, 4)}, {}};
    const Highlights marks = hintHighlights(pointing);
    EXPECT_EQ(marks.at(0, 0).cell, Mark::Proves);
    EXPECT_EQ(marks.at(0, 1).digits[4], Mark::Proves);
    EXPECT_EQ(marks.at(0, 5).cell, Mark::Changes);
    EXPECT_EQ(marks.at(0, 5).digits[4], Mark::Removes);
    EXPECT_EQ(marks.at(0, 5).digits[3], Mark::None);
    EXPECT_EQ(marks.at(0, 2).cell, Mark::None);

    Hint single = ending(HintEnd::Step);
    single.step = {engine::Technique::NakedSingle, {at(8, 8, 6)}, {}, {at(8, 8, 6)}, {}};
    EXPECT_EQ(hintHighlights(single).at(8, 8).cell, Mark::Changes);
    EXPECT_EQ(hintHighlights(single).at(8, 8).digits[6], Mark::Changes);

    const Highlights clash =
        hintHighlights(ending(HintEnd::Duplicate, Clash{G::Play, {1, 1}, {1, 7}}, 9));
    EXPECT_EQ(clash.at(1, 1).cell, Mark::Clashes);
    EXPECT_EQ(clash.at(1, 7).cell, Mark::Clashes);
    EXPECT_TRUE(hintHighlights(ending(HintEnd::Solved)).empty());
}

std::string lineFor(const CellGrid& grid) {
    const EntryReading reading = readEntry(grid);
    return entryLine(reading, judgeEntry(reading.board));
}

TEST(EntryLine, TheLineTellsTheGivensAnyRepeatAndTheSolutions) {
    const std::string wrongDigit = "4" + std::string(MediumPuzzle.puzzle.substr(1));
    const struct {
        const char* name;
        std::string board;
        const char* line;
    } cases[] = {
        {"OneGiven", "5" + std::string(80, '.'), "1 given · more than one solution"},
        {"Unique", std::string(MediumPuzzle.puzzle), "25 givens · unique solution (medium)"},
        {"NoSolution", wrongDigit, "26 givens · no solution"},
        // Two cells of one row and box are named once, for the row.
        {"RepeatInARowAndABox", "44" + std::string(79, '.'),
         "2 givens · 4 twice in row 1 (r1c1, r1c2) · no solution"},
        // Rows come first; the column's repeat is the one more, box 1's the same cells.
        {"ManyRepeats",
         "5...5...5"
         "5" +
             std::string(62, '.') + "7.......7",
         "6 givens · 5 3 times in row 1 (r1c1, r1c5, r1c9); 7 twice in row 9 (r9c1, r9c9); "
         "1 more · no solution"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CellGrid grid;
        putBoard(grid, c.board);
        EXPECT_EQ(lineFor(grid), c.line);
    }
}

TEST(EntryLine, WithoutAVerdictTheLineSaysTheSolutionsAreBeingCountedAndMarksTheRepeats) {
    CellGrid grid;
    putBoard(grid, "9.......9" + std::string(72, '.'));
    EXPECT_EQ(entryLine(readEntry(grid), std::nullopt),
              "2 givens · 9 twice in row 1 (r1c1, r1c9) · counting solutions…");
    const Highlights marks = repeatHighlights(readEntry(grid));
    EXPECT_EQ(marks.at(0, 0).cell, Mark::Clashes);
    EXPECT_EQ(marks.at(0, 8).cell, Mark::Clashes);
    EXPECT_EQ(marks.at(0, 1).cell, Mark::None);
}

} // namespace
