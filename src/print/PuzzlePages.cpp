// The pages of printed puzzles: a pure layout of squares on a page, then grids
// drawn as lines with their digits as text, so a reader can search them.
#include "PuzzlePages.h"

#include "engine/Solver.h"

#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace print {

namespace {

// The caption line's height as a share of its grid's side, and the share of a
// slot's width or height kept free around its grid.
constexpr qreal CaptionShare = 0.09;
constexpr qreal GapShare = 0.12;

struct Arrangement {
    int count, columns, rows;
};

constexpr Arrangement Arrangements[] = {
    {1, 1, 1}, {2, 1, 2}, {4, 2, 2}, {6, 2, 3}, {SolutionsPerPage, 3, 4}};

// The grid and caption as large as a slot allows, centred in it.
QRectF squareIn(const QRectF& slot) {
    const qreal side = std::min(slot.width(), slot.height() / (1 + CaptionShare)) * (1 - GapShare);
    const qreal top = slot.top() + (slot.height() - side * (1 + CaptionShare)) / 2;
    return {slot.center().x() - side / 2, top, side, side};
}

bool usesLetter(const QLocale& locale) {
    constexpr QLocale::Territory LetterTerritories[] = {
        QLocale::Canada,    QLocale::Mexico,     QLocale::Chile,     QLocale::Colombia,
        QLocale::CostaRica, QLocale::ElSalvador, QLocale::Guatemala, QLocale::Nicaragua,
        QLocale::Panama,    QLocale::PuertoRico, QLocale::Venezuela, QLocale::Philippines};
    return locale.measurementSystem() == QLocale::ImperialUSSystem ||
           std::ranges::find(LetterTerritories, locale.territory()) != std::end(LetterTerritories);
}

struct CaptionedGrid {
    engine::Board board;
    QString caption;
};

struct Page {
    int perPage;
    std::vector<CaptionedGrid> grids;
};

QString levelWord(engine::Level level) {
    const std::string_view name = engine::levelName(level);
    QString word = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    word[0] = word[0].toUpper();
    return word;
}

std::vector<CaptionedGrid> puzzleGrids(const std::vector<PrintedPuzzle>& puzzles) {
    std::vector<CaptionedGrid> grids;
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        QString caption = QString::number(i + 1);
        if (puzzles[i].level)
            caption += QStringLiteral(" · ") + levelWord(*puzzles[i].level);
        grids.push_back({puzzles[i].givens, caption});
    }
    return grids;
}

// Numbered as their puzzles, so a puzzle without one solution leaves a gap.
std::vector<CaptionedGrid> solutionGrids(const std::vector<PrintedPuzzle>& puzzles) {
    std::vector<CaptionedGrid> grids;
    for (std::size_t i = 0; i < puzzles.size(); ++i)
        if (const engine::SolveResult result = engine::solve(puzzles[i].givens);
            result.solutions == 1)
            grids.push_back({result.solution, QString::number(i + 1)});
    return grids;
}

void addPages(std::vector<Page>& pages, const std::vector<CaptionedGrid>& grids, int perPage) {
    for (auto first = grids.begin(); first != grids.end();) {
        const auto last = first + std::min<std::ptrdiff_t>(perPage, grids.end() - first);
        pages.push_back({perPage, {first, last}});
        first = last;
    }
}

QFont fontOfHeight(qreal height) {
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, qRound(height)));
    return font;
}

// Thin lines between cells, thick ones around the boxes.
void drawLines(QPainter& painter, const QRectF& square) {
    const qreal cell = square.width() / 9;
    for (int i = 0; i <= 9; ++i) {
        painter.setPen(QPen(Qt::black, cell * (i % 3 == 0 ? 0.07 : 0.02)));
        const qreal x = square.left() + i * cell, y = square.top() + i * cell;
        painter.drawLine(QLineF(x, square.top(), x, square.bottom()));
        painter.drawLine(QLineF(square.left(), y, square.right(), y));
    }
}

void drawDigits(QPainter& painter, const QRectF& square, const engine::Board& board) {
    const qreal cell = square.width() / 9;
    painter.setFont(fontOfHeight(cell * 0.6));
    for (int i = 0; i < engine::Cells; ++i) {
        const QRectF place(square.left() + engine::colOf(i) * cell,
                           square.top() + engine::rowOf(i) * cell, cell, cell);
        if (board[i] != 0)
            painter.drawText(place, Qt::AlignCenter, QString::number(board[i]));
    }
}

void drawGrid(QPainter& painter, const QRectF& square, const CaptionedGrid& grid) {
    drawLines(painter, square);
    drawDigits(painter, square, grid.board);
    const QRectF caption = captionUnder(square);
    painter.setFont(fontOfHeight(caption.height() * 0.6));
    painter.drawText(caption, Qt::AlignCenter, grid.caption);
}

bool paintPages(QPainter& painter, QPagedPaintDevice& device, const std::vector<Page>& pages) {
    const QRectF area(0, 0, device.width(), device.height());
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0 && !device.newPage())
            return false;
        const std::vector<QRectF> squares = gridSquares(area, pages[p].perPage);
        for (std::size_t i = 0; i < pages[p].grids.size(); ++i)
            drawGrid(painter, squares[i], pages[p].grids[i]);
    }
    return true;
}

} // namespace

std::vector<QRectF> gridSquares(const QRectF& area, int count) {
    const auto arrangement = std::ranges::find(Arrangements, count, &Arrangement::count);
    if (arrangement == std::end(Arrangements))
        return {};
    const QSizeF slot(area.width() / arrangement->columns, area.height() / arrangement->rows);
    std::vector<QRectF> squares;
    for (int i = 0; i < count; ++i) {
        const QPointF corner(i % arrangement->columns * slot.width(),
                             i / arrangement->columns * slot.height());
        squares.push_back(squareIn({area.topLeft() + corner, slot}));
    }
    return squares;
}

QRectF captionUnder(const QRectF& square) {
    return {square.left(), square.bottom(), square.width(), square.width() * CaptionShare};
}

QPageLayout pageLayoutFor(const QLocale& locale) {
    return {QPageSize(usesLetter(locale) ? QPageSize::Letter : QPageSize::A4),
            QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter};
}

bool paintPuzzles(QPagedPaintDevice& device, const std::vector<PrintedPuzzle>& puzzles,
                  const PageOptions& options) {
    if (std::ranges::find(PerPageChoices, options.perPage) == std::end(PerPageChoices))
        return false;
    std::vector<Page> pages;
    addPages(pages, puzzleGrids(puzzles), options.perPage);
    if (options.solutions)
        addPages(pages, solutionGrids(puzzles), SolutionsPerPage);
    QPainter painter(&device);
    return painter.isActive() && paintPages(painter, device, pages) && painter.end();
}

} // namespace print
