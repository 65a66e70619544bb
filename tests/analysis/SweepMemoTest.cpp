// The sweeps and the duplicate check reuse what they last read while no grid text
// changed: a twin whose grids are touched at every yield must end the same.
#include "AnalysisFixture.h"

#include <sstream>

namespace {

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

// Types `texts` into both twins, then presses each solving button twice on each.
void expectTheSameEnd(const std::vector<std::string>& texts, const std::string& board) {
    const bool neverStopped = false;
    const auto said = [](Twin& twin, const SweepOutcome& out) {
        twin.log << out.rolledBack << (out.clash ? out.clash->second.row : -1) << '\n';
    };
    const std::pair<const char*, std::function<void(Twin&)>> buttons[] = {
        {"Update", [&](Twin& twin) { said(twin, twin.analysis.update(twin)); }},
        {"Clue", [&](Twin& twin) { said(twin, twin.analysis.clue(twin)); }},
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

// Puzzles, then random boards: many contradictory (roll-backs), some with texts
// that are no digit.
TEST(SweepMemo, EveryPressEndsAsIfEveryTextWereReadAfresh) {
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
