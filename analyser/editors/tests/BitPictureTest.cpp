#include "BitPicture.h"

#include <gtest/gtest.h>

namespace analyser::editors {
namespace {

using Seg = BitPicture::Segment;

ItemTable Items(const std::vector<std::pair<const char*, std::pair<const char*, const char*>>>& items) {
    ItemTable t;
    for (const auto& [name, size] : items) t.Append({name, kTypeData, size.first, size.second, "", ""});
    return t;
}

// The example: A of 4 bits, then B of 12 bits.
ItemTable Example() { return Items({{"A", {"4", kUnitBit}}, {"B", {"12", kUnitBit}}}); }

std::vector<Seg> Empties(int from, int to) {
    std::vector<Seg> segs;
    for (int c = from; c <= to; ++c) segs.push_back({c, 1, ""});
    return segs;
}

std::vector<Seg> Join(std::vector<Seg> a, const std::vector<Seg>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(BitPicture, TheExampleAtEveryWidth) {
    const BitPicture w8(Example(), 8);
    ASSERT_EQ(w8.Rows(), 4);
    EXPECT_EQ(w8.RowSegments(0), std::vector<Seg>({{0, 8, "0"}}));
    EXPECT_EQ(w8.RowSegments(2), std::vector<Seg>({{0, 4, "A"}, {4, 4, "B"}}));
    EXPECT_EQ(w8.RowSegments(3), std::vector<Seg>({{0, 8, "B"}}));
    // With B of 8 bits its second row ends in four empty cells.
    const BitPicture b8(Items({{"A", {"4", kUnitBit}}, {"B", {"8", kUnitBit}}}), 8);
    EXPECT_EQ(b8.RowSegments(2), std::vector<Seg>({{0, 4, "A"}, {4, 4, "B"}}));
    EXPECT_EQ(b8.RowSegments(3), Join({{0, 4, "B"}}, Empties(4, 7)));

    const BitPicture w16(Example(), 16);
    ASSERT_EQ(w16.Rows(), 3);
    EXPECT_EQ(w16.RowSegments(0), std::vector<Seg>({{0, 8, "0"}, {8, 8, "1"}}));
    EXPECT_EQ(w16.RowSegments(2), std::vector<Seg>({{0, 4, "A"}, {4, 12, "B"}}));

    const BitPicture w32(Example(), 32);
    ASSERT_EQ(w32.Rows(), 3);
    EXPECT_EQ(w32.RowSegments(0), std::vector<Seg>({{0, 8, "0"}, {8, 8, "1"}, {16, 8, "2"}, {24, 8, "3"}}));
    const auto bits = w32.RowSegments(1);
    ASSERT_EQ(bits.size(), 32u) << "bit numbers never merge";
    EXPECT_EQ(bits[31], (Seg{31, 1, "31"}));
    EXPECT_EQ(w32.RowSegments(2), Join({{0, 4, "A"}, {4, 12, "B"}}, Empties(16, 31)));
    EXPECT_EQ(w32.Positions(), 16);
}

TEST(BitPicture, VariableItemsAndWhereThePictureEnds) {
    // A new configuration (one empty byte item) shows only the headings.
    ItemTable fresh;
    fresh.Reset(1);
    EXPECT_EQ(BitPicture(fresh, 16).Rows(), 2);

    // A variable item at a row's start fills the row; one in the middle
    // fills the rest of its row, and the next item starts a new row.
    const BitPicture p(Items({{"V", {"0", kUnitVariable}}, {"a", {"1", kUnitByte}}, {"W", {"", kUnitVariable}},
                              {"b", {"2", kUnitBit}}, {"x", {"", kUnitByte}}, {"never", {"1", kUnitByte}}}),
                       16);
    EXPECT_EQ(p.Positions(), 16 + 16 + 2);
    EXPECT_EQ(p.RowSegments(2), std::vector<Seg>({{0, 16, "V"}}));
    EXPECT_EQ(p.RowSegments(3), std::vector<Seg>({{0, 8, "a"}, {8, 8, "W"}}));
    EXPECT_EQ(p.RowSegments(4), Join({{0, 2, "b"}}, Empties(2, 15)))
        << "an item without a size ends the picture, with everything after it";
    EXPECT_EQ(p.Rows(), 5);

    // Neighbours of the same name merge; a byte size counts 8 positions.
    const BitPicture same(Items({{"s", {"1", kUnitByte}}, {"s", {"4", kUnitBit}}, {"", {"4", kUnitBit}}}), 16);
    EXPECT_EQ(same.RowSegments(2), Join({{0, 12, "s"}}, Empties(12, 15)));
    EXPECT_EQ(same.Cell(2, 13), "");
    EXPECT_EQ(same.Cell(9, 0), "");
}

TEST(BitPicture, AHundredItemsOf999Bytes) {
    ItemTable t;
    for (int n = 1; n <= 100; ++n) t.Append({"項目" + std::to_string(n), kTypeData, "999", kUnitByte, "", ""});
    const BitPicture p(t, 8);
    EXPECT_EQ(p.Positions(), 799200);
    EXPECT_EQ(p.Rows(), 2 + 99900);
    EXPECT_EQ(p.RowSegments(2), std::vector<Seg>({{0, 8, "項目1"}}));
    EXPECT_EQ(p.RowSegments(2 + 999), std::vector<Seg>({{0, 8, "項目2"}}));
    EXPECT_EQ(p.RowSegments(p.Rows() - 1), std::vector<Seg>({{0, 8, "項目100"}}));
}

}  // namespace
}  // namespace analyser::editors
