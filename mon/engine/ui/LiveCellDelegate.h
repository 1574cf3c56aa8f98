// Paints the cells of the live grid: the cell's text in its colour and
// alignment on its background. The grid changes many times a second while
// monitoring, and its cells hold short one-line texts drawn from a small
// set (the display code's characters, flags, a time stamp shared by a
// record's units), so each text is laid out once and kept; the general
// item painting (wrapping, eliding, style sub-rectangles, focus frames) is
// left out.
#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace mon {

class LiveCellDelegate : public QStyledItemDelegate {
public:
    // Laid-out texts kept at most; more start the store afresh.
    static constexpr qsizetype kKeptTexts = 4096;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const QStaticText& LaidOut(const QString& text, const QFont& font) const;

    mutable QHash<QString, QStaticText> texts_;
    mutable QFont font_;
};

}  // namespace mon
