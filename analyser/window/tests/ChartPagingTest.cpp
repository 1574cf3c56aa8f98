#include <gtest/gtest.h>

#include <map>

#include "ChartPaging.h"
#include "RowNumberInput.h"

namespace analyser {
namespace {

// One-line captions and comments of 180 twips: a row is 380 twips from
// box top to box top and its box 480 high. A chart 5000 high (5030 with
// its border) holds rows 0 to 11 fully and row 12 in part.
constexpr int kLine = 180;
constexpr int kScaleHeight = 5000;
constexpr int kHeight = 5030;

struct Chart {
    ChartPaging paging;
    std::map<int32_t, int> commentLines;  // rows with longer left comments
    int measured = 0;

    explicit Chart(int32_t rows, bool open = true) {
        paging.SetMeasure([this](int32_t row) {
            ++measured;
            const auto it = commentLines.find(row);
            const int lines = it == commentLines.end() ? 1 : it->second;
            return SlotHeights{kLine, lines * kLine, kLine};
        });
        paging.SetViewport(kScaleHeight, kHeight);
        paging.SetCommentGap(200);
        paging.SetRows(rows, rows);
        paging.SetFileOpen(open);
        paging.CurrentFrameChange(0);
    }
    int32_t Top() const { return paging.SlotRow(0); }
    int32_t Current() const { return paging.CurrentRow(); }
};

TEST(ChartPaging, SlotsStackBelowTheTallerComment) {
    std::array<SlotHeights, kChartSlots> h{};
    h.fill(SlotHeights{kLine, kLine, kLine});
    h[1].CommentR = 3 * kLine;
    h[2].CommentL = 2 * kLine;
    const SlotPlaces p = LayOutSlots(h, 240);
    EXPECT_EQ(p[0].BoxTop, 200);
    EXPECT_EQ(p[0].BoxHeight, kLine + 300);
    EXPECT_EQ(p[0].LineY(), kLine + 30);
    EXPECT_EQ(p[0].CommentTop, 440);
    EXPECT_EQ(p[1].BoxTop, 440 + kLine);
    EXPECT_EQ(p[1].CommentTop, 440 + kLine + 240);
    EXPECT_EQ(p[2].BoxTop, p[1].CommentTop + 3 * kLine) << "the right comment is the taller";
    EXPECT_EQ(p[3].BoxTop, p[2].CommentTop + 2 * kLine);
}

TEST(ChartPaging, EmptyAndClosedCharts) {
    Chart none(0);
    const ChartChange c = none.paging.CurrentFrameChange(5);
    EXPECT_TRUE(c.CloseState) << "no frames: the window closes";
    EXPECT_TRUE(c.Empty);
    EXPECT_FALSE(c.Moved);
    EXPECT_FALSE(none.paging.FileOpen());
    EXPECT_EQ(none.paging.Shown(), 0);
    EXPECT_EQ(none.paging.CurrentRow(), 0);
    EXPECT_TRUE(none.paging.Next().Empty);

    Chart filteredOut(0);
    filteredOut.paging.SetRows(10, 0);
    filteredOut.paging.SetFileOpen(true);
    const ChartChange f = filteredOut.paging.NextPage();
    EXPECT_FALSE(f.CloseState) << "frames but no rows: the file stays open";
    EXPECT_TRUE(f.Empty);

    Chart closed(50, false);
    const ChartChange n = closed.paging.CurrentFrameChange(10);
    EXPECT_FALSE(n.Moved || n.Empty || n.CloseState);
    EXPECT_FALSE(closed.paging.Next().Moved);
}

TEST(ChartPaging, RowsAreClampedAndRowZeroRedraws) {
    Chart chart(100);
    EXPECT_EQ(chart.paging.Shown(), 40);
    EXPECT_EQ(chart.paging.FullyVisibleCount(), 12);
    const ChartChange low = chart.paging.CurrentFrameChange(-7);
    EXPECT_TRUE(low.Moved);
    EXPECT_EQ(low.Row, 0);
    const ChartChange high = chart.paging.CurrentFrameChange(1000000000000LL);
    EXPECT_EQ(high.Row, 99);
    EXPECT_EQ(chart.Top(), 99) << "a row off the page becomes the top row";

    chart.paging.CurrentFrameChange(0);
    const int before = chart.measured;
    chart.paging.CurrentFrameChange(0);
    EXPECT_GT(chart.measured, before) << "row 0 always redraws the first page";
}

TEST(ChartPaging, VisibleRowsOnlyMoveTheHighlight) {
    Chart chart(100);
    chart.paging.CurrentFrameChange(11);
    EXPECT_EQ(chart.Top(), 0);
    EXPECT_EQ(chart.paging.CurrentSlot(), 11);
    // Row 12 stands in the partly hidden slot: the page moves to it.
    chart.paging.CurrentFrameChange(12);
    EXPECT_EQ(chart.Top(), 12);
    EXPECT_EQ(chart.paging.CurrentSlot(), 0);
}

TEST(ChartPaging, PageDownAndUpMoveByTheRowsThatFit) {
    Chart chart(1000);
    chart.paging.CurrentFrameChange(100);
    ASSERT_EQ(chart.Top(), 100);
    EXPECT_EQ(chart.paging.PageStep(false), 12);
    const ChartChange down = chart.paging.NextPage();
    EXPECT_EQ(down.Row, 113);
    EXPECT_EQ(chart.Top(), 113);

    chart.paging.CurrentFrameChange(100);
    const ChartChange up = chart.paging.BeforePage();
    EXPECT_EQ(up.Row, 87);
    EXPECT_EQ(chart.Top(), 87);

    chart.paging.CurrentFrameChange(5);
    EXPECT_EQ(chart.paging.BeforePage().Row, 0);
    EXPECT_EQ(chart.Top(), 0);

    // A box that ends exactly at the chart's bottom counts for ">>" only.
    Chart exact(1000);
    exact.paging.SetViewport(kScaleHeight, 200 + 11 * 380 + 480);
    EXPECT_EQ(exact.paging.PageStep(false), 11);
    EXPECT_EQ(exact.paging.PageStep(true), 12);
}

TEST(ChartPaging, DownScrollsOneRowAtTheBottomAndStopsAtTheLast) {
    Chart chart(30);
    chart.paging.CurrentFrameChange(11);
    const ChartChange d = chart.paging.Next();
    EXPECT_EQ(d.Row, 12);
    EXPECT_EQ(chart.Top(), 1) << "scrolled by one row";
    EXPECT_EQ(chart.paging.CurrentSlot(), 11);

    chart.paging.CurrentFrameChange(20);
    chart.paging.NextEnd();
    EXPECT_EQ(chart.Current(), 29);
    const int32_t topAtEnd = chart.Top();
    ASSERT_EQ(topAtEnd, 20) << "the last row was on the page";
    for (int press = 1; press <= 30; ++press) {
        EXPECT_EQ(chart.paging.Next().Row, 29);
        EXPECT_EQ(chart.Top(), std::min<int32_t>(topAtEnd + press, 29));
    }

    Chart first(30);
    EXPECT_EQ(first.paging.Before().Row, 0);
    EXPECT_EQ(first.Top(), 0);
}

TEST(ChartPaging, ShortLastPageKeepsThePageSize) {
    Chart chart(103);
    chart.paging.CurrentFrameChange(100);
    EXPECT_EQ(chart.paging.Shown(), 3);
    EXPECT_EQ(chart.paging.PageStep(true), 12);
    EXPECT_EQ(chart.paging.BeforePage().Row, 87);
}

TEST(ChartPaging, LongerCommentsPushTheFollowingRowsDown) {
    Chart chart(100);
    chart.commentLines[3] = 2;
    chart.paging.PageDraw(0);
    EXPECT_EQ(chart.paging.Place(3).BoxTop, 200 + 3 * 380);
    EXPECT_EQ(chart.paging.Place(4).BoxTop, 200 + 4 * 380 + kLine);
    EXPECT_EQ(chart.paging.Place(39).BoxTop, 200 + 39 * 380 + kLine);
    EXPECT_EQ(chart.paging.FullyVisibleCount(), 12);
}

TEST(ChartPaging, HitsLandOnTheLaterOfTwoOverlappingBoxes) {
    Chart chart(5);
    EXPECT_EQ(chart.paging.SlotAt(199), -1);
    EXPECT_EQ(chart.paging.SlotAt(200), 0);
    EXPECT_EQ(chart.paging.SlotAt(200 + 380 + 50), 1) << "box 0 reaches into box 1";
    EXPECT_EQ(chart.paging.SlotAt(200 + 4 * 380 + 479), 4);
    EXPECT_EQ(chart.paging.SlotAt(200 + 4 * 380 + 480), -1) << "nothing below the last row";
}

TEST(ChartPaging, KeysAndTheFrameNumberBox) {
    Chart chart(100);
    KeyCommand command{};
    EXPECT_EQ(chart.paging.Key(kKeyEnd, command).Row, 99);
    EXPECT_EQ(command, KeyCommand::Move);
    EXPECT_EQ(chart.paging.Key(kKeyHome, command).Row, 0);
    EXPECT_EQ(chart.paging.Key(kKeyDown, command).Row, 1);
    EXPECT_EQ(chart.paging.Key(kKeyUp, command).Row, 0);
    EXPECT_EQ(chart.paging.Key(kKeyPageDown, command).Row, 13);
    EXPECT_EQ(chart.paging.Key(kKeyPageUp, command).Row, 0);
    EXPECT_FALSE(chart.paging.Key(kKeyLeft, command).Moved);
    EXPECT_EQ(command, KeyCommand::CommentL);
    chart.paging.Key(kKeyRight, command);
    EXPECT_EQ(command, KeyCommand::CommentR);
    chart.paging.Key(kKeyEnter, command);
    EXPECT_EQ(command, KeyCommand::Detail);
    chart.paging.Key(kKeyApps, command);
    EXPECT_EQ(command, KeyCommand::ShortPopup);
    chart.paging.Key('A', command);
    EXPECT_EQ(command, KeyCommand::None);
    Chart closed(10, false);
    closed.paging.Key(kKeyEnter, command);
    EXPECT_EQ(command, KeyCommand::None) << "no detail window without a file";

    // Typed "25" selects row 24; "9999" the last row.
    EXPECT_EQ(chart.paging.CurrentFrameChange(int64_t{*RowBoxNumber("25")} - 1).Row, 24);
    EXPECT_EQ(chart.paging.CurrentFrameChange(int64_t{*RowBoxNumber("9999")} - 1).Row, 99);
}

}  // namespace
}  // namespace analyser
