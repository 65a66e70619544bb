// The layout of printed pages: grids with captions inside the area, apart, well used; the paper.
#include "print/PuzzlePages.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

TEST(PuzzlePages, GridsWithTheirCaptionsFitThePageApartAndFillTwoFifthsOfIt) {
    for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
        const QRectF area =
            QPageSize(paper).rect(QPageSize::Point).marginsRemoved(QMarginsF(40, 40, 40, 40));
        for (const int count : {1, 2, 4, 6, print::SolutionsPerPage}) {
            SCOPED_TRACE(QPageSize::name(paper).toStdString() + ", " + std::to_string(count));
            const std::vector<QRectF> squares = print::gridSquares(area, count);
            ASSERT_EQ(squares.size(), static_cast<std::size_t>(count));
            qreal covered = 0;
            for (std::size_t i = 0; i < squares.size(); ++i) {
                const QRectF grid = squares[i].united(print::captionUnder(squares[i]));
                EXPECT_EQ(squares[i].width(), squares[i].height());
                EXPECT_TRUE(area.contains(grid));
                for (std::size_t j = 0; j < i; ++j)
                    EXPECT_FALSE(
                        grid.intersects(squares[j].united(print::captionUnder(squares[j]))));
                covered += squares[i].width() * squares[i].height();
            }
            EXPECT_GT(covered, area.width() * area.height() * 2 / 5);
        }
    }
}

TEST(PuzzlePages, PaperIsLetterWhereTheCountryUsesItAndA4Elsewhere) {
    const std::pair<const char*, QPageSize::PageSizeId> papers[] = {
        {"en_US", QPageSize::Letter}, {"fr_CA", QPageSize::Letter}, {"es_MX", QPageSize::Letter},
        {"en_GB", QPageSize::A4},     {"de_DE", QPageSize::A4},     {"C", QPageSize::A4}};
    for (const auto& [locale, paper] : papers) {
        SCOPED_TRACE(locale);
        const QPageLayout layout = print::pageLayoutFor(QLocale(locale));
        EXPECT_EQ(layout.pageSize().id(), paper);
        EXPECT_EQ(layout.orientation(), QPageLayout::Portrait);
    }
}

} // namespace
