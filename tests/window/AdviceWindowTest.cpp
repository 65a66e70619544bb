// Hints, the entry grid's live line and the roll-back report on the real window:
// the keys, the status lines and the highlights as the user sees them.
#include "WindowFixture.h"
#include "window/BackgroundRunner.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <future>
#include <thread>

namespace {

using namespace std::chrono_literals;

class AdviceWindow : public WindowTest {
protected:
    std::string line(const char* label) { return find<QLabel>(label)->text().toStdString(); }

    // The hint keys' answers may come from a worker thread.
    bool waitForLine(const char* label, const std::string& text) {
        return QTest::qWaitFor([&] { return line(label) == text; }, 10000);
    }

    // A pixel of the cell's own area, inside the edge a mark draws.
    QColor tint(const char* grid, int row, int col) {
        QWidget* viewport = find<GridView>(grid)->viewport();
        const QPoint inside = cellRect(grid, row, col, viewport).topLeft() + QPoint(6, 6);
        return viewport->grab().toImage().pixelColor(inside);
    }

    // H, or with `shift` Shift+H, as a keyboard types them: "h" or "H".
    void pressH(const char* widget, bool shift = false) {
        QTest::keyClick(find(widget), shift ? 'H' : 'h',
                        shift ? Qt::ShiftModifier : Qt::NoModifier);
    }

    void putIn(int row, int col, const char* digit) {
        clickCell("Grid3", row, col);
        find<QLineEdit>("Text2")->setText(digit);
        emit find<QLineEdit>("Text2")->textEdited(digit);
        click("Command11");
    }
};

const QColor Plain(255, 255, 255);
const std::string BuiltInHint = "Hidden single: the only place for 8 in box 2 is r1c4";

// The proof and the change are marked on both grids, and only while the board
// stays the one the hint spoke of.
TEST_F(AdviceWindow, HOnThePlayGridShowsTheStepAndMarksItUntilTheBoardChanges) {
    clickCell("Grid3", 4, 4);
    pressH("Grid3");
    ASSERT_TRUE(waitForLine("PlayStatus", BuiltInHint)) << line("PlayStatus");
    EXPECT_NE(tint("Grid3", 0, 3), Plain);
    EXPECT_NE(tint("Grid1", 0, 3), Plain);
    EXPECT_EQ(tint("Grid3", 0, 2), Plain);
    EXPECT_EQ(shown("Grid3"), cellsOf(BuiltInBoard)) << "a hint changes nothing";
    EXPECT_EQ(find<GridView>("Grid3")->currentIndex(), cell("Grid3", 4, 4));
    putIn(8, 8, "");
    putIn(8, 0, "9");
    EXPECT_EQ(line("PlayStatus"), "");
    EXPECT_EQ(tint("Grid3", 0, 3), Plain);
    EXPECT_EQ(tint("Grid1", 0, 3), Plain);
}

TEST_F(AdviceWindow, ShiftHMakesTheStepAndOneRevertTakesItBack) {
    clickCell("Grid3", 4, 4);
    pressH("Grid3", true);
    ASSERT_TRUE(waitForLine("PlayStatus", BuiltInHint));
    EXPECT_EQ(cell("Grid3", 0, 3).data().toString(), "8");
    EXPECT_EQ(window.form().play().HistIdx, 1);
    click("Command3");
    EXPECT_EQ(shown("Grid3"), cellsOf(BuiltInBoard));
    EXPECT_EQ(window.form().play().HistIdx, 0);
}

TEST_F(AdviceWindow, UpdateTakenBackNamesAndMarksTheClashingCellsWithoutABox) {
    putIn(0, 1, "5");
    click("Command1");
    EXPECT_EQ(line("PlayStatus"),
              "Update was taken back: 5 came twice in row 1, at r1c1 and r1c2.");
    EXPECT_NE(tint("Grid3", 0, 1), Plain);
    EXPECT_EQ(shown("Grid3"), cellsOf(BuiltInBoard));
    EXPECT_TRUE(shell.messages.shown().empty());
}

// The line follows each stored cell, each fast-entry digit and "Clear Grid".
TEST_F(AdviceWindow, TheLiveLineUnderTheEntryGridFollowsTheTyping) {
    showPage(1);
    EXPECT_EQ(line("EntryStatus"), "0 givens · more than one solution");
    click("Check1");
    clickCell("Grid2", 0, 0);
    for (const char c : cellsOf(EasyPuzzle.puzzle))
        key(c == '.' ? Qt::Key_Right : Qt::Key(c));
    clickCell("Grid2", 0, 0); // stores the bottom-right digit
    EXPECT_TRUE(waitForLine("EntryStatus", "30 givens · unique solution (easy)"))
        << line("EntryStatus");
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    key(Qt::Key_5); // r1c3, beside the 5 of r1c1
    EXPECT_TRUE(
        waitForLine("EntryStatus", "31 givens · 5 twice in row 1 (r1c1, r1c3) · no solution"))
        << line("EntryStatus");
    EXPECT_NE(tint("Grid2", 0, 2), Plain);
    click("Command8");
    EXPECT_TRUE(waitForLine("EntryStatus", "0 givens · more than one solution"));
    EXPECT_EQ(tint("Grid2", 0, 2), Plain);
}

// A job that takes long never holds the window: a click is handled at once,
// and of the jobs asked for meanwhile only the newest is delivered.
TEST_F(AdviceWindow, ALongJobLeavesTheWindowLiveAndTheNewestRequestWins) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::vector<int> delivered;
    const auto ask = [&](int answer) {
        startJob<int>(
            shell.runner(), JobKind::Hint,
            [released, answer](const std::atomic<bool>&) {
                released.wait();
                return answer;
            },
            [&delivered](const int& got) { delivered.push_back(got); });
    };
    ask(1);
    QElapsedTimer clock;
    clock.start();
    clickCell("Grid3", 4, 4);
    EXPECT_LT(clock.elapsed(), 50) << "the click waited for the job";
    EXPECT_EQ(find<GridView>("Grid3")->currentIndex(), cell("Grid3", 4, 4));
    ask(2);
    ask(3);
    release.set_value();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shell.runner().busy(JobKind::Hint); }, 10000));
    EXPECT_EQ(delivered, std::vector<int>{3});
}

// The window may close while a job runs: the job is told to stop, waited for,
// and delivers nothing.
TEST(BackgroundRunnerTest, GoingAwayCancelsAndWaitsForTheRunningJob) {
    std::atomic<bool> running = false, stopped = false;
    bool delivered = false;
    {
        BackgroundRunner runner;
        runner.start(JobKind::NewPuzzle, [&](const std::atomic<bool>& cancelled) {
            running = true;
            while (!cancelled)
                std::this_thread::yield();
            stopped = true;
            return Runner::Deliver([&delivered] { delivered = true; });
        });
        ASSERT_TRUE(QTest::qWaitFor([&] { return running.load(); }));
    }
    EXPECT_TRUE(stopped);
    QCoreApplication::processEvents();
    EXPECT_FALSE(delivered);
}

} // namespace
