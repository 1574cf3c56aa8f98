#include "FrameChart.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QUrl>

#include "ChartLayout.h"
#include "MarkPictures.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/SystemColor.h"
#include "platform/ui/Twips.h"

namespace analyser::ui {

FrameChart::FrameChart(const ChartModel& model, QWidget* parent) : QFrame(parent), model_(model) {
    setObjectName(QStringLiteral("picFrameView"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, platform::StoredColor(platform::kSysWindow, this));
    setPalette(pal);
}

int FrameChart::Px(int twips) const { return platform::TwipsToPixels(twips, this); }

int FrameChart::ScaleWidthTwips() const {
    return platform::PixelsToTwips(contentsRect().width(), this);
}

int FrameChart::ScaleHeightTwips() const {
    return platform::PixelsToTwips(contentsRect().height(), this);
}

int FrameChart::HeightTwips() const { return platform::PixelsToTwips(height(), this); }

QRect FrameChart::SlotRect(int slot) const {
    const SlotPlace& place = model_.Paging.Place(slot);
    const QRect inner = contentsRect();
    return {inner.left(), inner.top() + Px(place.BoxTop), inner.width(), Px(place.BoxHeight)};
}

QString FrameChart::ShownCaption(int slot) const {
    return QString::fromStdString(model_.SlotEntry(slot).Caption).left(kCaptionShownLength);
}

QFont FrameChart::CaptionFontOf(int slot) const {
    QFont font = model_.CaptionFont;
    font.setBold(slot == model_.Paging.CurrentSlot());
    return font;
}

QColor FrameChart::CaptionPenOf(int slot) const {
    const bool current = slot == model_.Paging.CurrentSlot();
    return platform::StoredColor(current ? platform::kSysHighlightText : platform::kSysWindowText, this);
}

FrameChart::CaptionPlace FrameChart::CaptionPlaced(int slot) const {
    const QFontMetrics fm(CaptionFontOf(slot));
    const QString shown = ShownCaption(slot);
    const int textWidth = fm.horizontalAdvance(shown);
    const RowGeometry g =
        RowPlace(ScaleWidthTwips(), platform::PixelsToTwips(textWidth, this), model_.SlotEntry(slot).Direction, model_.Inset);
    const QRect box = SlotRect(slot);
    CaptionPlace place;
    place.Label = {box.left() + Px(g.CaptionLeft), box.top(), Px(g.CaptionWidth), fm.height()};
    if (!g.CaptionClipped) {
        place.Visible = shown;
        place.Text = {place.Label.left() + (place.Label.width() - textWidth) / 2, place.Label.top(), textWidth,
                      place.Label.height()};
        return place;
    }
    // Too wide for the row: the caption's start shows, whole bytes or words.
    const std::u16string_view text(reinterpret_cast<const char16_t*>(shown.utf16()), static_cast<size_t>(shown.size()));
    const size_t n = CaptionFitLength(text, place.Label.width(), [&](size_t k) {
        return fm.horizontalAdvance(shown.left(static_cast<qsizetype>(k)));
    });
    place.Visible = shown.left(static_cast<qsizetype>(n));
    place.Text = {place.Label.left(), place.Label.top(), fm.horizontalAdvance(place.Visible), place.Label.height()};
    return place;
}

QRect FrameChart::CaptionRect(int slot) const { return CaptionPlaced(slot).Label; }

QRect FrameChart::CaptionTextRect(int slot) const { return CaptionPlaced(slot).Text; }

QString FrameChart::VisibleCaption(int slot) const { return CaptionPlaced(slot).Visible; }

int FrameChart::ShownSlots() const { return model_.Paging.Shown(); }

int32_t FrameChart::SlotFrame(int slot) const { return model_.SlotFrame(slot); }

QRect FrameChart::MarkRect(int slot) const {
    const QRect box = SlotRect(slot);
    return {box.left() + Px(kMarkLeft), box.top(), Px(kMarkSize), Px(kMarkSize)};
}

void FrameChart::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setClipRect(contentsRect());
    platform::NoThrow("chart paint", [&] {
        for (int slot = 0; slot < model_.Paging.Shown(); ++slot) PaintSlot(p, slot);
    });
}

void FrameChart::PaintSlot(QPainter& p, int slot) {
    const RowEntry entry = model_.SlotEntry(slot);
    const bool current = slot == model_.Paging.CurrentSlot();
    const QRect box = SlotRect(slot);

    // The caption behind, the lines and the mark in front of it.
    const CaptionPlace caption = CaptionPlaced(slot);
    p.fillRect(caption.Label, platform::StoredColor(current ? platform::kSysHighlight : platform::kSysWindow, this));
    p.setFont(CaptionFontOf(slot));
    p.setPen(CaptionPenOf(slot));
    p.drawText(caption.Text, kCaptionFlags, caption.Visible);

    QPen pen(platform::StoredColor(entry.Colour, this));
    pen.setWidth(model_.LineWidth);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    const int y = box.top() + Px(model_.Paging.Place(slot).LineY());
    p.drawLine(box.left(), y, box.right(), y);
    if (entry.Direction == kDirRight || entry.Direction == kDirLeft) {
        const RowGeometry g = RowPlace(ScaleWidthTwips(), 0, entry.Direction, model_.Inset);
        const int x1 = box.left() + Px(g.ArrowX1);
        const int x2 = box.left() + Px(g.ArrowX2);
        p.drawLine(x1, y, x2, y - Px(kArrowHalf));
        p.drawLine(x1, y, x2, y + Px(kArrowHalf));
    }

    const MarkPicture mark = MarkFor(model_.Marks, model_.SlotFrame(slot));
    if (mark.Picture != 0) {
        const QRect at = MarkRect(slot);
        p.drawPixmap(at.topLeft(), MarkPixmap(mark.Picture, at.width()));
    }
}

int FrameChart::SlotAtPixel(const QPoint& at) const {
    if (!contentsRect().contains(at)) return -1;
    return model_.Paging.SlotAt(platform::PixelsToTwips(at.y() - contentsRect().top(), this));
}

int FrameChart::ButtonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return 1;
        case Qt::RightButton: return 2;
        case Qt::MiddleButton: return 4;
        default: return 0;
    }
}

