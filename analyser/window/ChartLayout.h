// Where the main window's panes go: the two splitters with their clamps,
// the comment columns, the chart, the device-name boxes, the navigation
// strip and the second status bar; the horizontal geometry of a chart row
// (caption, base line, arrow); the chart size setting. All in twips but
// line widths, which are pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/ui/Placement.h"

namespace analyser {

// The placement rules' rectangle: plain twips, no window system.
using PaneRect = platform::TwipsRect;

inline constexpr int kMinWindowSize = 4000;    // outer width and height
inline constexpr int kSplitterMargin = 500;
inline constexpr int kSplitterDistance = 1000;
inline constexpr int kPaneGap = 40;
inline constexpr int kPaneHeightCorrection = 20;
inline constexpr int kSplitterWidth = 300;

// Mark image of a row, at the row's left.
inline constexpr int kMarkLeft = 120;
inline constexpr int kMarkSize = 375;
inline constexpr int kArrowLength = 300;

enum class ChartSize { Large, Medium, Small };

// Line width of the row lines, pixels: 10, 5, 1.
int LineWidth(ChartSize size);
// How far a thick arrow head stays inside the row: by the line width in
// use (1 gives 0, 5 gives 10, 10 gives 50, anything else 0).
int ArrowInset(int lineWidth);
// Space between a row's top and its comments: 250, 240, 200.
int CommentGap(ChartSize size);

// A window size below the minimum is raised to it.
int MinimumSide(int side);

// The wanted splitter positions a (left) and b (right), clamped against
// the positions they had before (prevA, prevB) and the window's outer
// width, in that order; the last clamp wins.
void ClampSplitters(int& a, int& b, int prevA, int prevB, int outerWidth);

// Where a dragged splitter's bar stands for the pointer at p.
int DragBarLeft(int p, int outerWidth);

// "整列": the splitters at a quarter and three quarters of the width.
struct SplitterPair {
    int Left = 0;
    int Right = 0;
};
SplitterPair ArrangedSplitters(int scaleWidth);

// What the layout reads of the window.
struct WindowMetrics {
    int OuterWidth = 0;
    int ScaleLeft = 0;
    int ScaleTop = 0;
    int ScaleWidth = 0;
    int ScaleHeight = 0;
    int ToolbarHeight = 0;
    int DeviceHeight = 0;     // a device-name box
    int StatusHeight = 0;     // StatusBar1, which stands for both bars
    int Status2Height = 0;    // StatusBar2
    int FrameInfoHeight = 0;  // the navigation strip
};

struct PaneLayout {
    int A = 0;  // the splitters after the clamps
    int B = 0;
    PaneRect Splitter[2];
    PaneRect CommentsL;
    PaneRect Chart;
    PaneRect CommentsR;
    PaneRect Device[2];
    PaneRect FrameInfo;
    PaneRect StatusBar2;
};

// fSizeControls: clamps a and b (see ClampSplitters, with the splitters'
// previous positions) and places every pane from them.
PaneLayout SizeControls(const WindowMetrics& w, int a, int b, int prevA, int prevB);

// Horizontal geometry of one row in a chart of width boxWidth.
struct RowGeometry {
    int CaptionLeft = 0;
    int CaptionWidth = 0;
    bool CaptionClipped = false;  // the caption no longer sizes itself
    int ArrowX1 = 0;
    int ArrowX2 = 0;
};

// The caption centred, or, when the mark image would overlap it, starting
// right of the image and as wide as the row less two images; the arrow's
// ends by direction (1 right, 2 left, 0 a point at the right end).
RowGeometry RowPlace(int boxWidth, int captionWidth, int16_t direction, int inset);

// How much of a caption too wide for its place shows there, from its
// start: the longest part that fits and ends at a blank, so a hex caption
// shows whole bytes and a text whole words; when not even the first word
// fits, as many whole characters as fit. Blanks at the cut are left out.
// prefixWidth(n) measures the first n UTF-16 units and grows with n.
size_t CaptionFitLength(std::u16string_view text, int width, const std::function<int(size_t)>& prefixWidth);

}  // namespace analyser
