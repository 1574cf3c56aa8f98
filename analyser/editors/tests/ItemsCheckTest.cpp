#include "ItemsCheck.h"

#include <gtest/gtest.h>

#include "ItemConvert.h"

namespace analyser::editors {
namespace {

using Focus = ItemsCheckResult::Focus;

ItemRow Item(const char* name, const char* type, const char* size, const char* unit, const char* span = "",
             const char* lengthUnit = "") {
    return {name, type, size, unit, span, lengthUnit};
}

ItemTable Table(const std::vector<ItemRow>& rows) {
    ItemTable t;
    for (const ItemRow& row : rows) t.Append(row);
    return t;
}

TEST(ItemsCheck, EveryRefusal) {
    struct Case {
        std::vector<ItemRow> rows;
        const char* warning;
        Focus focus;
        int row, col;
    };
    const Case cases[] = {
        {{Item("a", kTypeCode, "", kUnitByte)}, kMsgSizeRequired, Focus::Cell, 1, kColSize},
        {{Item("a", kTypeLength, "0", kUnitVariable)}, kMsgLengthVariable, Focus::Cell, 1, kColUnit},
        // A span names an earlier length item: never a data item, item 0,
        // a number past the last item, the item itself or a later one.
        {{Item("a", kTypeData, "1", kUnitByte), Item("b", kTypeData, "1", kUnitByte, "1")},
         kMsgBadSpan, Focus::Cell, 2, kColSpan},
        {{Item("a", kTypeLength, "1", kUnitByte), Item("b", kTypeData, "1", kUnitByte, "0")},
         kMsgBadSpan, Focus::Cell, 2, kColSpan},
        {{Item("a", kTypeLength, "1", kUnitByte), Item("b", kTypeData, "1", kUnitByte, "9")},
         kMsgBadSpan, Focus::Cell, 2, kColSpan},
        {{Item("a", kTypeLength, "1", kUnitByte, "1")}, kMsgBadSpan, Focus::Cell, 1, kColSpan},
        {{Item("b", kTypeData, "1", kUnitByte, "2"), Item("a", kTypeLength, "1", kUnitByte)},
         kMsgBadSpan, Focus::Cell, 1, kColSpan},
        {{Item("a", kTypeData, "3", kUnitBit), Item("b", kTypeData, "3", kUnitBit)},
         kMsgBitTotal, Focus::SizeColumn, 0, 0},
    };
    for (const Case& c : cases) {
        ItemTable t = Table(c.rows);
        const ItemsCheckResult r = ItemsCheck(t, "構成");
        EXPECT_FALSE(r.ok) << c.warning;
        EXPECT_EQ(r.warning, c.warning);
        EXPECT_EQ(r.focus, c.focus) << c.warning;
        EXPECT_EQ(r.row, c.row) << c.warning;
        EXPECT_EQ(r.col, c.col) << c.warning;
    }

    ItemTable t = Table({Item("a", kTypeCode, "1", kUnitByte)});
    const ItemsCheckResult noName = ItemsCheck(t, "");
    EXPECT_EQ(noName.warning, kMsgNameRequired);
    EXPECT_EQ(noName.focus, Focus::NameBox);
}

TEST(ItemsCheck, PassesAndItsSideEffects) {
    // 3 + 3 + 2 bits make a byte; bytes and variable items do not count.
    ItemTable t = Table({Item("a", kTypeData, "3", kUnitBit), Item("", kTypeLength, "", kUnitByte, "", "2バイト"),
                         Item("長さ", kTypeLength, "1", kUnitByte, "", "2バイト"),
                         Item("b", kTypeData, "3", kUnitBit, "3"), Item("c", kTypeData, "2", kUnitBit, "3"),
                         Item("v", kTypeData, "", kUnitVariable, "3"), Item("z", kTypeCode, "0", kUnitByte)});
    const ItemsCheckResult r = ItemsCheck(t, "構成");
    EXPECT_TRUE(r.ok) << r.warning;
    EXPECT_EQ(t.Count(), 6) << "the empty row is gone";
    EXPECT_EQ(t.CountedBy(2), std::vector<int>({3, 4, 5})) << "spans followed their length item up";
    EXPECT_EQ(t.Row(5).size, "0") << "a variable item's empty size becomes 0";
    EXPECT_EQ(r.notices, std::vector<std::string>({kMsgSizeZero})) << "size 0 in bytes is variable";

    // The same check with an odd bit total fails after those changes stay.
    t.SetCell(4, kColSize, "3");
    const ItemsCheckResult odd = ItemsCheck(t, "構成");
    EXPECT_FALSE(odd.ok);
    EXPECT_EQ(odd.notices, std::vector<std::string>({kMsgSizeZero})) << "notices come before the warning";

    // An empty size that is not variable stays 0 after the failure.
    ItemTable e = Table({Item("a", kTypeCode, "", kUnitBit)});
    ItemsCheck(e, "x");
    EXPECT_EQ(e.Row(1).size, "0");

    // Rows that are all empty save as no items at all.
    ItemTable none = Table({Item("", kTypeCode, "", kUnitByte), Item("", kTypeData, "", kUnitBit)});
    EXPECT_TRUE(ItemsCheck(none, "名前").ok);
    EXPECT_EQ(none.Count(), 0);
}

TEST(ItemConvert, SaveAndLoadTables) {
    const ItemTable t = Table({Item("c", kTypeCode, "2", kUnitByte), Item("L", kTypeLength, "12", kUnitBit, "", "3バイト"),
                               Item("v", kTypeData, "0", kUnitVariable, "2"), Item("h", kTypeHex, "5", kUnitBit, "2"),
                               Item("d", kTypeDummy, "1", kUnitByte)});
    const auto config = ConfigFromItems(t, "名");
    ASSERT_TRUE(config);
    EXPECT_EQ(config->FrameName(), "名");
    EXPECT_EQ(config->FrameMode(), 0);
    ASSERT_EQ(config->ItemMax(), 5);
    const int16_t expected[5][4] = {{0, 16, 0, 1}, {1, 12, 0, 3}, {2, 0, 2, 1}, {3, 5, 2, 1}, {6, 8, 0, 1}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(config->ItemType(i), expected[i][0]) << i;
        EXPECT_EQ(config->ItemSize(i), expected[i][1]) << i;
        EXPECT_EQ(config->ItemSpan(i), expected[i][2]) << i;
        EXPECT_EQ(config->ItemUnit(i), expected[i][3]) << i;
    }

    const ItemTable back = ItemsFromConfig(*config);
    ASSERT_EQ(back.Count(), 6) << "one empty row after the items";
    EXPECT_EQ(back.Row(1), Item("c", kTypeCode, "2", kUnitByte));
    EXPECT_EQ(back.Row(2), Item("L", kTypeLength, "12", kUnitBit, "", "3バイト"));
    EXPECT_EQ(back.Row(3), Item("v", kTypeData, "0", kUnitVariable, "2"));
    EXPECT_EQ(back.Row(4), Item("h", kTypeHex, "5", kUnitBit, "2"));
    EXPECT_EQ(back.Row(5), Item("d", kTypeDummy, "1", kUnitByte));
    EXPECT_EQ(back.Row(6), ItemRow());

    EXPECT_EQ(ItemTypeText(9), kTypeCode);
    EXPECT_EQ(ItemUnitValue(Item("", kTypeLength, "", "", "", "")), 1);
    EXPECT_EQ(ItemUnitValue(Item("", kTypeLength, "", "", "", "12バイト")), 12);
    EXPECT_FALSE(ItemUnitValue(Item("", kTypeLength, "", "", "", "x")));
    EXPECT_FALSE(ItemSizeBits(Item("", kTypeData, "5000", kUnitByte))) << "beyond the file's 16 bits";
}

}  // namespace
}  // namespace analyser::editors
