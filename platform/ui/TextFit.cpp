#include "TextFit.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace platform {

namespace {

int WidestAdvance(const QFontMetrics& fm, const QStringList& texts) {
    int widest = 0;
    for (const QString& t : texts) widest = std::max(widest, fm.horizontalAdvance(t));
    return widest;
}

// The item delegate keeps this much free on each side of a cell's text.
int CellTextMargin(const QAbstractItemView* view) {
    return view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
}

}  // namespace

int CellWidthFor(const QAbstractItemView* view, const QStringList& texts) {
    // One pixel more for the grid line drawn inside the cell.
    return WidestAdvance(view->fontMetrics(), texts) + 2 * CellTextMargin(view) + 1;
}

int CellHeightFor(const QAbstractItemView* view) {
    return view->fontMetrics().height() + 2 * CellTextMargin(view) + 1;
}

int LineEditWidthFor(const QLineEdit* edit, const QStringList& texts) {
    // What the line edit itself adds to its text: its inner margin of two
    // pixels a side, its text margins, and the frame the style draws.
    constexpr int kInnerMargin = 2;
    const QMargins tm = edit->textMargins();
    const QSize contents(WidestAdvance(edit->fontMetrics(), texts) + 2 * kInnerMargin + tm.left() +
                             tm.right() + 1,
                         edit->fontMetrics().height());
    QStyleOptionFrame opt;
    opt.initFrom(edit);
    const QStyle* style = edit->style();
    opt.lineWidth = edit->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    return style->sizeFromContents(QStyle::CT_LineEdit, &opt, contents, edit).width();
}

int LabelWidthFor(const QLabel* label, const QStringList& texts) {
    const int indent = std::max(label->indent(), 0);
    return WidestAdvance(label->fontMetrics(), texts) + 2 * (label->frameWidth() + label->margin() + indent);
}

QStringList WithEveryDigit(const QStringList& patterns) {
    QStringList texts;
    for (const QString& p : patterns) {
        for (char d = '0'; d <= '9'; ++d) texts << QString(p).replace(u'0', QChar::fromLatin1(d));
    }
    return texts;
}

}  // namespace platform
