#include "GotoRange.h"

#include <gtest/gtest.h>

#include "ViewerTestHistory.h"

namespace viewer::test {
namespace {

TEST(Goto, LimitsFollowTheLineModeAndTypedNumbersAreClamped) {
    store::clsCommon doc;
    for (int i = 0; i < 10; ++i) Add(doc, kSd, 'a');
    for (int i = 0; i < 3; ++i) Add(doc, kRd, 'b');
    ViewerState st = Loaded(doc, kLineSd, 4, 1);
    st.Scroll.Value = 1;
    const GotoLimits lim = GotoLoad(st, doc);
    EXPECT_EQ(lim.Min, 1);
    EXPECT_EQ(lim.Max, 3) << "ten SD characters on lines of four";
    EXPECT_EQ(lim.Value, 2) << "the top line, from 1";
    EXPECT_EQ(GotoAccept("2", lim), 1);
    EXPECT_EQ(GotoAccept("0", lim), 0) << "raised to the first line";
    EXPECT_EQ(GotoAccept("-5", lim), 0);
    EXPECT_EQ(GotoAccept("99", lim), 2) << "lowered to the last line";
    EXPECT_EQ(GotoAccept("x1", lim), 1) << "not a number: the up-down's value";
    EXPECT_EQ(GotoAccept("", lim), 1);
    st.DspLine = kLineRd;
    EXPECT_EQ(GotoLoad(st, doc).Max, 1);
}

class DateRange : public ::testing::Test {
protected:
    // Records at 0, 0, 10, 20 and 20 seconds.
    void SetUp() override {
        for (int s : {0, 0, 10, 20, 20}) Add(doc, kSd, 'a', 0, s);
    }
    store::clsCommon doc;
};

TEST_F(DateRange, DefaultsAreTheFirstAndLastStampOrTheMonitoringTimes) {
    EXPECT_EQ(RangeDefaults(doc), std::make_pair(At(0), At(20)));
    store::clsCommon empty;
    empty.MonitorStart(At(5));
    empty.MonitorStop(At(7));
    EXPECT_EQ(RangeDefaults(empty), std::make_pair(At(5), At(7)));
}

TEST_F(DateRange, TheWholeSpanMarksEveryRecordAndAGapMarksTheRecordAfterIt) {
    EXPECT_EQ(RangeMarks(doc, At(0), At(20)), std::make_pair(0, 4));
    EXPECT_EQ(RangeMarks(doc, At(3), At(7)), std::make_pair(2, 2))
        << "no record inside: both marks on the first record after the start";
    EXPECT_EQ(RangeMarks(doc, At(10), At(19)), std::make_pair(2, 2));
    EXPECT_EQ(RangeMarks(doc, At(1), At(20)), std::make_pair(2, 4));
}

TEST_F(DateRange, OutOfOrderTimesAreRefused) {
    EXPECT_EQ(RangeCheck(At(0), At(20), At(0), At(20)), RangeRefusal::None);
    EXPECT_EQ(RangeCheck(At(0), At(20), At(-1), At(20)), RangeRefusal::StartBeforeHistory);
    EXPECT_EQ(RangeCheck(At(0), At(20), At(0), At(21)), RangeRefusal::EndAfterHistory);
    EXPECT_EQ(RangeCheck(At(0), At(20), At(15), At(14)), RangeRefusal::StartAfterEnd);
}

}  // namespace
}  // namespace viewer::test
