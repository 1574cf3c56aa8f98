#include <gtest/gtest.h>

#include "GridSetup.h"
#include "ViewerTestHistory.h"

namespace viewer {
namespace {

using namespace viewer::test;

store::clsCommon SdHistory(int n) {
    store::clsCommon doc;
    for (int i = 0; i < n; ++i) Add(doc, kSd, static_cast<uint8_t>('A' + i % 26));
    return doc;
}

TEST(GridLayoutGeometry, WidthAndHeightGiveCharactersLinesAndRows) {
    store::clsCommon doc = SdHistory(3);
    ViewerState st;
    HistoryAttach(st, doc);
    GridLayoutResult dual = GridLayout(st, doc, 12000, 240 + 600 * 5 + 599, 255);
    EXPECT_EQ(st.CharsPerLine, 17);
    EXPECT_EQ(st.GridCols, 21);
    EXPECT_EQ(st.TextCol, 20);
    EXPECT_EQ(st.LinesPerPage, 5);
    EXPECT_EQ(st.PageLastRow, 18);
    ASSERT_EQ(dual.RowHeights.size(), 21u);
    EXPECT_EQ(dual.RowHeights[1], 240);
    EXPECT_EQ(dual.RowHeights[3], 120);
    EXPECT_EQ(dual.RowHeights[4], 0);
    ASSERT_EQ(dual.ColWidths.size(), 21u);
    EXPECT_EQ(dual.ColWidths[20], 12000 - 1000 - 400 * 17 - 255 - 80);

    st.DspLine = kLineSd;
    GridLayoutResult sd = GridLayout(st, doc, 12000, 240 + 240 * 7, 255);
    EXPECT_EQ(st.LinesPerPage, 7);
    EXPECT_EQ(st.PageLastRow, 7);
    EXPECT_EQ(sd.RowHeights.size(), 8u);
}

TEST(ScrollRange, OnePageDisablesAndExactlyAFullPageEnablesInSdMode) {
    store::clsCommon doc = SdHistory(12);
    ViewerState dual = Loaded(doc, kLineDual, 4, 3);
    EXPECT_FALSE(dual.Scroll.Enabled) << "12 positions fit 4 x 3";
    EXPECT_EQ(dual.Scroll.Max, 0);

    ViewerState sd = Loaded(doc, kLineSd, 4, 3);
    EXPECT_TRUE(sd.Scroll.Enabled);
    EXPECT_EQ(sd.Scroll.Max, 0);

    store::clsCommon longer = SdHistory(30);
    ViewerState st = Loaded(longer, kLineDual, 4, 3);
    EXPECT_TRUE(st.Scroll.Enabled);
    EXPECT_EQ(st.Scroll.Max, 29 / 4 - 2) << "the last page ends on the last line";
    EXPECT_EQ(st.Scroll.LargeChange, 3);
}

TEST(ScrollPosition, TopAndBottomRecordsFollowTheValue) {
    store::clsCommon doc;
    for (int i = 0; i < 40; ++i) Add(doc, i % 2 ? kRd : kSd, static_cast<uint8_t>(i));
    ViewerState sd = Loaded(doc, kLineSd, 4, 2);
    sd.Scroll.Value = 1;
    ScrollPosSet(sd, doc);
    EXPECT_EQ(sd.TopRecord, 8) << "SD character 5 is record 8";
    EXPECT_EQ(sd.BottomRecord, 22) << "SD character 12";
    sd.Scroll.Value = 4;
    ScrollPosSet(sd, doc);
    EXPECT_EQ(sd.TopRecord, 32);
    EXPECT_EQ(sd.BottomRecord, 39) << "past the last SD character: the last record";

    ViewerState dual = Loaded(doc, kLineDual, 4, 2);
    dual.Scroll.Value = 2;
    ScrollPosSet(dual, doc);
    EXPECT_EQ(dual.TopRecord, 8);
    EXPECT_EQ(dual.BottomRecord, 15);
}

TEST(CursorPlacement, DualRdRecordsGoToTheRRowAndSdRowsStopAtThePage) {
    store::clsCommon doc;
    for (int i = 0; i < 20; ++i) Add(doc, i % 2 ? kRd : kSd, static_cast<uint8_t>(i));
    ViewerState dual = Loaded(doc, kLineDual, 4, 3);
    EXPECT_EQ(CursorToRecord(dual, doc, 5), (GridCell{6, 4}));
    EXPECT_EQ(CursorToRecord(dual, doc, 4), (GridCell{5, 3}));
    EXPECT_FALSE(CursorToRecord(dual, doc, 20).has_value());

    ViewerState sd = Loaded(doc, kLineSd, 2, 2);
    EXPECT_EQ(CursorToRecord(sd, doc, 3), (GridCell{2, 4}));
    EXPECT_EQ(CursorToRecord(sd, doc, 9), (GridCell{2, 4})) << "row never below the page's last line";
}

}  // namespace
}  // namespace viewer
