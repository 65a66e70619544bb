// The player's game on the window: candidates, mistakes, history, clock, kept game, printing.
#include "WindowFixture.h"

#include <QDockWidget>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

using namespace std::chrono_literals;

class GameWindow : public WindowTest {
protected:
    std::string candidates(int row, int col) {
        return cell("Grid1", row, col).data().toString().toStdString();
    }
    // A click on the place of `digit` in a cell of the candidate grid.
    void clickDigit(int row, int col, int digit) {
        QWidget* viewport = find<GridView>("Grid1")->viewport();
        const QRect place = GridView::digitPlace(cellRect("Grid1", row, col, viewport), digit);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, place.center());
    }
    // Runs `inDialog` on the modal dialog `name` that `open` shows, then closes it.
    template <typename Dialog>
    void withDialog(const char* open, const char* name, std::function<void(Dialog*)> inDialog) {
        QTimer::singleShot(0, &window, [&] {
            auto* dialog = window.findChild<Dialog*>(name);
            ASSERT_NE(dialog, nullptr);
            inDialog(dialog);
            dialog->close();
        });
        trigger(open);
    }
};

// The clock counts the time played, and stops when the board is solved, which
// the line under the play grid tells.
TEST_F(GameWindow, TheClockRunsUntilTheGameIsSolved) {
    auto* clock = find<QLabel>("Clock");
    EXPECT_TRUE(clock->isVisible());
    typeAt(0, 1, Qt::Key_4);
    shell.clock += 65s;
    EXPECT_TRUE(QTest::qWaitFor([&] { return clock->text() == "1:05"; }, 3000))
        << clock->text().toStdString();
    shell.messages.answerNext(MsgAnswer::Ok);
    click("Cmd_findodd");
    EXPECT_EQ(text("PlayStatus"), "Solved in 1:05.");
    shell.clock += 3600s;
    EXPECT_EQ(window.form().secondsPlayed(), 65);
    trigger("Clock");
    EXPECT_FALSE(clock->isVisible());
}

// Two games, one solved with Auto Play and one left: both played, one solved,
// none clean; Reset asks, then clears.
TEST_F(GameWindow, TheStatisticsDialogCountsTheGamesPlayed) {
    typeAt(0, 1, Qt::Key_4);
    shell.messages.answerNext(MsgAnswer::Ok);
    click("Cmd_findodd");
    click("Command2");
    typeAt(0, 1, Qt::Key_4);
    // The engine rates a game without a level off the window's thread.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.form().gameLevel().has_value(); }));
    std::vector<std::string> row;
    withDialog<QDialog>("Statistics", "StatisticsDialog", [&](QDialog* dialog) {
        auto* table = dialog->findChild<QTableWidget*>("Statistics");
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->item(r, 1)->text() != "0")
                for (int c = 0; c < table->columnCount(); ++c)
                    row.push_back(table->item(r, c)->text().toStdString());
        shell.messages.answerNext(MsgAnswer::Yes);
        dialog->findChild<QPushButton*>("Reset")->click();
        EXPECT_EQ(table->item(0, 1)->text(), "0");
    });
    EXPECT_EQ(row, (std::vector<std::string>{"easy", "2", "1", "0", "–", "–", "1"}));
}

// A closed window's game comes back in the next one with Ctrl+R.
TEST_F(GameWindow, AGameClosedComesBackWithContinueLastGame) {
    typeAt(0, 1, Qt::Key_4);
    window.close();
    ScriptedQtShell nextShell;
    MainWindow next{nextShell, where(), inFolder("settings.ini")};
    next.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&next));
    EXPECT_EQ(next.findChild<QLabel*>("PlayStatus")->text(),
              "Your last game is kept: Game, Continue Last Game (Ctrl+R).");
    QTest::keySequence(&next, QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_EQ(next.form().controls().Grid3.text(0, 1), "4");
}

