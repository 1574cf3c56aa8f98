#include <gtest/gtest.h>

#include <vector>

#include "ListingWalker.h"
#include "ReportTestHistory.h"

namespace reports {
namespace {

using test::Add;
using test::kRd;
using test::kSame;
using test::kSd;
using test::Mode;

std::vector<SlotLine> Walk(const store::clsCommon& doc, const ReportOptions& opts,
                           ReportControl* control = nullptr) {
    ListingWalker walker(doc, opts, control);
    std::vector<SlotLine> lines;
    SlotLine line;
    while (walker.Next(line)) lines.push_back(line);
    return lines;
}


TEST(ListingWalker, OneDirectionTakesTenOfItsBytesALineAndSkipsTheOther) {
    auto doc = test::Conditions();
    for (int i = 0; i < 12; ++i) {
        Add(*doc, kSd, static_cast<uint8_t>('A' + i));
        Add(*doc, kRd, '0');
    }
    Add(*doc, kSd | test::kParity, 'M');
    const auto lines = Walk(*doc, Mode(1));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Number, 1);
    EXPECT_EQ(lines[1].Number, 2);
    EXPECT_EQ(lines[0].S.Slot[0], " 41");
    EXPECT_EQ(lines[0].S.Slot[9], " 4A");
    EXPECT_EQ(lines[0].S.Slot[10], " Ａ");
    EXPECT_EQ(lines[0].S.Slot[19], " Ｊ");
    EXPECT_EQ(lines[1].S.Slot[2], "p4D") << "the error letter leads the byte";
    EXPECT_TRUE(lines[1].S.Slot[3].empty()) << "a partly filled last line";
    EXPECT_TRUE(lines[1].S.Slot[13].empty());
    EXPECT_TRUE(lines[0].R.Empty());

    const auto rd = Walk(*doc, Mode(2));
    ASSERT_EQ(rd.size(), 2u);
    EXPECT_EQ(rd[1].S.Slot[1], " 30");
    EXPECT_TRUE(rd[1].S.Slot[2].empty());
}

TEST(ListingWalker, CharacterTimesTakeTheEvenSlotsAndHalveTheLine) {
    auto doc = test::Conditions();
    for (int i = 0; i < 6; ++i) Add(*doc, kSd, static_cast<uint8_t>('A' + i), 0, 0, static_cast<uint16_t>(i + 1));
    const auto lines = Walk(*doc, Mode(1, true));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].S.Slot[0], " T.001");
    EXPECT_EQ(lines[0].S.Slot[1], " 41");
    EXPECT_EQ(lines[0].S.Slot[8], " T.005");
    EXPECT_EQ(lines[0].S.Slot[9], " 45");
    EXPECT_EQ(lines[0].S.Slot[10], " Ａ");
    EXPECT_EQ(lines[0].S.Slot[14], " Ｅ");
    EXPECT_TRUE(lines[0].S.Slot[15].empty()) << "five bytes a line leave five display slots empty";
    EXPECT_EQ(lines[1].S.Slot[0], " T.006");
}

TEST(ListingWalker, DualPutsARecordThatArrivedWithAnSdRecordUnderIt) {
    auto doc = test::Conditions();
    Add(*doc, kSd | kSame, 'A', 0, 0, 1);
    Add(*doc, kRd, '1', 0, 0, 2);
    Add(*doc, kRd, '2', 0, 0, 3);
    Add(*doc, kSd, 'B', 0, 0, 4);
    const auto plain = Walk(*doc, Mode(0));
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0].S.Slot[0], " 41");
    EXPECT_EQ(plain[0].R.Slot[0], " 31") << "same column as its SD record";
    EXPECT_TRUE(plain[0].S.Slot[1].empty());
    EXPECT_EQ(plain[0].R.Slot[1], " 32");
    EXPECT_EQ(plain[0].S.Slot[2], " 42");
    EXPECT_EQ(plain[0].R.Slot[10], " １");
    EXPECT_EQ(plain[0].S.Slot[12], " Ｂ");

    const auto timed = Walk(*doc, Mode(0, true));
    ASSERT_EQ(timed.size(), 1u);
    EXPECT_EQ(timed[0].S.Slot[0], " T.001");
    EXPECT_TRUE(timed[0].R.Slot[0].empty()) << "no time for the record that arrived with it";
    EXPECT_EQ(timed[0].R.Slot[1], " 31");
    EXPECT_EQ(timed[0].R.Slot[2], " T.003");
    EXPECT_EQ(timed[0].S.Slot[4], " T.004");
    EXPECT_EQ(timed[0].S.Slot[12], " Ｂ");
}

TEST(ListingWalker, ARangeEndingOnAPairedSdRecordEndsTheListingThere) {
    auto doc = test::Conditions();
    Add(*doc, kSd, 'A');
    Add(*doc, kSd | kSame, 'B');
    Add(*doc, kRd, '1');
    Add(*doc, kSd, 'C');
    ReportOptions opts = Mode(0);
    opts.PrintRange = true;
    opts.MarkBegin = 1;
    opts.MarkEnd = 1;
    const auto lines = Walk(*doc, opts);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].S.Slot[0], " 42");
    EXPECT_TRUE(lines[0].R.Empty()) << "the partner lies past the range";

    opts.MarkEnd = 3;
    const auto longer = Walk(*doc, opts);
    ASSERT_EQ(longer.size(), 1u);
    EXPECT_EQ(longer[0].R.Slot[0], " 31");
    EXPECT_EQ(longer[0].S.Slot[1], " 43");
}

class StopAt final : public ReportControl {
public:
    explicit StopAt(int32_t record) : record_(record) {}
    bool Proceed(int32_t record) override {
        seen.push_back(record);
        return record != record_;
    }
    std::vector<int32_t> seen;

private:
    int32_t record_;
};

TEST(ListingWalker, AStopBeforeARecordEndsWithTheLineInHand) {
    auto doc = test::Conditions();
    test::AddLetters(*doc, kSd, 25);
    StopAt control(13);
    ListingWalker walker(*doc, Mode(1), &control);
    SlotLine line;
    ASSERT_TRUE(walker.Next(line));
    ASSERT_TRUE(walker.Next(line));
    EXPECT_EQ(line.Number, 2);
    EXPECT_EQ(line.S.Slot[2], " 4D");
    EXPECT_TRUE(line.S.Slot[3].empty());
    EXPECT_FALSE(walker.Next(line));
    EXPECT_TRUE(walker.Stopped());
    EXPECT_EQ(control.seen.size(), 14u) << "asked before every record, then no more";
}

TEST(ListingWalker, AnEmptyHistoryOrAHalfSetRangeGivesNoLine) {
    auto doc = test::Conditions();
    EXPECT_TRUE(Walk(*doc, Mode(0)).empty());
    test::AddLetters(*doc, kSd, 3);
    ReportOptions opts = Mode(0);
    opts.PrintRange = true;
    opts.MarkBegin = 0;
    EXPECT_TRUE(Walk(*doc, opts).empty());
}

}  // namespace
}  // namespace reports
