// The kept game, the clock, statistics and printing on the real window.
#include "WindowFixture.h"

#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

using namespace std::chrono_literals;

class KeptWindow : public WindowTest {
protected:
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
TEST_F(KeptWindow, TheClockRunsUntilTheGameIsSolved) {
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
TEST_F(KeptWindow, TheStatisticsDialogCountsTheGamesPlayed) {
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
TEST_F(KeptWindow, AGameClosedComesBackWithContinueLastGame) {
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
TEST_F(KeptWindow, PrintPuzzlesSavesThePlayGridsPuzzleAsAPdf) {
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

} // namespace
