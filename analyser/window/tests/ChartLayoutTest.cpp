#include <gtest/gtest.h>

#include "ChartLayout.h"

namespace analyser {
namespace {

TEST(ChartLayout, WindowNeverGetsSmallerThanTheMinimum) {
    EXPECT_EQ(MinimumSide(3000), 4000);
    EXPECT_EQ(MinimumSide(4000), 4000);
    EXPECT_EQ(MinimumSide(4001), 4001);
}

TEST(ChartLayout, SplitterClampsUseThePreviousPositions) {
    constexpr int kWidth = 9000;
    // Dragged to the window's left edge: the bar stops at 500, and so
    // does the splitter.
    int a = DragBarLeft(-200, kWidth);
    EXPECT_EQ(a, 500);
    int b = 6000;
    ClampSplitters(a, b, 2000, 6000, kWidth);
    EXPECT_EQ(a, 500);
    EXPECT_EQ(b, 6000);

    // Dragged beyond the right splitter: the bar follows up to the
    // window's edge less 500, the splitter lands 500 left of the right one.
    a = DragBarLeft(8900, kWidth);
    EXPECT_EQ(a, 8500);
    b = 6000;
    ClampSplitters(a, b, 2000, 6000, kWidth);
    EXPECT_EQ(a, 5500);
    EXPECT_EQ(b, 6000);

    // The right splitter dragged left of the left one lands 1000 right of
    // it; this last clamp wins over the others.
    a = 2000;
    b = DragBarLeft(800, kWidth);
    ClampSplitters(a, b, 2000, 6000, kWidth);
    EXPECT_EQ(a, 2000);
    EXPECT_EQ(b, 3000);

    a = 8000;
    b = 9000;
    ClampSplitters(a, b, 8000, 8200, 8600);
    EXPECT_EQ(a, 7700);
    EXPECT_EQ(b, 9000) << "1000 right of the previous left splitter, past the edge clamp";
}

TEST(ChartLayout, ArrangementPutsTheSplittersAtQuarters) {
    const SplitterPair s = ArrangedSplitters(8000);
    EXPECT_EQ(s.Left, 2000);
    EXPECT_EQ(s.Right, 6000);
    // Then the clamps apply against where the splitters stood.
    int a = s.Left;
    int b = s.Right;
    ClampSplitters(a, b, 3000, 3500, 8030);
    EXPECT_EQ(a, 2000);
    EXPECT_EQ(b, 6000);
    a = s.Left;
    b = s.Right;
    ClampSplitters(a, b, 500, 1800, 8030);
    EXPECT_EQ(a, 1300) << "500 left of where the right splitter stood";
}

TEST(ChartLayout, PanesFollowTheSplitters) {
    WindowMetrics w;
    w.OuterWidth = 9000;
    w.ScaleWidth = 8970;
    w.ScaleHeight = 6000;
    w.ToolbarHeight = 420;
    w.DeviceHeight = 300;
    w.StatusHeight = 330;
    w.Status2Height = 330;
    w.FrameInfoHeight = 495;
    const PaneLayout l = SizeControls(w, 2000, 6000, 2000, 6000);
    const int top = 420 + 300 + 40;
    const int height = 6000 - 300 - 420 - 660 - 495 - 20;
    EXPECT_EQ(l.CommentsL, (PaneRect{0, top, 2000, height}));
    EXPECT_EQ(l.CommentsR, (PaneRect{6040, top, 8970 - 6040, height}));
    EXPECT_EQ(l.Chart, (PaneRect{2040, top, 8970 - 2000 - 2930 - 80, height}));
    EXPECT_EQ(l.Splitter[0], (PaneRect{2000, top, 300, height}));
    EXPECT_EQ(l.Splitter[1], (PaneRect{6000, top, 300, height}));
    // The left device box reaches to the middle of the chart.
    EXPECT_EQ(l.Device[0], (PaneRect{0, 420, (3960 - 40) / 2 + 2040, 300}));
    EXPECT_EQ(l.Device[1].left, l.Device[0].width + 40);
    EXPECT_EQ(l.Device[1].left + l.Device[1].width, 8970);
    EXPECT_EQ(l.FrameInfo, (PaneRect{0, 6000 - 660 - 495, 8970, 495}));
    EXPECT_EQ(l.StatusBar2, (PaneRect{0, 6000 - 330 - 330, 8970, 330}));

    const PaneLayout pushed = SizeControls(w, 100, 8900, 2000, 6000);
    EXPECT_EQ(pushed.A, 500);
    EXPECT_EQ(pushed.B, 8500);
    EXPECT_EQ(pushed.CommentsL.width, 500) << "the left column is 500 wide at the edge";
}

TEST(ChartLayout, SizeSettingSetsLinesInsetAndGap) {
    EXPECT_EQ(LineWidth(ChartSize::Large), 10);
    EXPECT_EQ(LineWidth(ChartSize::Medium), 5);
    EXPECT_EQ(LineWidth(ChartSize::Small), 1);
    EXPECT_EQ(ArrowInset(10), 50);
    EXPECT_EQ(ArrowInset(5), 10);
    EXPECT_EQ(ArrowInset(1), 0);
    EXPECT_EQ(ArrowInset(3), 0);
    EXPECT_EQ(CommentGap(ChartSize::Large), 250);
    EXPECT_EQ(CommentGap(ChartSize::Medium), 240);
    EXPECT_EQ(CommentGap(ChartSize::Small), 200);
}

TEST(ChartLayout, RowCaptionAndArrow) {
    // A large right arrow starts 50 short of the row's right end.
    const RowGeometry right = RowPlace(6000, 1000, 1, ArrowInset(10));
    EXPECT_EQ(right.ArrowX1, 5950);
    EXPECT_EQ(right.ArrowX2, 5650);
    EXPECT_EQ(right.CaptionLeft, 2500);
    EXPECT_FALSE(right.CaptionClipped);

    const RowGeometry left = RowPlace(6000, 1000, 2, 0);
    EXPECT_EQ(left.ArrowX1, 0);
    EXPECT_EQ(left.ArrowX2, 300);

    const RowGeometry none = RowPlace(6000, 1000, 0, 0);
    EXPECT_EQ(none.ArrowX1, none.ArrowX2) << "no arrow head";
    EXPECT_EQ(none.ArrowX1, 6000);

    // A caption that would run under the mark image starts right of it.
    const RowGeometry wide = RowPlace(6000, 5500, 1, 0);
    EXPECT_TRUE(wide.CaptionClipped);
    EXPECT_EQ(wide.CaptionLeft, 495);
    EXPECT_EQ(wide.CaptionWidth, 6000 - 750);
}

// Every character four units wide but the ideographic ones, eight.
int Measured(std::u16string_view text, size_t n) {
    int w = 0;
    for (size_t i = 0; i < n; ++i) w += text[i] >= 0x3000 ? 8 : 4;
    return w;
}

size_t Fit(std::u16string_view text, int width) {
    return CaptionFitLength(text, width, [text](size_t n) { return Measured(text, n); });
}

TEST(ChartLayout, ACaptionTooWideShowsItsStartInWholeBytesOrWords) {
    const std::u16string hex = u"10 FE FD FC FB";
    EXPECT_EQ(Fit(hex, 1000), hex.size()) << "a caption that fits shows whole";
    EXPECT_EQ(Fit(hex, 4 * 14), hex.size());
    // Room for 10 characters: "10 FE FD F" would end in half a byte.
    EXPECT_EQ(hex.substr(0, Fit(hex, 40)), u"10 FE FD");
    EXPECT_EQ(hex.substr(0, Fit(hex, 4 * 8)), u"10 FE FD") << "a byte that just fits stays";
    EXPECT_EQ(hex.substr(0, Fit(hex, 4 * 7)), u"10 FE") << "the blank before the cut goes";
    EXPECT_EQ(hex.substr(0, Fit(hex, 4 * 2)), u"10");
    EXPECT_EQ(Fit(hex, 4), 1u) << "not even one byte: whole characters";
    EXPECT_EQ(Fit(hex, 3), 0u);
    EXPECT_EQ(Fit(hex, -5), 0u);

    // A name without blanks is cut after its last whole character.
    const std::u16string name = u"応答コマンド";
    EXPECT_EQ(Fit(name, 8 * 3 + 7), 3u);
    // Several blanks together make one cut.
    const std::u16string spaced = u"AB   CD EF";
    EXPECT_EQ(spaced.substr(0, Fit(spaced, 4 * 9)), u"AB   CD");
    EXPECT_EQ(spaced.substr(0, Fit(spaced, 4 * 5)), u"AB");
    // A character outside the basic plane is never split.
    const std::u16string wide = u"\U0001F600\U0001F600";
    EXPECT_EQ(CaptionFitLength(wide, 5, [](size_t n) { return static_cast<int>(n) * 2; }), 2u);
    EXPECT_EQ(CaptionFitLength(wide, 3, [](size_t n) { return static_cast<int>(n) * 2; }), 0u);
}

}  // namespace
}  // namespace analyser