void FrameChart::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    swallowRelease_ = false;
    const int button = ButtonCode(event->button());
    pressedSlot_ = SlotAtPixel(event->position().toPoint());
    if (pressedSlot_ >= 0) {
        emit SlotPressed(pressedSlot_, button);
    } else {
        emit EmptyPressed(button, event->globalPosition().toPoint());
    }
}

void FrameChart::mouseMoveEvent(QMouseEvent* event) {
    // The row pointer over the rows, the arrow over the empty chart.
    setCursor(SlotAtPixel(event->position().toPoint()) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void FrameChart::mouseReleaseEvent(QMouseEvent* event) {
    const int pressed = pressedSlot_;
    pressedSlot_ = -1;
    if (swallowRelease_) {
        swallowRelease_ = false;
        return;
    }
    // A click is a press and a release on the same row.
    if (pressed >= 0 && SlotAtPixel(event->position().toPoint()) == pressed) emit SlotClicked(pressed);
}

void FrameChart::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is no press of its own, and its
    // release is no click.
    swallowRelease_ = true;
    const int slot = SlotAtPixel(event->position().toPoint());
    if (slot >= 0) emit SlotDoubleClicked(slot, ButtonCode(event->button()));
}

int FrameChart::KeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Up: return kKeyUp;
        case Qt::Key_Down: return kKeyDown;
        case Qt::Key_PageUp: return kKeyPageUp;
        case Qt::Key_PageDown: return kKeyPageDown;
        case Qt::Key_Home: return kKeyHome;
        case Qt::Key_End: return kKeyEnd;
        case Qt::Key_Left: return kKeyLeft;
        case Qt::Key_Right: return kKeyRight;
        case Qt::Key_Return:
        case Qt::Key_Enter: return kKeyEnter;
        case Qt::Key_Menu: return kKeyApps;
        default: return 0;
    }
}

void FrameChart::keyPressEvent(QKeyEvent* event) {
    const int code = KeyCode(event->key());
    if (code == 0) {
        QFrame::keyPressEvent(event);
        return;
    }
    emit KeyDown(code);
}

bool FrameChart::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QFrame::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int slot = SlotAtPixel(help->pos());
    QString tip;
    if (slot >= 0) {
        const MarkPicture mark = MarkFor(model_.Marks, model_.SlotFrame(slot));
        if (mark.Picture != 0 && MarkRect(slot).contains(help->pos())) {
            tip = QString::fromStdString(mark.ToolTip);
        } else if (CaptionRect(slot).contains(help->pos())) {
            tip = QString::fromStdString(model_.SlotEntry(slot).Caption);
        }
    }
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
}

void FrameChart::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void FrameChart::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void FrameChart::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    // Only the first file counts.
    if (urls.isEmpty() || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    emit FileDropped(urls.front().toLocalFile());
}

}  // namespace analyser::ui
