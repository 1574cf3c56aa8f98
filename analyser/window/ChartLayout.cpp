#include "ChartLayout.h"

namespace analyser {

int LineWidth(ChartSize size) {
    switch (size) {
        case ChartSize::Large: return 10;
        case ChartSize::Medium: return 5;
        case ChartSize::Small: return 1;
    }
    return 1;
}

int ArrowInset(int lineWidth) {
    switch (lineWidth) {
        case 5: return 10;
        case 10: return 50;
        default: return 0;
    }
}

int CommentGap(ChartSize size) {
    switch (size) {
        case ChartSize::Small: return 200;
        case ChartSize::Medium: return 240;
        case ChartSize::Large: return 250;
    }
    return 200;
}

int MinimumSide(int side) { return side <= kMinWindowSize ? kMinWindowSize : side; }

void ClampSplitters(int& a, int& b, int prevA, int prevB, int outerWidth) {
    if (a < kSplitterMargin) a = kSplitterMargin;
    if (a > prevB - kSplitterMargin) a = prevB - kSplitterMargin;
    if (b > outerWidth - kSplitterMargin) b = outerWidth - kSplitterMargin;
    if (b < prevA + kSplitterDistance) b = prevA + kSplitterDistance;
}

int DragBarLeft(int p, int outerWidth) {
    if (p < kSplitterMargin) return kSplitterMargin;
    if (p > outerWidth - kSplitterMargin) return outerWidth - kSplitterMargin;
    return p;
}

SplitterPair ArrangedSplitters(int scaleWidth) { return {scaleWidth / 4, scaleWidth * 3 / 4}; }

PaneLayout SizeControls(const WindowMetrics& w, int a, int b, int prevA, int prevB) {
    ClampSplitters(a, b, prevA, prevB, w.OuterWidth);
    PaneLayout l;
    l.A = a;
    l.B = b;
    const int top = w.ToolbarHeight + w.ScaleTop + w.DeviceHeight + kPaneGap;
    const int height = w.ScaleHeight - w.DeviceHeight - w.ToolbarHeight - 2 * w.StatusHeight -
                       w.FrameInfoHeight - kPaneHeightCorrection;
    l.Splitter[0] = {a, top, kSplitterWidth, height};
    l.Splitter[1] = {b, top, kSplitterWidth, height};
    l.CommentsL = {w.ScaleLeft, top, a, height};
    l.CommentsR = {b + kPaneGap, top, w.ScaleWidth - b - kPaneGap, height};
    l.Chart = {a + kPaneGap, top, w.ScaleWidth - l.CommentsL.width - l.CommentsR.width - 2 * kPaneGap,
               height};
    const int deviceTop = w.ToolbarHeight + w.ScaleTop;
    const int device0Width = (l.Chart.width - kPaneGap) / 2 + l.Chart.left;
    l.Device[0] = {w.ScaleLeft, deviceTop, device0Width, w.DeviceHeight};
    l.Device[1] = {w.ScaleLeft + device0Width + kPaneGap, deviceTop,
                   w.ScaleWidth - device0Width - kPaneGap, w.DeviceHeight};
    l.FrameInfo = {w.ScaleLeft, w.ScaleHeight - 2 * w.StatusHeight - w.FrameInfoHeight, w.ScaleWidth,
                   w.FrameInfoHeight};
    l.StatusBar2 = {w.ScaleLeft, w.ScaleHeight - w.StatusHeight - w.Status2Height, w.ScaleWidth,
                    w.Status2Height};
    return l;
}

RowGeometry RowPlace(int boxWidth, int captionWidth, int16_t direction, int inset) {
    RowGeometry g;
    g.CaptionLeft = (boxWidth - captionWidth) / 2;
    g.CaptionWidth = captionWidth;
    if (kMarkLeft + kMarkSize > g.CaptionLeft) {
        g.CaptionClipped = true;
        g.CaptionLeft = kMarkLeft + kMarkSize;
        g.CaptionWidth = boxWidth - 2 * kMarkSize;
    }
    switch (direction) {
        case 1:
            g.ArrowX1 = boxWidth - inset;
            g.ArrowX2 = boxWidth - inset - kArrowLength;
            break;
        case 2:
            g.ArrowX1 = inset;
            g.ArrowX2 = inset + kArrowLength;
            break;
        default:
            g.ArrowX1 = g.ArrowX2 = boxWidth;
            break;
    }
    return g;
}

}  // namespace analyser
