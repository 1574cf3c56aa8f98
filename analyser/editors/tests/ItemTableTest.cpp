#include "ItemTable.h"

#include <gtest/gtest.h>

namespace analyser::editors {
namespace {

// Items: 1 header, 2 length, 3 data counted by 2, 4 length, 5 data counted
// by 4, 6 data counted by 2.
ItemTable Spanned() {
    ItemTable t;
    t.Reset(6);
    const char* names[] = {"ヘッダ", "長さ1", "データ1", "長さ2", "データ2", "データ3"};
    for (int n = 1; n <= 6; ++n) t.SetCell(n, kColName, names[n - 1]);
    t.SetCell(2, kColType, kTypeLength);
    t.SetCell(4, kColType, kTypeLength);
    t.SetCell(3, kColSpan, "2");
    t.SetCell(5, kColSpan, "4");
    t.SetCell(6, kColSpan, "2");
    return t;
}

TEST(ItemTable, NewRowsAndCells) {
    ItemTable t;
    t.Reset(1);
    EXPECT_EQ(t.Count(), 1);
    EXPECT_EQ(t.Cell(1, kColNumber), "1");
    EXPECT_EQ(t.Cell(1, kColType), kTypeCode);
    EXPECT_EQ(t.Cell(1, kColUnit), kUnitByte);
    EXPECT_EQ(t.Cell(1, kColName), "");
    EXPECT_TRUE(t.IsEmptyRow(1));
    t.SetCell(1, kColType, kTypeData);
    t.SetCell(1, kColLengthUnit, "2バイト");
    EXPECT_TRUE(t.IsEmptyRow(1)) << "type and units do not count";
    t.SetCell(1, kColSize, "1");
    EXPECT_FALSE(t.IsEmptyRow(1));
    t.SetCell(2, kColName, "x");  // no such row
    EXPECT_EQ(t.Count(), 1);
    EXPECT_EQ(t.Cell(2, kColNumber), "");
}

TEST(ItemTable, InsertAndRemoveKeepSpansOnTheirItems) {
    ItemTable t = Spanned();
    t.Insert(3);  // before データ1: spans naming 2 stay, naming 4 become 5
    ASSERT_EQ(t.Count(), 7);
    EXPECT_EQ(t.Row(3), ItemRow());
    EXPECT_EQ(t.Row(4).span, "2");
    EXPECT_EQ(t.Row(6).span, "5");
    EXPECT_EQ(t.Row(7).span, "2");
    EXPECT_EQ(t.CountedBy(5), std::vector<int>({6}));

    t.Insert(1);  // before everything: every span moves
    EXPECT_EQ(t.CountedBy(3), std::vector<int>({5, 8}));
    EXPECT_EQ(t.CountedBy(6), std::vector<int>({7}));

    t.Remove(1);
    t.Remove(3);
    EXPECT_EQ(t, Spanned()) << "removing the inserted rows undoes the renumbering";

    t.Remove(2);  // a length item goes: what it counted counts on nothing
    EXPECT_EQ(t.Row(2).name, "データ1");
    EXPECT_EQ(t.Row(2).span, "");
    EXPECT_EQ(t.Row(4).span, "3");
    EXPECT_EQ(t.Row(5).span, "");
    EXPECT_EQ(t.CountedBy(3), std::vector<int>({4}));

    t.Insert(t.Count() + 1);  // appending touches no span
    EXPECT_EQ(t.Row(4).span, "3");
    t.SetCell(1, kColSpan, "40");  // names no row: nothing to follow
    t.Insert(1);
    t.Remove(3);
    EXPECT_EQ(t.Row(2).span, "40");

    t.Insert(0);
    t.Insert(t.Count() + 2);
    EXPECT_EQ(t.Count(), 6) << "out-of-range inserts do nothing";
}

TEST(ItemTable, SpansSetAndLengthDataClear) {
    ItemTable t = Spanned();
    t.SpansSet(2, {5});
    EXPECT_EQ(t.CountedBy(2), std::vector<int>({5}));
    EXPECT_EQ(t.CountedBy(4), std::vector<int>()) << "an item is counted by one length item";
    t.SetCell(2, kColLengthUnit, "3バイト");
    t.LengthDataClear(2);
    EXPECT_EQ(t.CountedBy(2), std::vector<int>());
    EXPECT_EQ(t.Row(2).lengthUnit, "");
}

TEST(ItemTable, WholeNumbers) {
    EXPECT_EQ(WholeNumber("12"), 12);
    EXPECT_EQ(WholeNumber(" 7 "), 7);
    EXPECT_EQ(WholeNumber("-3"), -3);
    EXPECT_EQ(WholeNumber("+3"), 3);
    EXPECT_FALSE(WholeNumber(""));
    EXPECT_FALSE(WholeNumber("1.5"));
    EXPECT_FALSE(WholeNumber("2a"));
    EXPECT_FALSE(WholeNumber("+"));
}

}  // namespace
}  // namespace analyser::editors
