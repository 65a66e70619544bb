// The sweeps and the duplicate check reuse what they last read while no grid text
// changed: a twin whose grids are touched at every yield must end the same.
#include "support/FormFixture.h"

#include <random>
#include <sstream>

namespace {

// A form on a shell that answers every box, so that runs ending in one compare.
struct Twin : FakeShell {
    explicit Twin(bool touched) {
        form.Form_Load();
        if (touched)
            everyYield = [this] {
                for (CellGrid* grid : {&form.Grid1, &form.Grid3}) {
                    const std::string text = grid->text(0, 0);
                    grid->setText(0, 0, text + "?");
                    grid->setText(0, 0, text);
                }
            };
    }
    MsgAnswer msgBox(const std::string& text, MsgButtons, MsgIcon, const std::string&) override {
        texts.push_back(text);
        return MsgAnswer::Ok;
    }
    std::vector<std::string> texts;
    Frm_TaBrel form{*this};
};

// Everything the commands leave that a later command or the user can see.
std::string stateOf(const Twin& twin) {
    const Frm_TaBrel& form = twin.form;
    std::ostringstream state;
    state << form.Grid3.row() << form.Grid3.col() << form.Grid1.row() << form.Grid1.col()
          << " HistIdx " << form.HistIdx << " Text1 " << form.Text1.text() << '\n';
    for (int i = 0; i < 81; ++i) {
        const int r = i / 9, c = i % 9;
        for (const CellGrid* grid : {&form.Grid3, &form.Grid1})
            state << grid->text(r, c) << ';' << +grid->backColor(r, c).r << ','
                  << +grid->backColor(r, c).g << ';';
        state << form.CandArr[r][c] << '\n';
        for (int slot = 0; slot <= form.HistIdx; ++slot)
            state << form.HistGrid1.at(slot, r, c) << ';' << form.HistGrid3.at(slot, r, c) << ';';
    }
    for (const std::string& text : twin.texts)
        state << '\n' << text;
    return state.str();
}

// Sets up both twins alike, then presses each solving button twice on each.
void expectSameOutcomes(const std::function<void(Frm_TaBrel&)>& setup, const std::string& what) {
    const std::pair<const char*, void (Frm_TaBrel::*)()> buttons[] = {
        {"Update", &Frm_TaBrel::Command1_Click},
        {"Clue", &Frm_TaBrel::Command13_Click},
        {"Auto Play", &Frm_TaBrel::Cmd_findodd_Click}};
    for (const auto& [name, command] : buttons) {
        Twin remembering(false), rereading(true);
        for (Twin* twin : {&remembering, &rereading}) {
            setup(twin->form);
            (twin->form.*command)();
            (twin->form.*command)();
        }
        ASSERT_EQ(stateOf(remembering), stateOf(rereading)) << name << ", " << what;
    }
}

TEST(SweepMemo, PuzzlesEndAsIfEveryTextWereReadAfresh) {
    const std::string_view puzzles[] = {
        BuiltInBoard, OtherPuzzle,
        "..63...2..49.7...67..4.......2.16...6..5.3....53.47......9.....3...516....5...9..",
        ".3.....8.247...1....5.726.......48.1.645.37.2.21..6.4.7..............3....2..1...",
        "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4.."};
    for (const std::string_view puzzle : puzzles) {
        auto load = [&](Frm_TaBrel& form) {
            form.Grid3.clear();
            form.showStoredBoard(cellsOf(puzzle));
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
        auto setup = [&](Frm_TaBrel& form) {
            for (int i = 0; i < 81; ++i)
                form.Grid3.setText(i / 9, i % 9, texts[i]);
        };
        expectSameOutcomes(setup, "board " + std::to_string(board));
    }
}

} // namespace
