// "Update", "Clue" and "Auto Play" work from what their last sweep wrote while
// no text of the grids has changed since. The outcome must be the one that
// reading every text afresh gives: a twin form whose grids are touched at every
// yield (a text changed and put back) never gets to use what it remembers.
#include "support/FormFixture.h"

#include <random>
#include <sstream>

namespace {

// Answers every message box, so that runs ending in one can be compared.
class AnsweringShell : public FakeShell {
public:
    std::vector<std::string> texts;
    MsgAnswer msgBox(const std::string& text, MsgButtons, MsgIcon, const std::string&) override {
        texts.push_back(text);
        return MsgAnswer::Ok;
    }
};

struct Twin {
    explicit Twin(bool touched) {
        form.Form_Load();
        if (!touched)
            return;
        shell.everyYield = [this] {
            for (CellGrid* grid : {&form.Grid1, &form.Grid3}) {
                const std::string text = grid->text(0, 0);
                grid->setText(0, 0, text + "?");
                grid->setText(0, 0, text);
            }
        };
    }

    AnsweringShell shell;
    Frm_TaBrel form{shell};
};

std::string coloursOf(const CellGrid& grid) {
    std::string colours;
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 9; ++col)
            colours += std::to_string(grid.backColor(row, col).g);
    return colours;
}

// Everything the commands leave that a later command or the user can see.
std::string stateOf(const Twin& twin) {
    const Frm_TaBrel& form = twin.form;
    std::ostringstream state;
    state << textsOf(form.Grid3) << '\n'
          << textsOf(form.Grid1) << '\n'
          << coloursOf(form.Grid3) << coloursOf(form.Grid1) << '\n'
          << form.Grid3.row() << form.Grid3.col() << form.Grid1.row() << form.Grid1.col()
          << " HistIdx " << form.HistIdx << " Text1 " << form.Text1.text() << '\n';
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 9; ++col)
            state << form.CandArr[row][col] << ',';
    for (int slot = 0; slot <= form.HistIdx; ++slot)
        for (int row = 0; row < 9; ++row)
            for (int col = 0; col < 9; ++col)
                state << form.HistGrid1.at(slot, row, col) << ';'
                      << form.HistGrid3.at(slot, row, col) << ';';
    for (const std::string& text : twin.shell.texts)
        state << '\n' << text;
    return state.str();
}

template <typename Setup>
void expectSameOutcome(Setup setup, void (Frm_TaBrel::*command)(), const std::string& what) {
    Twin remembering(false);
    Twin rereading(true);
    for (Twin* twin : {&remembering, &rereading}) {
        setup(twin->form);
        (twin->form.*command)();
        (twin->form.*command)();
    }
    ASSERT_EQ(stateOf(remembering), stateOf(rereading)) << what;
}

void load(Frm_TaBrel& form, std::string_view board) {
    form.Grid3.clear();
    form.showStoredBoard(cellsOf(board));
}

TEST(SweepMemo, AutoPlayEndsAsIfEveryTextWereReadAfresh) {
    const std::string_view puzzles[] = {
        BuiltInBoard,
        OtherPuzzle,
        "..63...2..49.7...67..4.......2.16...6..5.3....53.47......9.....3...516....5...9..",
        ".3.....8.247...1....5.726.......48.1.645.37.2.21..6.4.7..............3....2..1...",
        "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..",
        "5.5.............................................................................."};
    for (const std::string_view puzzle : puzzles)
        expectSameOutcome([&](Frm_TaBrel& form) { load(form, puzzle); },
                          &Frm_TaBrel::Cmd_findodd_Click, std::string(puzzle));
}

// Random boards, many contradictory, some with texts that "Put In the Grid"
// allows, through Update and Clue: the roll-backs and the text rule included.
TEST(SweepMemo, UpdateAndClueEndAsIfEveryTextWereReadAfresh) {
    std::mt19937 random(1206);
    const char* odd[] = {"12", " 7", "0.5", "x", "-3", "0"};
    for (int board = 0; board < 200; ++board) {
        std::vector<std::pair<int, std::string>> cells;
        for (int i = 0; i < 81; ++i) {
            const int roll = static_cast<int>(random() % 100);
            if (board % 5 == 0 && roll < 3)
                cells.emplace_back(i, odd[random() % std::size(odd)]);
            else if (roll < 25 + board % 20)
                cells.emplace_back(i, std::to_string(1 + random() % 9));
        }
        auto setup = [&](Frm_TaBrel& form) {
            form.Grid3.clear();
            for (const auto& [i, text] : cells)
                form.Grid3.setText(i / 9, i % 9, text);
        };
        expectSameOutcome(setup, &Frm_TaBrel::Command1_Click,
                          "Update, board " + std::to_string(board));
        expectSameOutcome(setup, &Frm_TaBrel::Command13_Click,
                          "Clue, board " + std::to_string(board));
    }
}

} // namespace
