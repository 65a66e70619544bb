// "Update", "Clue" and "Auto Play": candidates, roll-backs, ends of a run, what they remember.
#include "AnalysisFixture.h"
#include "controls/NumericValue.h"

#include <chrono>
#include <sstream>

namespace {

using namespace std::chrono_literals;

using CandidateUpdate = AnalysisTest;
using AutoPlay = AnalysisTest;
using Candidates = std::array<std::string, 81>; // row by row

// The candidate rule as written, on strings: each text with a value above 0,
// row by row, is its cell's candidate and takes its first occurrence out of every
// other string of its column, row and box, except one equal to it.
Candidates candidatesAsWritten(const CellGrid& play) {
    Candidates cand;
    cand.fill("123456789");
    for (int i = 0; i < 81; ++i) {
        const int r = i / 9, c = i % 9;
        const std::string& text = play.text(r, c);
        if (!(numericValue(text) > 0))
            continue;
        const auto first = text.find_first_not_of(' ');
        cand[i] = text.substr(first, text.find_last_not_of(' ') - first + 1);
        for (int k = 0; k < 27; ++k) { // the column, the row, then the box
            const int row = k < 9 ? k : k < 18 ? r : r / 3 * 3 + (k - 18) / 3;
            const int col = k < 9 ? c : k < 18 ? k - 9 : c / 3 * 3 + (k - 18) % 3;
            if (std::string& other = cand[row * 9 + col]; other != cand[i])
                other = PlaySide::strless(other, cand[i]);
        }
    }
    return cand;
}

// A cell losing every digit keeps its last one; the order of the filled cells decides.
TEST_F(CandidateUpdate, TheLastCandidateIsNeverRemoved) {
    const std::string rowFirst =
        "12345678." + std::string(36, '.') + "........9" + std::string(27, '.');
    const std::string columnFirst =
        std::string(17, '.') + "9" + std::string(18, '.') + "12345678." + std::string(36, '.');
    for (const auto& [board, cell, kept] :
         {std::tuple(rowFirst, 8, "9"), std::tuple(columnFirst, 4 * 9 + 8, "8")}) {
        SCOPED_TRACE(kept);
        putBoard(play.Grid3, board);
        analysis.clue(shell);
        EXPECT_EQ(play.CandArr[cell / 9][cell % 9], kept);
    }
}

// (0, 0) and (1, 0) both come down to 4: back to the saved slot (the last one here),
// losing the 9 put in by hand since, and one record of that board.
TEST_F(CandidateUpdate, ARepeatedSingleRollsBackToTheSavedSlotWithOneRecord) {
    for (int i = 1; i < HistArray::Slots - 1; ++i)
        record(std::string(81, '.'));
    const std::string saved =
        "....9.............1........2........3........5........6........7........8........";
    record(saved);
    ASSERT_EQ(play.HistIdx, 500);
    const std::string grid1Saved = joinedTexts(play.Grid1);
    for (int run = 0; run < 2; ++run) { // and again from the same place
        play.Grid3.setText(1, 7, "9");
        const SweepOutcome outcome = analysis.update(shell);
        EXPECT_TRUE(outcome.rolledBack);
        EXPECT_EQ(outcome.clash, (Clash{Clash::Grid::Play, {0, 0}, {1, 0}})) << "column 0";
        EXPECT_EQ(outcome.digit, 4) << "read before the board was taken back";
        EXPECT_EQ(play.CandArr[0][0] + play.CandArr[1][0], "44");
        EXPECT_EQ(boardOf(play.Grid3), saved);
        EXPECT_EQ(joinedTexts(play.Grid1), grid1Saved);
        EXPECT_EQ(play.HistIdx, 500);
        EXPECT_EQ(boardOf(play.HistGrid3, 499), saved);
        EXPECT_EQ(boardOf(play.HistGrid3, 498 - run), std::string(81, '.')) << "one record a run";
    }
}

// A repetition before the run ends it at once; a board without a hidden single
// ends after one pass. Stop is read before each pass, so setting it in a yield
// ends the run after the pass under way. The seconds of a win come from both
// clock readings cut to the second before they are subtracted.
TEST_F(AutoPlay, EachEndIsReturnedWithThePassesRunAndTheWholeSecondsOfAWin) {
    using enum AutoPlayEnd;
    const auto second = shell.clock; // a whole second
    const std::string builtIn(BuiltInBoard);
    const int never = 999;
    const struct {
        const char* name;
        std::string board;
        std::chrono::milliseconds start, end;
        int stopFrom; // the slot from which a yield sets Stop
        AutoPlayEnd ending;
        int passes, histIdx, seconds;
    } cases[] = {
        {"SolvedWithinASecond", builtIn, 100ms, 900ms, never, Solved, 4, 13, 0},
        {"SolvedAcrossASecond", builtIn, 900ms, 1100ms, never, Solved, 4, 13, 1},
        {"SolvedInNearlyTwo", builtIn, 0ms, 1999ms, never, Solved, 4, 13, 1},
        {"Duplicates", "55" + std::string(79, '.'), 0ms, 1999ms, never, Duplicates, 0, 0, 0},
        {"NothingToFind", std::string(81, '.'), 0ms, 1999ms, never, Stopped, 1, 4, 0},
        // Update records slot 1, the first pass slots 2 to 4.
        {"StopInTheSecondPass", builtIn, 0ms, 1999ms, 4, Stopped, 2, 7, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        play.showBuiltInPuzzle();
        play.showAsFreshGame(c.board);
        shell.clock = second + c.start;
        stop = false;
        shell.everyYield = [&] {
            shell.clock = second + c.end;
            stop = stop || play.HistIdx >= c.stopFrom;
        };
        const AutoPlayOutcome outcome = analysis.autoPlay(shell, stop);
        EXPECT_EQ(outcome.end, c.ending);
        EXPECT_EQ(outcome.passes, c.passes);
        EXPECT_EQ(play.HistIdx, c.histIdx);
        EXPECT_EQ(outcome.seconds, c.seconds);
        EXPECT_EQ(isSolution(boardOf(play.Grid3)), c.ending == Solved) << boardOf(play.Grid3);
    }
}

// The box flag is never cleared between boxes: once box 1 has its hidden 5, the
// later boxes look at digit 1 only, so box 9's hidden 5 at (8, 8) waits.
TEST_F(AutoPlay, OnlyTheFirstBoxWithAHiddenSingleGetsItsDigitInAPass) {
    const std::string start =
        "............5...........5............5..............5.....5......5...............";
    play.showAsFreshGame(start);
    analysis.autoPlay(shell, stop);
    ASSERT_EQ(boardOf(play.HistGrid3, 1), start) << "the starting Update places nothing";
    EXPECT_EQ(boardOf(play.HistGrid3, 2), "5" + start.substr(1));
}

// A play side as start-up leaves it, with its analysis; the touched twin writes
// and restores a text of both grids at every yield, so nothing it read holds.
struct Twin : FakeShell {
    explicit Twin(bool touched) {
        play.showBuiltInPuzzle();
        analysis.onPlaced = [this](std::string_view text) { log << "placed " << text << '\n'; };
        if (touched)
            everyYield = [this] {
                for (CellGrid* grid : {&play.Grid1, &play.Grid3}) {
                    const std::string text = grid->text(0, 0);
                    grid->setText(0, 0, text + "?");
                    grid->setText(0, 0, text);
                }
            };
    }

    // What it was told and what each press returned, then everything the commands
    // leave that a later command or the user can see (ColorMe colours by the texts).
    std::string state() {
        log << play.Grid3.row() << play.Grid3.col() << play.Grid1.row() << play.Grid1.col()
            << " HistIdx " << play.HistIdx << '\n';
        for (int i = 0; i < 81; ++i) {
            log << play.CandArr[i / 9][i % 9] << ';';
            for (int slot = 0; slot <= play.HistIdx; ++slot)
                log << play.HistGrid1.at(slot, i / 9, i % 9) << ','
                    << play.HistGrid3.at(slot, i / 9, i % 9) << ';';
        }
        return log.str() + joinedTexts(play.Grid3) + joinedTexts(play.Grid1);
    }

    PlaySide play;
    Analysis analysis{play};
    std::ostringstream log;
};

// Types `texts` into both twins, then presses each solving button twice on each;
// Clue's candidates follow the written rule.
void expectTheSameEnd(const std::vector<std::string>& texts, const std::string& board) {
    const bool neverStopped = false;
    const auto said = [](Twin& twin, const SweepOutcome& out) {
        twin.log << out.rolledBack << (out.clash ? out.clash->second.row : -1) << '\n';
    };
    const std::pair<const char*, std::function<void(Twin&)>> buttons[] = {
        {"Update", [&](Twin& twin) { said(twin, twin.analysis.update(twin)); }},
        {"Clue",
         [&](Twin& twin) {
             const Candidates rule = candidatesAsWritten(twin.play.Grid3);
             said(twin, twin.analysis.clue(twin));
             for (int i = 0; i < 81; ++i)
                 ASSERT_EQ(twin.play.CandArr[i / 9][i % 9], rule[i]) << board << ", " << i;
         }},
        {"Auto Play", [&](Twin& twin) {
             const AutoPlayOutcome out = twin.analysis.autoPlay(twin, neverStopped);
             twin.log << int(out.end) << ' ' << out.passes << ' ' << out.seconds << '\n';
         }}};
    for (const auto& [name, press] : buttons) {
        Twin remembering(false), rereading(true);
        for (Twin* twin : {&remembering, &rereading}) {
            for (int i = 0; i < 81; ++i)
                twin->play.Grid3.setText(i / 9, i % 9, texts[i]);
            press(*twin);
            press(*twin);
        }
        ASSERT_EQ(remembering.state(), rereading.state()) << name << " on " << board;
    }
}

// The sweeps and the duplicate check reuse what they last read while no grid
// text changed: a twin whose grids are touched at every yield must end the same.
// Puzzles, then random boards: many contradictory (roll-backs), some with texts
// that are no digit.
TEST(SweepMemo, EveryPressEndsAsIfEveryTextWereReadAfreshAndByTheWrittenRule) {
    for (const std::string_view puzzle : {BuiltInBoard, EasyPuzzle.puzzle, MediumPuzzle.puzzle}) {
        std::vector<std::string> texts;
        for (const char cell : cellsOf(puzzle))
            texts.push_back(cell == '.' ? "" : std::string(1, cell));
        expectTheSameEnd(texts, std::string(puzzle));
    }
    std::mt19937 random(1206);
    for (int board = 0; board < 200; ++board)
        expectTheSameEnd(randomTexts(random, board), "random board " + std::to_string(board));
}

} // namespace
