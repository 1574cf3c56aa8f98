#include <gtest/gtest.h>

#include "LineTable.h"
#include "ViewerTestHistory.h"

namespace viewer {
namespace {

using namespace viewer::test;

TEST(LineTableBuild, PairsASameFlaggedSdWithTheNextRecordOfEitherDirection) {
    store::clsCommon doc;
    Add(doc, kSd, 'a', store::kAttrSame);  // 0 pairs with 1 (RD)
    Add(doc, kRd, 'b');                    // 1
    Add(doc, kSd, 'c', store::kAttrSame);  // 2 pairs with 3, although 3 is SD
    Add(doc, kSd, 'd');                    // 3
    Add(doc, kRd, 'e');                    // 4
    Add(doc, kSd, 'f');                    // 5
    LineTable t;
    t.Build(doc);
    ASSERT_EQ(t.Count(), 4);
    EXPECT_EQ(t.At(0).Sd, 0);
    EXPECT_EQ(t.At(0).Rd, 1);
    EXPECT_EQ(t.At(1).Sd, 2);
    EXPECT_EQ(t.At(1).Rd, 3);
    EXPECT_EQ(t.At(2).Sd, -1);
    EXPECT_EQ(t.At(2).Rd, 4);
    EXPECT_EQ(t.At(3).Sd, 5);
    EXPECT_EQ(t.At(3).Rd, -1);
    EXPECT_EQ(t.RecordToLine(3), 1);
    EXPECT_EQ(t.RecordToLine(4), 2);
}

TEST(LineTableBuild, SameFlagOnTheLastRecordPairsWithNothing) {
    store::clsCommon doc;
    Add(doc, kRd, 'x');
    Add(doc, kSd, 'y', store::kAttrSame);
    LineTable t;
    t.Build(doc);
    ASSERT_EQ(t.Count(), 2);
    EXPECT_EQ(t.At(1).Sd, 1);
    EXPECT_EQ(t.At(1).Rd, -1);
}

TEST(LineTableLookups, OutsideTheTableGiveTheirFallbacks) {
    store::clsCommon doc;
    Add(doc, kSd, 'a', store::kAttrSame);
    Add(doc, kRd, 'b');
    Add(doc, kRd, 'c');
    LineTable t;
    t.Build(doc);
    EXPECT_EQ(t.LineToRecord(2, 0), -1);
    EXPECT_EQ(t.LineToRecord(-1, 0), -1);
    EXPECT_EQ(t.RecordToLine(99), 0);
    EXPECT_EQ(t.RecordToLine(-1), 0);
    EXPECT_EQ(t.LineToRecord(0, kKindSd), 0);
    EXPECT_EQ(t.LineToRecord(0, kKindRd), 1);
    EXPECT_EQ(t.LineToRecord(1, kKindSd), -1);
    EXPECT_EQ(t.LineToRecord(1, 0), 2) << "any other kind falls back to the RD side";

    LineTable empty;
    empty.Build(store::clsCommon{});
    EXPECT_EQ(empty.Count(), 0);
    EXPECT_EQ(empty.RecordToLine(0), 0);
}

}  // namespace
}  // namespace viewer
