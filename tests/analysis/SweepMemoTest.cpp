// The sweeps and the duplicate check reuse what they last read while no grid text
// changed: a twin whose grids are touched at every yield must end the same.
#include "analysis/Analysis.h"
#include "support/BoardText.h"
#include "support/FakeShell.h"

#include <random>
#include <sstream>

namespace {

// A play side as start-up leaves it, with its analysis; the touched twin writes
// and restores a text of both grids at every yield, so nothing it read holds.
struct Twin : FakeShell {
    explicit Twin(bool touched) {
        play.showBuiltInPuzzle();
        analysis.onPlaced = [this](std::string_view text) { placed = text; };
        if (touched)
            everyYield = [this] {
                for (CellGrid* grid : {&play.Grid1, &play.Grid3}) {
                    const std::string text = grid->text(0, 0);
                    grid->setText(0, 0, text + "?");
                    grid->setText(0, 0, text);
                }
            };
    }
    PlaySide play;
    Analysis analysis{play};
    std::string placed;                // the last placed text it was told of
    std::vector<std::string> outcomes; // what each press returned
};

// Everything the commands leave that a later command or the user can see.
std::string stateOf(const Twin& twin) {
    const PlaySide& play = twin.play;
    std::ostringstream state;
    state << play.Grid3.row() << play.Grid3.col() << play.Grid1.row() << play.Grid1.col()
          << " HistIdx " << play.HistIdx << " placed " << twin.placed << '\n';
    for (int i = 0; i < 81; ++i) {
        const int r = i / 9, c = i % 9;
        for (const CellGrid* grid : {&play.Grid3, &play.Grid1})
            state << grid->text(r, c) << ';' << +grid->backColor(r, c).r << ','
                  << +grid->backColor(r, c).g << ';';
        state << play.CandArr[r][c] << '\n';
        for (int slot = 0; slot <= play.HistIdx; ++slot)
            state << play.HistGrid1.at(slot, r, c) << ';' << play.HistGrid3.at(slot, r, c) << ';';
    }
    for (const std::string& outcome : twin.outcomes)
        state << '\n' << outcome;
    return state.str();
}

std::string said(const SweepOutcome& outcome) {
    std::ostringstream text;
    text << "rolled back " << outcome.rolledBack;
    if (outcome.clash)
        text << " at " << outcome.clash->second.row << outcome.clash->second.col;
    return text.str();
}

std::string said(const AutoPlayOutcome& outcome) {
    return "end " + std::to_string(static_cast<int>(outcome.end)) + " passes " +
           std::to_string(outcome.passes) + " seconds " + std::to_string(outcome.seconds);
}

// Sets up both twins alike, then presses each solving button twice on each.
void expectSameOutcomes(const std::function<void(PlaySide&)>& setup, const std::string& what) {
    const bool neverStopped = false;
    const std::pair<const char*, std::function<std::string(Twin&)>> buttons[] = {
        {"Update", [](Twin& twin) { return said(twin.analysis.update(twin)); }},
        {"Clue", [](Twin& twin) { return said(twin.analysis.clue(twin)); }},
        {"Auto Play",
         [&](Twin& twin) { return said(twin.analysis.autoPlay(twin, neverStopped)); }}};
    for (const auto& [name, press] : buttons) {
        Twin remembering(false), rereading(true);
        for (Twin* twin : {&remembering, &rereading}) {
            setup(twin->play);
            twin->outcomes.push_back(press(*twin));
            twin->outcomes.push_back(press(*twin));
        }
        ASSERT_EQ(stateOf(remembering), stateOf(rereading)) << name << ", " << what;
    }
}

TEST(SweepMemo, PuzzlesEndAsIfEveryTextWereReadAfresh) {
    const std::string_view puzzles[] = {
        BuiltInBoard, EasyPuzzle.puzzle,
        "..63...2..49.7...67..4.......2.16...6..5.3....53.47......9.....3...516....5...9..",
        ".3.....8.247...1....5.726.......48.1.645.37.2.21..6.4.7..............3....2..1...",
        "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4.."};
    for (const std::string_view puzzle : puzzles) {
        auto load = [&](PlaySide& play) {
            play.Grid3.clear();
            play.showAsFreshGame(cellsOf(puzzle));
        };
        expectSameOutcomes(load, std::string(puzzle));
    }
}

// Random boards, many contradictory (roll-backs), some with texts that are no digit.
TEST(SweepMemo, RandomBoardsEndAsIfEveryTextWereReadAfresh) {
    std::mt19937 random(1206);
    const char* odd[] = {"12", " 7", "0.5", "x", "-3", "0"};
    for (int board = 0; board < 200; ++board) {
        std::vector<std::string> texts(81);
        for (std::string& text : texts) {
            const int roll = static_cast<int>(random() % 100);
            if (board % 5 == 0 && roll < 3)
                text = odd[random() % std::size(odd)];
            else if (roll < 25 + board % 20)
                text = std::to_string(1 + random() % 9);
        }
        auto setup = [&](PlaySide& play) {
            for (int i = 0; i < 81; ++i)
                play.Grid3.setText(i / 9, i % 9, texts[i]);
        };
        expectSameOutcomes(setup, "board " + std::to_string(board));
    }
}

} // namespace
