#include "CommentColumn.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <QToolTip>

#include <cmath>

#include "platform/ui/NoThrow.h"
#include "platform/ui/SystemColor.h"
#include "platform/ui/Twips.h"

namespace analyser::ui {
namespace {

QTextOption WrapOption(int side) {
    QTextOption option(side == 0 ? Qt::AlignRight : Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

}  // namespace

CommentColumn::CommentColumn(const ChartModel& model, int side, QWidget* parent)
    : QFrame(parent), model_(model), side_(side) {
    setObjectName(side == 0 ? QStringLiteral("picCommentsL") : QStringLiteral("picCommentsR"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setCursor(Qt::IBeamCursor);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, platform::StoredColor(platform::kSysWindow, this));
    setPalette(pal);
}

int CommentColumn::Px(int twips) const { return platform::TwipsToPixels(twips, this); }

int CommentColumn::WrappedHeightTwips(const QString& text) const {
    const QFontMetrics fm(model_.CommentFont);
    int lines = 1;
    if (!text.isEmpty()) {
        QTextLayout layout(text, model_.CommentFont);
        layout.setTextOption(WrapOption(side_));
        layout.beginLayout();
        lines = 0;
        const qreal width = qMax(1, contentsRect().width());
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            ++lines;
        }
        layout.endLayout();
        lines = qMax(1, lines);
    }
    return platform::PixelsToTwips(lines * fm.height(), this);
}

QString CommentColumn::Comment(int slot) const {
    const int32_t frame = model_.SlotFrame(slot);
    return QString::fromStdString(side_ == 0 ? model_.Rows.CommentL(frame)
                                             : model_.Rows.CommentR(frame));
}

QRect CommentColumn::CommentRect(int slot) const {
    const SlotPlace& place = model_.Paging.Place(slot);
    const QRect inner = contentsRect();
    const int height = side_ == 0 ? place.CommentLHeight : place.CommentRHeight;
    return {inner.left(), inner.top() + Px(place.CommentTop), inner.width(), Px(height)};
}

void CommentColumn::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setClipRect(contentsRect());
    p.setFont(model_.CommentFont);
    p.setPen(model_.CommentColor.isValid() ? model_.CommentColor
                                           : platform::StoredColor(platform::kSysWindowText, this));
    const QTextOption option = WrapOption(side_);
    platform::NoThrow("comment paint", [&] {
        for (int slot = 0; slot < model_.Paging.Shown(); ++slot) {
            const QString text = Comment(slot);
            if (!text.isEmpty()) p.drawText(QRectF(CommentRect(slot)), text, option);
        }
    });
}

bool CommentColumn::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QFrame::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    for (int slot = 0; slot < model_.Paging.Shown(); ++slot) {
        if (CommentRect(slot).contains(help->pos())) {
            const QString text = Comment(slot);
            if (!text.isEmpty()) {
                QToolTip::showText(help->globalPos(), text, this);
                return true;
            }
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

}  // namespace analyser::ui
