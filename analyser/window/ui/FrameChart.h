// The chart (picFrameView): one painted widget that draws the rows of the
// page the model holds — caption, base line, arrow and mark of each — and
// reports presses, clicks, double clicks, keys and dropped files. It keeps
// no state of its own beyond the press it is tracking.
#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>

#include "ChartModel.h"

namespace analyser::ui {

class FrameChart : public QFrame {
    Q_OBJECT

public:
    FrameChart(const ChartModel& model, QWidget* parent);

    // Inner width and height, and outer height, in twips.
    int ScaleWidthTwips() const;
    int ScaleHeightTwips() const;
    int HeightTwips() const;

    // Where a slot's box, caption and mark are drawn, in pixels.
    QRect SlotRect(int slot) const;
    QRect CaptionRect(int slot) const;
    QRect MarkRect(int slot) const;
    // The caption's text: cut to its first 255 characters.
    QString ShownCaption(int slot) const;
    // What of it the row shows: all of it, centred, when it fits; else its
    // start, right after the mark image, up to the last whole byte or word
    // that fits. CaptionTextRect is where that text is drawn.
    QString VisibleCaption(int slot) const;
    QRect CaptionTextRect(int slot) const;
    // The font and colour the caption is drawn in (bold on the current row).
    QFont CaptionFontOf(int slot) const;
    QColor CaptionPenOf(int slot) const;
    static constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;

    // The slots that show a row, and the frame each shows.
    int ShownSlots() const;
    int32_t SlotFrame(int slot) const;

    // Mouse buttons as the chart reports them: 1 left, 2 right, 4 middle.
    static int ButtonCode(Qt::MouseButton button);
    // The key code of a chart key, 0 for a key the chart does not know.
    static int KeyCode(int qtKey);

signals:
    void SlotPressed(int slot, int button);
    void SlotClicked(int slot);
    void SlotDoubleClicked(int slot, int button);
    void EmptyPressed(int button, const QPoint& globalPos);
    void KeyDown(int keyCode);
    void FileDropped(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int SlotAtPixel(const QPoint& at) const;
    // The caption's geometry and the part of it that shows.
    struct CaptionPlace {
        QRect Label;
        QRect Text;
        QString Visible;
    };
    CaptionPlace CaptionPlaced(int slot) const;
    int Px(int twips) const;
    void PaintSlot(QPainter& p, int slot);

    const ChartModel& model_;
    int pressedSlot_ = -1;
    bool swallowRelease_ = false;
};

}  // namespace analyser::ui
