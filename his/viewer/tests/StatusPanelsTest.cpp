#include <gtest/gtest.h>

#include "StatusPanels.h"
#include "ViewerTestHistory.h"

namespace viewer {
namespace {

using namespace viewer::test;

TEST(CharTimeText, EachRangeHasItsFormat) {
    EXPECT_EQ(CharTimeText(0, 5), ".005");
    EXPECT_EQ(CharTimeText(1, 123), "1.23");
    EXPECT_EQ(CharTimeText(2, 7), "0.7");
    EXPECT_EQ(CharTimeText(3, 512), "512");
    EXPECT_EQ(CharTimeText(4, 1023), "10230");
    EXPECT_EQ(CharTimeText(5, 0), "****");
    EXPECT_EQ(CharTimeText(-1, 0), "0");
}

TEST(SecTimeText, NegativeAndBeyondADay) {
    EXPECT_EQ(SecTimeText(-90), "-00:01:30");
    EXPECT_EQ(SecTimeText(25 * 3600), "01:00:00");
    EXPECT_EQ(SecTimeText(0), "00:00:00");
}

TEST(TimePanels, FollowTheCursorRecordAndTheTimeBase) {
    store::clsCommon doc;
    doc.CharTime("1");
    Add(doc, kSd, 'a', 0, 0);
    doc.CharTimeSet(store::CharTimeWord(3, 512));
    Add(doc, kRd, 'b', 0, 90);
    doc.CharTimeSet(store::CharTimeWord(5, 0));
    ViewerState st = Loaded(doc, kLineDual, 4, 2);

    st.TimeBaseRecord = 1;
    PanelUpdate s = TimePanelSet(st, doc, GridCell{1, 3}, true);
    EXPECT_EQ(s.DateTime, "2023/03/15 00:00:00");
    EXPECT_EQ(s.CharTime, "512");
    EXPECT_EQ(s.SecTime, "-00:01:30");
    EXPECT_EQ(s.SecTimeAlign, PanelAlign::Right);

    PanelUpdate r = TimePanelSet(st, doc, GridCell{2, 4}, true);
    EXPECT_EQ(r.CharTime, "****");
    EXPECT_EQ(r.SecTime, "00:00:00");

    st.DspCur = kBaseEnd;
    st.MarkEnd = -1;
    DspCurSet(st);
    PanelUpdate unset = TimePanelSet(st, doc, GridCell{1, 3}, true);
    EXPECT_EQ(unset.SecTime, "-");
    EXPECT_EQ(unset.SecTimeAlign, PanelAlign::Centre);

    PanelUpdate label = TimePanelSet(st, doc, GridCell{1, 2}, true);
    EXPECT_FALSE(label.DateTime || label.CharTime || label.SecTime) << "label column changes nothing";
    EXPECT_FALSE(TimePanelSet(st, doc, GridCell{1, st.TextCol}, true).DateTime.has_value());

    doc.CharTime("0");
    EXPECT_EQ(TimePanelSet(st, doc, GridCell{1, 3}, true).CharTime, "-");
}

TEST(TimePanels, SdModeCountsFromTheTopRecord) {
    store::clsCommon doc;
    for (int i = 0; i < 10; ++i) Add(doc, i % 2 ? kRd : kSd, 'x', 0, i);
    ViewerState st = Loaded(doc, kLineSd, 2, 2);
    st.Scroll.Value = 1;
    ScrollPosSet(st, doc);
    EXPECT_EQ(CellRecord(st, doc, GridCell{2, 3}), 8) << "SD character 3 + 2 = 5";
    EXPECT_EQ(CellRecord(st, doc, GridCell{2, 4}), -1) << "beyond the last SD character";
    st.TimeBaseRecord = 0;
    EXPECT_EQ(TimePanelSet(st, doc, GridCell{2, 3}, true).SecTime, "00:00:08");
}

}  // namespace
}  // namespace viewer
