#include <gtest/gtest.h>

#include "Navigation.h"
#include "ViewerTestHistory.h"

namespace viewer {
namespace {

using namespace viewer::test;

// 100 alternating SD and RD characters: 100 DUAL positions, 25 lines of 4.
store::clsCommon Alternating() {
    store::clsCommon doc;
    for (int i = 0; i < 100; ++i) Add(doc, i % 2 ? kRd : kSd, static_cast<uint8_t>(i), 0, i);
    return doc;
}

TEST(PagingKeys, PageDownAndUpStopAtTheEndsAndArrowsScrollAtThePageEdges) {
    store::clsCommon doc = Alternating();
    ViewerState st = Loaded(doc, kLineDual, 4, 3);
    ASSERT_EQ(st.Scroll.Max, 22);
    EXPECT_TRUE(KeyDown(st, doc, kKeyPageDown, 1).PageChanged);
    EXPECT_EQ(st.Scroll.Value, 3);
    EXPECT_EQ(st.TopRecord, 12);
    st.Scroll.Value = 21;
    KeyDown(st, doc, kKeyPageDown, 1);
    EXPECT_EQ(st.Scroll.Value, 22);
    EXPECT_FALSE(KeyDown(st, doc, kKeyPageDown, 1).PageChanged) << "the last page stays";
    KeyDown(st, doc, kKeyDown, st.PageLastRow);
    EXPECT_EQ(st.Scroll.Value, 22);

    ScrollChange(st, doc, 2);
    KeyDown(st, doc, kKeyPageUp, 1);
    EXPECT_EQ(st.Scroll.Value, 0);
    KeyDown(st, doc, kKeyUp, 1);
    EXPECT_EQ(st.Scroll.Value, 0);
    KeyDown(st, doc, kKeyDown, st.PageLastRow - 1);
    EXPECT_EQ(st.Scroll.Value, 0) << "only the last row scrolls";
    KeyDown(st, doc, kKeyDown, st.PageLastRow);
    EXPECT_EQ(st.Scroll.Value, 1);
    KeyDown(st, doc, kKeyUp, 1);
    EXPECT_EQ(st.Scroll.Value, 0);

    st.FileLoaded = false;
    EXPECT_FALSE(KeyDown(st, doc, kKeyPageDown, 1).PageChanged);
}

TEST(RowSkipping, DualSkipsSpacerAndHiddenRows) {
    store::clsCommon doc = Alternating();
    ViewerState st = Loaded(doc, kLineDual, 4, 3);  // PageLastRow 10
    EXPECT_EQ(RowSkip(st, 2, 3), 5) << "R row down to the next S row";
    EXPECT_EQ(RowSkip(st, 10, 11), 10) << "the last R row stays";
    EXPECT_EQ(RowSkip(st, 5, 4), std::nullopt) << "up from S lands on the hidden row";
    EXPECT_EQ(RowSkip(st, 4, 3), 2) << "and the next Up on the R row";
    EXPECT_EQ(RowSkip(st, 10, 12), 10);
    st.DspLine = kLineSd;
    EXPECT_EQ(RowSkip(st, 2, 3), std::nullopt);
}

TEST(Commands, TopBottomAndGotoLandWhereTheyShould) {
    store::clsCommon doc = Alternating();
    ViewerState st = Loaded(doc, kLineDual, 4, 3);
    NavResult bottom = mnuBottom_Click(st, doc);
    EXPECT_EQ(st.Scroll.Value, 22);
    EXPECT_EQ(bottom.Cursor, (GridCell{10, 6})) << "record 99: RD, last line, last column";
    NavResult top = mnuTop_Click(st, doc);
    EXPECT_EQ(st.Scroll.Value, 0);
    EXPECT_EQ(top.Cursor, (GridCell{1, 3}));

    st.GotoLine = 24;
    NavResult go = mnuLineNo_Click(st, doc);
    EXPECT_EQ(st.Scroll.Value, 22) << "beyond the last page shows the last page";
    EXPECT_EQ(go.Cursor, (GridCell{9, 3}));
    st.GotoLine = -1;
    EXPECT_FALSE(mnuLineNo_Click(st, doc).Cursor.has_value());

    ViewerState sd = Loaded(doc, kLineSd, 4, 3);
    NavResult sdBottom = mnuBottom_Click(sd, doc);
    EXPECT_EQ(sd.Scroll.Value, 10);
    EXPECT_EQ(sdBottom.Cursor, (GridCell{3, 4})) << "SD character 50 at position 49";
}

TEST(Marks, SetInOrderRefuseOutOfOrderAndJump) {
    store::clsCommon doc = Alternating();
    ViewerState st = Loaded(doc, kLineDual, 4, 3);
    EXPECT_EQ(MarkJump(st, doc, Mark::Begin).Message, kMsgNoMark);

    NavResult end = MarkSet(st, Mark::End, GridCell{2, 4}, true);  // position 1, RD: record 1
    EXPECT_EQ(st.MarkEnd, 1) << "END before any BEGIN succeeds";
    EXPECT_FALSE(end.EnableRangeSave);
    EXPECT_TRUE(end.Redraw);

    NavResult bad = MarkSet(st, Mark::Begin, GridCell{5, 3}, true);  // record 8
    EXPECT_EQ(bad.Message, kMsgMarkOrder);
    EXPECT_EQ(bad.Icon, kIconExclamation);
    EXPECT_EQ(st.MarkBegin, -1);

    st.DspCur = kBaseBegin;
    NavResult same = MarkSet(st, Mark::Begin, GridCell{2, 4}, true);
    EXPECT_EQ(st.MarkBegin, 1) << "both marks may share a record";
    EXPECT_TRUE(same.EnableRangeSave);
    EXPECT_EQ(st.TimeBaseRecord, 1);

    EXPECT_FALSE(MarkSet(st, Mark::End, GridCell{1, 2}, true).Redraw) << "label column";
    EXPECT_FALSE(MarkSet(st, Mark::End, GridCell{1, 3}, false).Redraw) << "empty cell";

    st.MarkEnd = 90;
    NavResult jump = MarkJump(st, doc, Mark::End);
    EXPECT_EQ(st.Scroll.Value, 22);
    EXPECT_EQ(jump.Cursor, (GridCell{1, 5})) << "position 90 opens the last page";
    EXPECT_TRUE(jump.TimePanels);

    EXPECT_EQ(mnuRightTrigJump_Click(st, doc).Message, kMsgNoTrigger);
    EXPECT_EQ(mnuRightTrigJump_Click(st, doc).Icon, kIconInformation);
}

}  // namespace
}  // namespace viewer
