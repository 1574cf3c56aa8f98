#include "LiveCellDelegate.h"

#include <QPainter>
#include <QStyle>

namespace mon {

namespace {

// The text's top left corner in the cell for its alignment.
QPointF TextCorner(const QRect& cell, const QSizeF& text, int align) {
    qreal x = cell.left();
    if ((align & Qt::AlignRight) != 0) {
        x = cell.right() + 1 - text.width();
    } else if ((align & Qt::AlignHCenter) != 0) {
        x = cell.left() + (cell.width() - text.width()) / 2;
    }
    return {x, cell.top() + (cell.height() - text.height()) / 2};
}

}  // namespace

const QStaticText& LiveCellDelegate::LaidOut(const QString& text, const QFont& font) const {
    if (font != font_) {
        texts_.clear();
        font_ = font;
    }
    auto kept = texts_.constFind(text);
    if (kept != texts_.constEnd()) return *kept;
    if (texts_.size() >= kKeptTexts) texts_.clear();
    QStaticText laid(text);
    laid.setTextFormat(Qt::PlainText);
    laid.setPerformanceHint(QStaticText::AggressiveCaching);
    laid.prepare(QTransform(), font);
    return *texts_.insert(text, laid);
}

void LiveCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    if (selected) {
        painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
    } else if (const QVariant back = index.data(Qt::BackgroundRole); back.isValid()) {
        const auto brush = back.value<QBrush>();
        if (brush.style() != Qt::NoBrush) painter->fillRect(option.rect, brush);
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) return;
    QColor color = option.palette.color(QPalette::Text);
    if (selected) {
        color = option.palette.color(QPalette::HighlightedText);
    } else if (const QVariant fore = index.data(Qt::ForegroundRole); fore.isValid()) {
        color = fore.value<QBrush>().color();
    }
    const QVariant align = index.data(Qt::TextAlignmentRole);
    const int flags = align.isValid() ? align.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter);
    const QWidget* widget = option.widget;
    const QStyle* style = widget != nullptr ? widget->style() : nullptr;
    const int margin =
        (style != nullptr ? style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) : 2) + 1;
    const QRect inner = option.rect.adjusted(margin, 0, -margin, 0);
    const QStaticText& laid = LaidOut(text, option.font);
    painter->save();
    // A text wider than its column does not run into the next one.
    if (laid.size().width() > inner.width()) painter->setClipRect(inner);
    painter->setPen(color);
    painter->setFont(option.font);
    painter->drawStaticText(TextCorner(inner, laid.size(), flags), laid);
    painter->restore();
}

}  // namespace mon
