// Hints, chain hints' arrows and the runner on the real window, as the user sees them.
#include "WindowFixture.h"
#include "window/BackgroundRunner.h"

#include <QClipboard>
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

// Eight steps of singles, locked candidates and subsets, then an AIC.
constexpr std::string_view ChainAtStepNine =
    ".8.3.....9..5..1.4....7.....2..4..8.8..2..34...79...521...52.9....19...32.4......";

// Its links are drawn as arrows on the candidate grid and its reasoning is in
// the line's tooltip, both gone once the board changes.
TEST_F(AdviceWindow, AChainHintDrawsItsLinksUntilTheBoardChanges) {
    QGuiApplication::clipboard()->setText(QString::fromUtf8(ChainAtStepNine.data(), 81));
    trigger("PastePuzzle");
    const Frm_TaBrel& form = window.form();
    const StatusLine& line = window.form().controls().PlayStatus;
    for (int step = 1; step <= 8; ++step) {
        clickCell("Grid3", 0, 0);
        QTest::keyClick(find("Grid3"), 'H', Qt::ShiftModifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.play().HistIdx == step; }));
    }
    clickCell("Grid3", 0, 0);
    QTest::keyClick(find("Grid3"), 'h');
    ASSERT_TRUE(QTest::qWaitFor([&] { return !line.highlights().arrows().empty(); }));
    EXPECT_TRUE(line.text().starts_with("Alternating inference chain")) << line.text();
    const QString why = find<QLabel>("PlayStatus")->toolTip();
    EXPECT_GT(why.count('\n'), 0) << "one link a line: " << why.toStdString();

    const Arrow& first = line.highlights().arrows().front();
    auto* grid = find<GridView>("Grid1");
    const QRect from = grid->visualRect(cell("Grid1", first.fromCell / 9, first.fromCell % 9));
    const QRect to = grid->visualRect(cell("Grid1", first.toCell / 9, first.toCell % 9));
    const QPoint middle = (GridView::digitPlace(from, first.fromDigit).center() +
                           GridView::digitPlace(to, first.toDigit).center()) /
                          2;
    const auto near = [&] {
        const QImage image = grid->viewport()->grab().toImage();
        for (const QPoint step :
             {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0), QPoint(0, -1)})
            if (image.pixelColor(middle + step).saturation() > 60)
                return true;
        return false;
    };
    EXPECT_TRUE(near()) << "an arrow crosses the middle of its link";
    typeAt(8, 0, Qt::Key_Delete);
    EXPECT_TRUE(line.highlights().arrows().empty());
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
