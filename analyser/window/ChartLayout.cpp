#include "ChartLayout.h"

#include <optional>
#include <vector>

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

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u3000'; }

// The largest of the ascending candidates whose prefix fits, or none.
std::optional<size_t> LastFitting(const std::vector<size_t>& candidates, int width,
                                  const std::function<int(size_t)>& prefixWidth) {
    std::optional<size_t> best;
    size_t lo = 0;
    size_t hi = candidates.size();
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (prefixWidth(candidates[mid]) <= width) {
            best = candidates[mid];
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }
    return best;
}

}  // namespace

size_t CaptionFitLength(std::u16string_view text, int width, const std::function<int(size_t)>& prefixWidth) {
    if (prefixWidth(text.size()) <= width) return text.size();
    std::vector<size_t> wordEnds;
    for (size_t i = 1; i < text.size(); ++i) {
        if (IsBlank(text[i]) && !IsBlank(text[i - 1])) wordEnds.push_back(i);
    }
    if (const auto fit = LastFitting(wordEnds, width, prefixWidth)) return *fit;
    // Never half a character: a surrogate pair stays whole.
    std::vector<size_t> charEnds;
    for (size_t i = 1; i < text.size(); ++i) {
        const bool insidePair = text[i - 1] >= 0xD800 && text[i - 1] <= 0xDBFF && text[i] >= 0xDC00 && text[i] <= 0xDFFF;
        if (!insidePair) charEnds.push_back(i);
    }
    return LastFitting(charEnds, width, prefixWidth).value_or(0);
}

}  // namespace analyser
