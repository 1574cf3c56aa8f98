#include "BitPictureView.h"

#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <limits>

namespace analyser::editors::ui {

namespace {

// The scroll bar counts rows; a picture taller than its range scrolls in
// steps of several rows.
constexpr int64_t kScrollMax = std::numeric_limits<int>::max() / 2;

int64_t RowsPerStep(int64_t dataRows) { return std::max<int64_t>(1, (dataRows + kScrollMax - 1) / kScrollMax); }

}  // namespace

BitPictureView::BitPictureView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("fgFrameFormat"));
    viewport()->setBackgroundRole(QPalette::Base);
    ScrollBarsSet();
}

void BitPictureView::SetPicture(BitPicture picture) {
    picture_ = std::move(picture);
    ScrollBarsSet();
    viewport()->update();
}

// The columns fit their headings, as wide as the widest bit number.
int BitPictureView::ColumnWidth() const { return fontMetrics().horizontalAdvance(QStringLiteral("00")) + 10; }

int BitPictureView::RowHeight() const { return fontMetrics().height() + 4; }

int64_t BitPictureView::TopRow() const {
    const int64_t dataRows = picture_.Rows() - BitPicture::kHeadingRows;
    return static_cast<int64_t>(verticalScrollBar()->value()) * RowsPerStep(dataRows);
}

void BitPictureView::ScrollBarsSet() {
    const int64_t dataRows = picture_.Rows() - BitPicture::kHeadingRows;
    const int dataHeight = std::max(viewport()->height() - BitPicture::kHeadingRows * RowHeight(), 0);
    const int64_t shown = std::max<int64_t>(dataHeight / RowHeight(), 1);
    const int64_t step = RowsPerStep(dataRows);
    verticalScrollBar()->setRange(0, static_cast<int>(std::max<int64_t>(dataRows - shown, 0) / step));
    verticalScrollBar()->setPageStep(static_cast<int>(std::max<int64_t>(shown / step, 1)));
    horizontalScrollBar()->setRange(0, std::max(picture_.Width() * ColumnWidth() - viewport()->width(), 0));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void BitPictureView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    ScrollBarsSet();
}

void BitPictureView::RowPaint(QPainter& p, int64_t row, int y, bool heading) const {
    const int w = ColumnWidth();
    const int h = RowHeight();
    const int x0 = -horizontalScrollBar()->value();
    for (const BitPicture::Segment& s : picture_.RowSegments(row)) {
        const QRect cell(x0 + s.col * w, y, s.span * w, h);
        if (heading) p.fillRect(cell, palette().color(QPalette::Button));
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(cell.adjusted(0, 0, -1, -1));
        p.setPen(palette().color(heading ? QPalette::ButtonText : QPalette::Text));
        p.drawText(cell.adjusted(2, 0, -2, 0), Qt::AlignCenter,
                   fontMetrics().elidedText(QString::fromStdString(s.text), Qt::ElideRight, cell.width() - 4));
    }
}

void BitPictureView::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const int h = RowHeight();
    const int64_t top = BitPicture::kHeadingRows + TopRow();
    int y = BitPicture::kHeadingRows * h;
    for (int64_t row = top; row < picture_.Rows() && y < viewport()->height(); ++row, y += h) {
        RowPaint(p, row, y, false);
    }
    for (int row = 0; row < BitPicture::kHeadingRows; ++row) RowPaint(p, row, row * h, true);
}

}  // namespace analyser::editors::ui
