// Grid drawing and the current cell kept the same in the view and the CellGrid.
#include "window/GridView.h"

#include "window/Units.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

const QColor FrameColour(30, 80, 160);

// A candidate string: two or more digits 1 to 9 in ascending order.
bool isCandidateList(const QString& text) {
    if (text.size() < 2)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch < u'1' || ch > u'9' || (i > 0 && ch <= text[i - 1]))
            return false;
    }
    return true;
}

// The colour of a mark, from the palette's highlight: its own hue for a proof,
// the opposite hue for a change, red (or, beside a reddish highlight, its
// opposite's neighbour) for what goes or clashes. Saturated and mid-bright, so
// that it stands out on the light cell colours under either theme.
QColor markColour(Mark mark, const QPalette& palette) {
    const QColor base = palette.color(QPalette::Highlight).toHsv();
    const int hue = base.hsvHue() < 0 ? 210 : base.hsvHue();
    const bool reddish = hue < 30 || hue > 330;
    int markHue = hue;
    if (mark == Mark::Changes)
        markHue = (hue + 180) % 360;
    else if (mark == Mark::Removes || mark == Mark::Clashes)
        markHue = reddish ? (hue + 240) % 360 : 0;
    return QColor::fromHsv(markHue, std::max(base.hsvSaturation(), 170),
                           std::clamp(base.value(), 170, 220));
}

// Red, as dark on a light palette as it is light on a dark one.
QColor errorColour(const QPalette& palette) {
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    return dark ? QColor(255, 110, 110) : QColor(200, 0, 0);
}

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(GridView::Style style, GridView* view)
        : QStyledItemDelegate(view), style_(style), view_(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        painter->fillRect(option.rect, index.data(Qt::BackgroundRole).value<QColor>());
        const CellMarks marks = view_->marksAt(index.row(), index.column());
        paintCellMark(painter, option.rect, marks.cell);
        const QString text = index.data(Qt::DisplayRole).toString();
        const std::uint16_t faint = style_ == GridView::Style::Candidates && view_->faintDigits
                                        ? view_->faintDigits(index.row(), index.column())
                                        : 0;
        painter->setPen(Qt::black);
        if (style_ == GridView::Style::Candidates && (isCandidateList(text) || faint != 0))
            paintPencilMarks(painter, option.rect, text, marks, faint);
        else
            paintText(painter, option.rect, text);
        if (view_->mistakeAt && view_->mistakeAt(index.row(), index.column()))
            paintMistake(painter, option.rect);
        if (index == view_->currentIndex())
            paintFrame(painter, option.rect);
        painter->restore();
    }

private:
    // A tint over the cell colour, edged in the mark's full colour.
    void paintCellMark(QPainter* painter, const QRect& rect, Mark mark) const {
        if (mark == Mark::None)
            return;
        const QColor colour = markColour(mark, view_->palette());
        painter->fillRect(rect, withAlpha(colour, mark == Mark::Proves ? 70 : 95));
        painter->setPen(QPen(colour, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(1, 1, -2, -2));
    }

    void paintText(QPainter* painter, const QRect& rect, const QString& text) const {
        QFont font = painter->font();
        const bool single = text.size() <= 1;
        font.setPixelSize(single ? rect.height() * 11 / 20 : rect.height() / 4);
        font.setBold(single && style_ == GridView::Style::Digits);
        painter->setFont(font);
        painter->drawText(rect, Qt::AlignCenter | Qt::TextWrapAnywhere, text);
    }

    // Each candidate in its place of a 3 x 3 pattern, so the eye finds a digit at
    // once; a marked one on a disc of its mark's colour, one that goes struck
    // through; a digit the player struck faint, where one click brings it back.
    void paintPencilMarks(QPainter* painter, const QRect& rect, const QString& text,
                          const CellMarks& marks, std::uint16_t faint) const {
        QFont font = painter->font();
        font.setPixelSize(rect.height() / 4);
        painter->setFont(font);
        for (int d = 1; d <= 9; ++d) {
            const QRect place = GridView::digitPlace(rect, d);
            const Mark mark = marks.digits[static_cast<std::size_t>(d)];
            if (text.contains(QChar(u'0' + d))) {
                paintDigitMark(painter, place, mark);
                painter->setPen(Qt::black);
                painter->drawText(place, Qt::AlignCenter, QString::number(d));
                if (mark == Mark::Removes)
                    strikeThrough(painter, place);
            } else if (faint & (1u << d)) {
                painter->setPen(QColor(0, 0, 0, 70));
                painter->drawText(place, Qt::AlignCenter, QString::number(d));
            }
        }
    }

    void paintMistake(QPainter* painter, const QRect& rect) const {
        painter->setPen(QPen(errorColour(view_->palette()), 3, Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(4, 4, -5, -5));
    }

    void paintDigitMark(QPainter* painter, const QRect& place, Mark mark) const {
        if (mark == Mark::None)
            return;
        painter->setPen(Qt::NoPen);
        painter->setBrush(withAlpha(markColour(mark, view_->palette()), 150));
        const int side = std::min(place.width(), place.height()) - 1;
        painter->drawEllipse(
            QRect(0, 0, side, side).translated(place.center() - QPoint(side / 2, side / 2)));
    }

    void strikeThrough(QPainter* painter, const QRect& place) const {
        painter->setPen(QPen(markColour(Mark::Removes, view_->palette()).darker(140), 2));
        painter->drawLine(place.bottomLeft() + QPoint(3, -3), place.topRight() + QPoint(-3, 3));
    }

    static void paintFrame(QPainter* painter, const QRect& rect) {
        painter->setPen(QPen(FrameColour, 3));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(2, 2, -2, -2));
    }

    GridView::Style style_;
    GridView* view_;
};

} // namespace

