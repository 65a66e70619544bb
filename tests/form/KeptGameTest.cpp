// The game kept across closing, through the form: kept from its first change, put back exactly.
#include "support/FormFixture.h"
#include "support/TempFolder.h"

namespace {

using namespace std::chrono_literals;

class KeptGame : public ::testing::Test {
protected:
    // A form started on the folder's game database, as the program starts.
    std::unique_ptr<Frm_TaBrel> start() {
        auto form = std::make_unique<Frm_TaBrel>(shell, folder.path());
        form->Form_Load();
        return form;
    }
    TempFolder folder;
    FakeShell shell;
};

// Every slot (past the 501st, so the oldest went), its label, the slot shown,
// both grids, the candidates, the time and the hints come back; "Revert" then
// walks back through the game.
TEST_F(KeptGame, ContinueLastGamePutsTheGameBackExactly) {
    PlayRecord before;
    {
        auto form = start();
        typeAt(*form, 0, 1, '4');
        form->Command1_Click();
        for (int step = 0; step < 510; ++step)
            form->toggleCandidate(4, 4, 1 + step % 9);
        form->Command3_Click();
        form->askForHint(false);
        shell.clock += 95s;
        form->controls().Grid3.setText(8, 8, "7"); // put in, not recorded
        shell.fireTimers();
        before = form->play().record();
    }
    auto form = start();
    EXPECT_EQ(form->controls().PlayStatus.text(),
              "Your last game is kept: Game, Continue Last Game (Ctrl+R).");
    EXPECT_EQ(boardOf(form->controls().Grid3), cellsOf(BuiltInBoard));
    form->continueLastGame();
    const PlayRecord after = form->play().record();
    EXPECT_EQ(after.recorded.size(), 501u);
    EXPECT_EQ(after.dropped, before.dropped);
    EXPECT_EQ(after.histIdx, 499);
    for (std::size_t slot = 0; slot < after.recorded.size(); ++slot) {
        ASSERT_EQ(after.recorded[slot].label, before.recorded[slot].label) << slot;
        ASSERT_EQ(after.recorded[slot].grid1, before.recorded[slot].grid1) << slot;
        ASSERT_EQ(after.recorded[slot].grid3, before.recorded[slot].grid3) << slot;
    }
    EXPECT_EQ(after.grid1, before.grid1);
    EXPECT_EQ(after.grid3, before.grid3);
    EXPECT_EQ(after.candidates, before.candidates);
    EXPECT_EQ(form->secondsPlayed(), 95);
    form->Command3_Click();
    EXPECT_EQ(form->play().HistIdx, 498);
}

// Starting, and "Default Game" to look, keep the kept game, even its last move
// made just before; the new game's first change replaces it.
TEST_F(KeptGame, ANewGameReplacesTheKeptOneOnlyAtItsFirstChange) {
    {
        auto form = start();
        typeAt(*form, 0, 1, '4');
        typeAt(*form, 0, 2, '6');
        form->Command2_Click();
    }
    {
        auto form = start();
        form->Command2_Click();
        form->Command4_Click();
        form->Command3_Click();
    }
    {
        auto form = start();
        form->continueLastGame();
        EXPECT_EQ(form->controls().Grid3.text(0, 2), "6");
        form->Command2_Click();
        typeAt(*form, 0, 2, '9');
    }
    auto form = start();
    form->continueLastGame();
    EXPECT_EQ(form->controls().Grid3.text(0, 1), "");
    EXPECT_EQ(form->controls().Grid3.text(0, 2), "9");
}

// The clock stops when the board agrees with the solution, whatever made it so,
// and the line says how long it took (the statistics are the window's test).
TEST_F(KeptGame, ASolvedGameStopsTheClockAndSaysSo) {
    auto form = start();
    typeAt(*form, 0, 1, '4');
    form->askForHint(true);
    shell.clock += 754s;
    shell.messages.answerNext(MsgAnswer::Ok);
    form->Cmd_findodd_Click();
    EXPECT_TRUE(form->gameSolved());
    EXPECT_EQ(form->controls().PlayStatus.text(), "Solved in 12:34 with 1 hint.");
    shell.clock += 60s;
    EXPECT_EQ(form->secondsPlayed(), 754);
}

} // namespace
