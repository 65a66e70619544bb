// "Update", "Clue", "Chk.Dup", "Auto Play" and "Stop" in the window: real clicks,
// a real event loop inside the runs, and a window closed in the middle of one.
#include "WindowFixture.h"
#include "analysis/Solutions.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTimer>
#include <chrono>

namespace {

using AnalysisWindow = WindowTest;

// Counts the paint events of one widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

long long wholeSeconds(std::chrono::system_clock::time_point reading) {
    return std::chrono::floor<std::chrono::seconds>(reading).time_since_epoch().count();
}

TEST_F(AnalysisWindow, AutoPlaySolvesTheBuiltInPuzzleWhileTheGridsRepaint) {
    PaintCounter counter;
    find<GridView>("Grid3")->viewport()->installEventFilter(&counter);
    int paintsAtFirstYield = -1;
    int paintsAtLastYield = -1;
    shell.everyYield = [&] {
        if (paintsAtFirstYield < 0)
            paintsAtFirstYield = counter.paints;
        paintsAtLastYield = counter.paints;
    };
    shell.messages.answerNext(MsgAnswer::Ok);
    const auto before = std::chrono::system_clock::now();
    click("Cmd_findodd");
    const auto after = std::chrono::system_clock::now();

    QString board;
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 9; ++col)
            board += cellText("Grid3", row, col);
    EXPECT_TRUE(isSolution(board.toStdString())) << board.toStdString();
    EXPECT_GT(paintsAtLastYield, paintsAtFirstYield) << "the play grid was painted during the run";

    ASSERT_EQ(shell.messages.shown().size(), 1u);
    const QString text = QString::fromStdString(shell.messages.texts()[0]);
    const auto match = QRegularExpression("^Successfully Completed in (\\d+) Seconds$").match(text);
    ASSERT_TRUE(match.hasMatch()) << text.toStdString();
    // The run lies between the two readings, so it cannot span more seconds.
    EXPECT_LE(match.captured(1).toLongLong(), wholeSeconds(after) - wholeSeconds(before));
}

TEST_F(AnalysisWindow, StopClickedDuringARunEndsItAfterThePassUnderWay) {
    bool clicked = false;
    shell.everyYield = [&] {
        if (!clicked && window.form().HistIdx >= 4) { // the first pass has finished
            clicked = true;
            click("Command12");
        }
    };
    click("Cmd_findodd");
    EXPECT_TRUE(clicked);
    EXPECT_EQ(window.form().autoPlayPasses(), 2);
    EXPECT_EQ(window.form().HistIdx, 7);
    EXPECT_TRUE(shell.messages.shown().empty());
}

TEST_F(AnalysisWindow, SolvingButtonsClickedDuringARunDoNothing) {
    shell.everyYield = [&] {
        click("Cmd_findodd");
        click("Command1");
        click("Command13");
    };
    shell.messages.answerNext(MsgAnswer::Ok);
    click("Cmd_findodd");
    EXPECT_EQ(shell.messages.shown().size(), 1u);
    EXPECT_EQ(window.form().HistIdx, 1 + 3 * window.form().autoPlayPasses());
}

TEST_F(AnalysisWindow, UpdateClueAndChkDupAreWired) {
    click("Command1");
    EXPECT_EQ(window.form().HistIdx, 1);
    EXPECT_EQ(cellText("Grid1", 0, 0), "5");
    click("Command13");
    EXPECT_EQ(window.form().HistIdx, 2);
    shell.messages.answerNext(MsgAnswer::Ok);
    click("Command9");
    EXPECT_EQ(shell.messages.texts(), std::vector<std::string>{"No Duplicates...Continue it"});
}

// The program's window lives on the stack of main and the run holds the event
// loop: closing the window during a run must stop it and let the loop end.
TEST_F(AnalysisWindow, ClosingTheWindowDuringAutoPlayEndsTheEventLoopCleanly) {
    bool closed = false;
    shell.everyYield = [&] {
        if (!closed) {
            closed = true;
            window.close();
        }
    };
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, [&] { click("Cmd_findodd"); });
    start.start(0);
    QTimer hang;
    hang.setSingleShot(true);
    QObject::connect(&hang, &QTimer::timeout, [] { QCoreApplication::exit(3); });
    hang.start(30000);

    EXPECT_EQ(QApplication::exec(), 0) << "3: the event loop did not end";
    EXPECT_TRUE(closed);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.form().autoPlayPasses(), 0) << "stopped after the starting Update";
    EXPECT_EQ(window.form().HistIdx, 1);
    EXPECT_TRUE(shell.messages.shown().empty());
}

} // namespace