// The dialog's pages go to a PDF: the puzzle on the play grid, one page.
TEST_F(GameWindow, PrintPuzzlesSavesThePlayGridsPuzzleAsAPdf) {
    const std::string pdf = (folder.path() / "puzzles.pdf").string();
    withDialog<PrintDialog>("PrintPuzzles", "PrintDialog", [&](PrintDialog* dialog) {
        dialog->choosePdf = [&] { return QString::fromStdString(pdf); };
        dialog->findChild<QPushButton*>("SaveAsPdf")->click();
    });
    QProcess text;
    text.start("pdftotext", {"-raw", QString::fromStdString(pdf), "-"});
    ASSERT_TRUE(text.waitForFinished());
    EXPECT_TRUE(text.readAllStandardOutput().simplified().startsWith("5 7 2 5 8"));
}

// Each Ctrl+digit (on either play-side grid) and each click strikes exactly that
// candidate, and one Revert takes it back.
TEST_F(GameWindow, EachCtrlDigitAndEachClickTogglesOneCandidate) {
    for (int digit = 1; digit <= 9; ++digit) {
        SCOPED_TRACE(digit);
        std::string expected = "123456789";
        expected.erase(static_cast<std::size_t>(digit - 1), 1);
        // A click on the candidate grid would strike the digit under it.
        const char* grid = digit % 2 ? "Grid3" : "Grid1";
        find(grid)->setFocus();
        (digit % 2 ? window.form().controls().Grid3 : window.form().controls().Grid1)
            .setCurrent(4, 4);
        QTest::keyClick(find(grid), Qt::Key(Qt::Key_0 + digit), Qt::ControlModifier);
        EXPECT_EQ(candidates(4, 4), expected);
        click("Command3");
        clickDigit(0, 1, digit);
        EXPECT_EQ(candidates(0, 1), expected);
        click("Command3");
        EXPECT_EQ(candidates(0, 1), "123456789");
        EXPECT_EQ(candidates(4, 4), "123456789");
    }
    clickCell("Grid3", 0, 0);
    QTest::keyClick(find("Grid3"), Qt::Key_5, Qt::ControlModifier);
    EXPECT_EQ(candidates(0, 0), "123456789") << "r1c1 holds a given";
}

// The menus' check items, the mistakes line and the history dock; the check
// items come back as they were left in the next run.
TEST_F(GameWindow, MistakesAndTheHistoryShowAsTheMenusSay) {
    auto* line = find<QLabel>("MistakesLine");
    EXPECT_FALSE(line->isVisible());
    key(Qt::Key_M); // nothing: Ctrl+M is the key
    key(Qt::CTRL | Qt::Key_M);
    typeAt(8, 7, Qt::Key_1);
    ASSERT_TRUE(waitForText("MistakesLine", "Mistakes: 1"));
    EXPECT_TRUE(line->isVisible());
    key(Qt::CTRL | Qt::Key_H);
    auto* history = find<QListWidget>("History");
    ASSERT_TRUE(QTest::qWaitFor([&] { return history->count() == 2; }));
    EXPECT_TRUE(find<QDockWidget>("HistoryDock")->isVisible());
    EXPECT_EQ(history->item(1)->text(), "1  r9c8 = 1");
    EXPECT_EQ(history->currentRow(), 1);
    history->setCurrentRow(0);
    EXPECT_EQ(shown("Grid3"), cellsOf(BuiltInBoard));
    ASSERT_TRUE(waitForText("MistakesLine", "Mistakes: 0"));

    ScriptedQtShell nextShell;
    MainWindow next{nextShell, where(), inFolder("settings.ini")};
    EXPECT_TRUE(next.findChild<QAction*>("ShowMistakes")->isChecked());
    EXPECT_TRUE(next.findChild<QAction*>("History")->isChecked());
    EXPECT_FALSE(next.findChild<QAction*>("RemoveCandidatesWhenPlacing")->isChecked());
}

} // namespace