GridView::GridView(CellGrid& grid, Style style, QWidget* parent)
    : QTableView(parent), model_(grid), style_(style) {
    setModel(&model_);
    setItemDelegate(new CellDelegate(style, this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setGridStyle(Qt::SolidLine);
    connect(&model_, &GridModel::layoutUnitsChanged, this, &GridView::syncLayout);
    connect(&model_, &GridModel::currentCellChanged, this, &GridView::showCurrent);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) { takeCurrent(current); });
    syncLayout();
    showCurrent(grid.row(), grid.col());
}

void GridView::showHighlightsOf(const StatusLine* line) {
    marksFrom_ = line;
    viewport()->update();
}

CellMarks GridView::marksAt(int row, int col) const {
    return marksFrom_ ? marksFrom_->highlights().at(row, col) : CellMarks{};
}

QPoint GridView::cellOrigin(const QWidget* container) const {
    return viewport()->mapTo(container, QPoint(0, 0));
}

void GridView::syncLayout() {
    CellGrid& grid = model_.grid();
    int width = 0;
    for (int col = 0; col < CellGrid::Size; ++col) {
        setColumnWidth(col, toPixels(grid.colWidth(col)));
        width += toPixels(grid.colWidth(col));
    }
    for (int row = 0; row < CellGrid::Size; ++row)
        setRowHeight(row, toPixels(grid.rowHeight()));
    const int frame = 2 * frameWidth();
    setFixedSize(width + frame, CellGrid::Size * toPixels(grid.rowHeight()) + frame);
}

void GridView::showCurrent(int row, int col) {
    const QModelIndex cell = model_.index(row, col);
    if (currentIndex() != cell)
        setCurrentIndex(cell);
    viewport()->update();
}

void GridView::takeCurrent(const QModelIndex& current) {
    if (current.isValid())
        model_.grid().setCurrent(current.row(), current.column());
    viewport()->update();
}

void GridView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    QPainter painter(viewport());
    painter.setPen(QPen(Qt::black, 2));
    for (int i = 3; i < CellGrid::Size; i += 3) {
        const int x = columnViewportPosition(i) - 1;
        const int y = rowViewportPosition(i) - 1;
        painter.drawLine(x, 0, x, viewport()->height());
        painter.drawLine(0, y, viewport()->width(), y);
    }
    if (style_ == Style::Candidates && marksFrom_)
        for (const Arrow& arrow : marksFrom_->highlights().arrows())
            paintArrow(painter, arrow);
}

QPointF GridView::candidateCentre(int cell, int digit) const {
    const QRect rect = visualRect(model_.index(cell / CellGrid::Size, cell % CellGrid::Size));
    return QRectF(digitPlace(rect, digit)).center();
}

// From candidate to candidate, stopping short of both so the digits stay
// readable; a head at the end it points to.
void GridView::paintArrow(QPainter& painter, const Arrow& arrow) const {
    const QPointF from = candidateCentre(arrow.fromCell, arrow.fromDigit);
    const QPointF to = candidateCentre(arrow.toCell, arrow.toDigit);
    const QLineF whole(from, to);
    const qreal gap = rowHeight(0) / 8.0;
    if (whole.length() <= 2 * gap)
        return;
    const QLineF shaft(whole.pointAt(gap / whole.length()),
                       whole.pointAt(1 - gap / whole.length()));
    const QColor colour = markColour(Mark::Proves, palette()).darker(130);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2, arrow.strong ? Qt::SolidLine : Qt::DashLine, Qt::RoundCap));
    painter.drawLine(shaft);
    QLineF head(shaft.p2(), shaft.p1());
    head.setLength(gap);
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    for (const qreal turn : {25.0, -25.0}) {
        QLineF barb = head;
        barb.setAngle(head.angle() + turn);
        painter.drawLine(barb);
    }
}

void GridView::moveEvent(QMoveEvent* event) {
    QTableView::moveEvent(event);
    emit moved();
}

void GridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    emit moved();
}

void GridView::showEvent(QShowEvent* event) {
    QTableView::showEvent(event);
    emit moved();
}

// Reported after the view has taken the change, so a listener may move the focus on.
void GridView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    emit focusGained();
}

void GridView::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    emit focusLost(event->reason());
}

QRect GridView::digitPlace(const QRect& cell, int digit) {
    const int w = cell.width() / 3;
    const int h = cell.height() / 3;
    return {cell.left() + (digit - 1) % 3 * w, cell.top() + (digit - 1) / 3 * h, w, h};
}

void GridView::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    const QModelIndex cell = indexAt(event->position().toPoint());
    if (!onDigitClicked || !cell.isValid() || event->button() != Qt::LeftButton)
        return;
    const QRect rect = visualRect(cell);
    for (int digit = 1; digit <= 9; ++digit)
        if (digitPlace(rect, digit).contains(event->position().toPoint()))
            onDigitClicked(cell.row(), cell.column(), digit);
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if (onKey && onKey(*event))
        event->accept();
    else
        QTableView::keyPressEvent(event);
}
