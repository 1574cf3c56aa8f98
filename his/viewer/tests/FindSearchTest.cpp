#include "FindSearch.h"

#include <gtest/gtest.h>

#include "ViewerTestHistory.h"

namespace viewer::test {
namespace {

constexpr uint8_t kParity = 0x10;
constexpr uint8_t kFraming = 0x40;

// Four characters a line, three lines a page.
class Search : public ::testing::Test {
protected:
    store::clsCommon doc;
    ViewerState st;

    void Show(int16_t mode) { st = Loaded(doc, mode, 4, 3); }
    void Pattern(std::string bytes, std::string kinds = {}) {
        st.FindPattern = std::move(bytes);
        st.FindKinds = kinds.empty() ? std::string(st.FindPattern.size(), '0') : std::move(kinds);
    }
    FindSearch At(GridCell cursor, bool downward = true, int16_t line = kFindSd) {
        return FindSearch(st, doc, FindRequest{line, downward}, cursor);
    }
    static GridCell Cell(const FindResult& r) { return r.Nav.Cursor.value_or(GridCell{-1, -1}); }
};

TEST_F(Search, DownwardSkipsTheCursorsOwnCharacter) {
    AddAll(doc, kSd, {'A', 'B', 'A', 'B', 'A'});
    Show(kLineSd);
    Pattern("AB");
    const FindResult r = At({1, 3}).StrFindNext();
    ASSERT_TRUE(r.Hit);
    EXPECT_EQ(Cell(r), (GridCell{1, 5})) << "the hit at the cursor is passed over";
    EXPECT_TRUE(r.Nav.Message.empty());
    const FindResult none = At({1, 5}).StrFindNext();
    EXPECT_FALSE(none.Hit);
    EXPECT_EQ(none.Nav.Message, kMsgNoString);
    EXPECT_EQ(none.Nav.Icon, kIconInformation);
    EXPECT_FALSE(none.Beep) << "there were characters after the cursor";
    const FindResult end = At({2, 3}).StrFindNext();
    EXPECT_TRUE(end.Beep) << "nothing after the line's last character";
    EXPECT_EQ(end.Nav.Message, kMsgNoString);
}

TEST_F(Search, UpwardFromTheEndFindsAHitOnTheLastCharacter) {
    AddAll(doc, kSd, {'A', 'B', 'A', 'B', 'A'});
    Show(kLineSd);
    Pattern("A");
    int32_t total = 0, sd = 0, rd = 0;
    doc.IsCounterInf(total, sd, rd);
    const FindResult up = At({1, 3}, false).StrFind(1, sd);
    EXPECT_EQ(Cell(up), (GridCell{2, 3}));
    const FindResult down = At({2, 3}, true).StrFind(1, sd);
    EXPECT_EQ(Cell(down), (GridCell{1, 3})) << "downward from the start takes the first";
}

TEST_F(Search, UpwardBeginsBeforeTheCursorAndNeverSeesOverlappingHits) {
    AddAll(doc, kSd, {0x41, 0x41, 0x41, 0x42});
    Show(kLineSd);
    Pattern("AA");
    EXPECT_EQ(Cell(At({1, 3}, false).StrFind(1, 4)), (GridCell{1, 3})) << "41 41 in 41 41 41 is at 1";
    Pattern("A");
    EXPECT_EQ(Cell(At({1, 6}, false).StrFindPrev()), (GridCell{1, 5}))
        << "from the fourth character the first candidate is the third";
    const FindResult first = At({1, 3}, false).StrFindPrev();
    EXPECT_TRUE(first.Beep) << "nothing before the line's first character";
}

TEST_F(Search, AnyBytePositionsMatchEveryByte) {
    AddAll(doc, kSd, {0x41, 0x00, 0x43, 0x41, 0xFF, 0x43, 0x41, 0x43});
    Show(kLineSd);
    Pattern("A?C", "010");
    EXPECT_EQ(Cell(At({1, 3}).StrFind(1, 8)), (GridCell{1, 3}));
    EXPECT_EQ(Cell(At({1, 3}).StrFindNext()), (GridCell{1, 6}));
    EXPECT_FALSE(At({1, 6}).StrFindNext().Hit) << "41 43 is one byte short";
}

TEST_F(Search, AHitOnTheLastPageScrollsToTheMaximum) {
    for (int i = 0; i < 40; ++i) Add(doc, kSd, static_cast<uint8_t>(i == 39 ? 'Z' : 'a'));
    Show(kLineSd);
    Pattern("Z");
    const FindResult r = At({1, 3}).StrFind(1, 40);
    EXPECT_TRUE(r.Nav.PageChanged);
    EXPECT_EQ(st.Scroll.Value, st.Scroll.Max);
    EXPECT_EQ(Cell(r), (GridCell{3, 6}));
}

// Positions: 0 SD 'A', 1 SD 'B', 2 RD 'x', 3 SD 'A', 4 SD 'B'.
class DualSearch : public Search {
protected:
    void SetUp() override {
        AddAll(doc, kSd, {'A', 'B'});
        Add(doc, kRd, 'x');
        AddAll(doc, kSd, {'A', 'B'});
        Show(kLineDual);
    }
    static constexpr GridCell kOnRd{2, 5};
    static constexpr GridCell kEmptyCell{5, 4};
};

TEST_F(DualSearch, FromAnRdRecordTheSdSearchesStartAroundIt) {
    EXPECT_EQ(At(kOnRd).CursorRecordGet(), 2);
    Pattern("AB");
    EXPECT_EQ(Cell(At(kOnRd).StrFindNext()), (GridCell{1, 6})) << "the first SD character after it";
    Pattern("A");
    EXPECT_EQ(Cell(At(kOnRd, false).StrFindPrev()), (GridCell{1, 3}));
    Pattern("B");
    const FindResult r = At(kOnRd, false).StrFindPrev();
    EXPECT_FALSE(r.Hit) << "the SD character before the record is the cursor's own";
    EXPECT_FALSE(r.Beep);
}

TEST_F(DualSearch, OnACellWithoutARecordOnlyTheNextErrorSearchRuns) {
    EXPECT_EQ(At(kEmptyCell).CursorRecordGet(), -1);
    Pattern("A");
    EXPECT_TRUE(At(kEmptyCell).StrFindNext().Beep);
    EXPECT_TRUE(At(kEmptyCell, false).StrFindPrev().Beep);
    const ErrConditions any{true, true, true, false};
    EXPECT_TRUE(At(kEmptyCell, false).ErrFindPrev(any).Beep);
    const FindResult next = At(kEmptyCell).ErrFindNext(any);
    EXPECT_FALSE(next.Beep) << "it starts at record 0";
    EXPECT_EQ(next.Nav.Message, kMsgNoErrCond);
}

TEST_F(Search, ErrorConditionsJoinByAndOrOrOnOneLineOnly) {
    Add(doc, kSd, 'a', kParity);
    Add(doc, kRd, 'b', kParity | kFraming);
    Add(doc, kSd, 'c', kParity | kFraming);
    Show(kLineDual);
    const FindSearch sd = At({1, 3});
    EXPECT_EQ(sd.ErrCondMatch({true, false, true, true}, 0), 2) << "AND: parity alone is not enough";
    EXPECT_EQ(sd.ErrCondMatch({true, false, true, false}, 0), 0) << "OR: parity alone is";
    EXPECT_EQ(At({1, 3}, true, kFindRd).ErrCondMatch({true, false, true, true}, 0), 1);
    EXPECT_EQ(sd.ErrCondMatch({false, true, false, false}, 0), std::nullopt);
}

TEST_F(Search, ErrorSearchesGoAfterOrBeforeTheCursorsRecord) {
    for (int i = 0; i < 6; ++i) Add(doc, kSd, 'a', i % 2 == 0 ? kParity : 0);
    Show(kLineSd);
    const ErrConditions parity{true, false, false, false};
    EXPECT_EQ(Cell(At({1, 3}).ErrFindNext(parity)), (GridCell{1, 5}));
    EXPECT_EQ(Cell(At({2, 3}, false).ErrFindPrev(parity)), (GridCell{1, 5}))
        << "the last match before the cursor's record";
    EXPECT_EQ(Cell(At({1, 3}, false).ErrFind(parity, 0, doc.RecordCount())), (GridCell{2, 3}));
    EXPECT_TRUE(At({2, 4}).ErrFindNext(parity).Beep) << "no record after the last";
}

}  // namespace
}  // namespace viewer::test
