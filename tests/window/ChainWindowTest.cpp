// A chain hint on the real window: its links drawn as arrows on the candidate
// grid, its reasoning in the line's tooltip, both gone once the board changes.
#include "WindowFixture.h"

#include <QClipboard>

namespace {

// Eight steps of singles, locked candidates and subsets, then an AIC.
constexpr std::string_view ChainAtStepNine =
    ".8.3.....9..5..1.4....7.....2..4..8.8..2..34...79...521...52.9....19...32.4......";

TEST_F(WindowTest, AChainHintDrawsItsLinksUntilTheBoardChanges) {
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

} // namespace
