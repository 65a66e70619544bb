// Hints and the runner on the real window: the keys, the status line and the
// highlights as the user sees them, and a window that never waits for the engine.
#include "WindowFixture.h"
#include "window/BackgroundRunner.h"

#include <QElapsedTimer>
#include <future>
#include <thread>

namespace {

using AdviceWindow = WindowTest;

const std::string BuiltInHint = "Hidden single: the only place for 8 in box 2 is r1c4";

// The proof and the change are marked on both grids, and only while the board
// stays the one the hint spoke of; Shift+H makes the step, which one Revert
// takes back.
TEST_F(AdviceWindow, HintsShowTheStepUntilTheBoardChangesAndShiftHMakesIt) {
    clickCell("Grid3", 4, 4);
    QTest::keyClick(find("Grid3"), 'h');
    ASSERT_TRUE(waitForText("PlayStatus", BuiltInHint)) << text("PlayStatus");
    EXPECT_NE(tint("Grid3", 0, 3), plain);
    EXPECT_NE(tint("Grid1", 0, 3), plain);
    EXPECT_EQ(tint("Grid3", 0, 2), plain);
    EXPECT_EQ(find<GridView>("Grid3")->currentIndex(), cell("Grid3", 4, 4));
    typeAt(8, 0, Qt::Key_9);
    EXPECT_EQ(text("PlayStatus"), "");
    EXPECT_EQ(tint("Grid3", 0, 3), plain);
    key(Qt::Key_Delete);
    clickCell("Grid3", 4, 4);
    QTest::keyClick(find("Grid3"), 'H', Qt::ShiftModifier);
    ASSERT_TRUE(waitForText("PlayStatus", BuiltInHint));
    EXPECT_EQ(cell("Grid3", 0, 3).data().toString(), "8");
    click("Command3");
    EXPECT_EQ(shown("Grid3"), cellsOf(BuiltInBoard));
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
