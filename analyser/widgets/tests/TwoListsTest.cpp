#include "TwoLists.h"

#include <gtest/gtest.h>

namespace analyser::widgets {
namespace {

using Side = TwoLists::Side;
using List = std::vector<std::string>;

TEST(TwoLists, SortedListsTakeMovedEntriesAtTheirPlace) {
    TwoLists lists(true);
    lists.SetEntries(Side::Left, {"2 - b", "10 - j", "1 - a", "3 - c"});
    EXPECT_EQ(lists.Entries(Side::Left), List({"1 - a", "10 - j", "2 - b", "3 - c"})) << "sorted as text";
    lists.SetEntries(Side::Right, {"4 - d"});

    lists.MoveSelected(Side::Left, -1, {0, 1});
    EXPECT_EQ(lists.Entries(Side::Right), List({"4 - d"})) << "no current entry: nothing moves";

    lists.MoveSelected(Side::Left, 3, {3, 1});
    EXPECT_EQ(lists.Entries(Side::Left), List({"1 - a", "2 - b"}));
    EXPECT_EQ(lists.Entries(Side::Right), List({"10 - j", "3 - c", "4 - d"}));

    lists.MoveAll(Side::Right);
    EXPECT_EQ(lists.Entries(Side::Left), List({"1 - a", "10 - j", "2 - b", "3 - c", "4 - d"}));
    EXPECT_TRUE(lists.Entries(Side::Right).empty());
    lists.MoveSelected(Side::Left, 0, {7, -1});
    EXPECT_TRUE(lists.Entries(Side::Right).empty()) << "indexes outside the list select nothing";
}

TEST(TwoLists, UnsortedListsKeepListOrder) {
    TwoLists lists;
    lists.SetEntries(Side::Left, {"応答", "要求", "ACK"});
    lists.MoveSelected(Side::Left, 2, {2, 0});
    EXPECT_EQ(lists.Entries(Side::Right), List({"応答", "ACK"}));
    lists.Append(Side::Right, "NAK");
    lists.MoveAll(Side::Left);
    EXPECT_EQ(lists.Entries(Side::Right), List({"応答", "ACK", "NAK", "要求"}));
    EXPECT_TRUE(lists.Entries(Side::Left).empty());
}

}  // namespace
}  // namespace analyser::widgets
