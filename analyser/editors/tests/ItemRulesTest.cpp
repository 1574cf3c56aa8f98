#include "ItemRules.h"

#include <gtest/gtest.h>

namespace analyser::editors {
namespace {

ItemTable LengthAndCounted() {
    ItemTable t;
    t.Reset(4);
    t.SetCell(1, kColName, "長さ");
    t.SetCell(1, kColType, kTypeLength);
    t.SetCell(1, kColSize, "2");
    t.SetCell(1, kColLengthUnit, "2");
    t.SetCell(2, kColName, "A");
    t.SetCell(2, kColSpan, "1");
    t.SetCell(3, kColName, "B");
    t.SetCell(3, kColType, kTypeHex);
    t.SetCell(3, kColUnit, "");
    t.SetCell(4, kColName, "C");
    t.SetCell(4, kColSpan, "1");
    return t;
}

TEST(ItemPanel, ShowsAnItem) {
    const ItemTable t = LengthAndCounted();
    ItemPanel shown;
    shown.lengthUnit = "5バイト";
    ItemPanel p = PanelOf(t, 1, shown);
    EXPECT_EQ(p.name, "長さ");
    EXPECT_EQ(p.type, kTypeLength);
    EXPECT_EQ(p.lengthUnit, "2バイト") << "a one-character unit gets バイト";
    EXPECT_EQ(p.spans, std::vector<std::string>({"2 - A", "4 - C"}));
    EXPECT_TRUE(p.LengthControlsOn());

    p = PanelOf(t, 3, shown);
    EXPECT_EQ(p.type, kTypeCode) << "a type outside the list shows as コード";
    EXPECT_EQ(p.unit, kUnitByte);
    EXPECT_EQ(p.lengthUnit, "5バイト") << "no unit of its own: the list keeps what it showed";
    EXPECT_TRUE(p.spans.empty());
    EXPECT_FALSE(p.LengthControlsOn());

    EXPECT_EQ(SpanEntryItem("12 - 名前 - x"), 12);
    EXPECT_FALSE(SpanEntryItem("名前"));
}

TEST(ItemPanel, UpdateWritesTheItemAndItsSpans) {
    ItemTable t = LengthAndCounted();
    t.SetCell(1, kColLengthUnit, "2バイト");
    ItemPanel p = PanelOf(t, 1, {});
    EXPECT_FALSE(PanelUpdate(t, 1, p)) << "nothing changed";
    p.spans = {"3 - B", "4 - C"};
    p.lengthUnit = "4バイト";
    EXPECT_TRUE(PanelUpdate(t, 1, p));
    EXPECT_EQ(t.CountedBy(1), std::vector<int>({3, 4}));
    EXPECT_EQ(t.Row(1).lengthUnit, "4バイト");

    // Away from length: its spans and unit go with it.
    p.type = kTypeData;
    EXPECT_TRUE(PanelUpdate(t, 1, p));
    EXPECT_EQ(t.CountedBy(1), std::vector<int>());
    EXPECT_EQ(t.Row(1).lengthUnit, "");
    EXPECT_EQ(t.Row(1).type, kTypeData);

    p.name = std::string(300, 'n');
    PanelUpdate(t, 1, p);
    EXPECT_EQ(t.Row(1).name.size(), kNameMaxChars);
    EXPECT_FALSE(PanelUpdate(t, 9, p));
}

TEST(ItemPanel, SizeUnitRule) {
    ItemPanel p;
    p.type = kTypeLength;
    p.unit = kUnitVariable;
    p.size = "3";
    EXPECT_EQ(SizeUnitApply(p), std::optional<std::string>(kMsgLengthNotVariable));
    EXPECT_EQ(p.unit, kUnitByte);
    EXPECT_EQ(p.size, "3");
    EXPECT_TRUE(p.SizeBoxOn());

    p.type = kTypeData;
    p.unit = kUnitVariable;
    EXPECT_FALSE(SizeUnitApply(p));
    EXPECT_EQ(p.size, "0");
    EXPECT_FALSE(p.SizeBoxOn());
}

TEST(ItemPanel, SizeStepsAndNumberBoxes) {
    EXPECT_EQ(SizeStep("", false, kTypeCode, kUnitByte), "1");
    EXPECT_EQ(SizeStep("1", false, kTypeCode, kUnitByte), "1");
    EXPECT_EQ(SizeStep("5", false, kTypeCode, kUnitByte), "4");
    EXPECT_EQ(SizeStep("", true, kTypeCode, kUnitByte), "1");
    EXPECT_EQ(SizeStep("998", true, kTypeData, kUnitBit), "999");
    EXPECT_EQ(SizeStep("999", true, kTypeData, kUnitBit), "999");
    EXPECT_EQ(SizeStep("7", true, kTypeLength, kUnitByte), "7");
    EXPECT_EQ(SizeStep("9", true, kTypeLength, kUnitByte), "7");
    EXPECT_EQ(SizeStep("55", true, kTypeLength, kUnitBit), "56");
    EXPECT_EQ(SizeStep("56", true, kTypeLength, kUnitBit), "56");

    EXPECT_TRUE(NumberBoxAccepts(U'7'));
    EXPECT_TRUE(NumberBoxAccepts(U'\b'));
    EXPECT_FALSE(NumberBoxAccepts(U'.')) << "sizes and item numbers are whole";
    EXPECT_FALSE(NumberBoxAccepts(U'a'));
    EXPECT_FALSE(NumberBoxAccepts(U'-'));

    EXPECT_EQ(ItemNumberClamp("0", 5), 1);
    EXPECT_EQ(ItemNumberClamp("", 5), 1);
    EXPECT_EQ(ItemNumberClamp("3", 5), 3);
    EXPECT_EQ(ItemNumberClamp("99", 5), 5);
    EXPECT_EQ(ItemNumberClamp("2", 0), 1);
}

TEST(ItemCells, EditChecks) {
    ItemTable t = LengthAndCounted();
    EXPECT_FALSE(CellEditable(t, 1, kColNumber));
    EXPECT_TRUE(CellEditable(t, 1, kColLengthUnit));
    EXPECT_FALSE(CellEditable(t, 2, kColLengthUnit)) << "only a length item has a length unit";
    EXPECT_FALSE(CellEditable(t, 0, kColName));
    EXPECT_TRUE(CellEditable(t, 2, kColName));

    // A length item: at most 7 bytes or 56 bits.
    EXPECT_FALSE(CellRefusal(t, 1, kColSize, "7"));
    EXPECT_EQ(CellRefusal(t, 1, kColSize, "8"), std::optional<std::string>(kMsgBadSize));
    t.SetCell(1, kColUnit, kUnitBit);
    EXPECT_FALSE(CellRefusal(t, 1, kColSize, "56"));
    EXPECT_EQ(CellRefusal(t, 1, kColSize, "57"), std::optional<std::string>(kMsgBadSize));
    // Others: any whole number of three digits.
    EXPECT_FALSE(CellRefusal(t, 2, kColSize, "999"));
    EXPECT_FALSE(CellRefusal(t, 2, kColSize, "0"));
    for (const char* bad : {"1.5", "-1", "abc", "", "1000", "+5", " 5"}) {
        EXPECT_EQ(CellRefusal(t, 2, kColSize, bad), std::optional<std::string>(kMsgBadSize)) << bad;
    }
    EXPECT_FALSE(CellRefusal(t, 2, kColSpan, ""));
    EXPECT_FALSE(CellRefusal(t, 2, kColSpan, "1"));
    EXPECT_EQ(CellRefusal(t, 2, kColSpan, "x"), std::optional<std::string>(kMsgBadTarget));
    EXPECT_EQ(CellRefusal(t, 2, kColSpan, "1.5"), std::optional<std::string>(kMsgBadTarget));
}

TEST(ItemCells, WhatAnEditChangesBesides) {
    ItemTable t = LengthAndCounted();
    t.SetCell(1, kColType, kTypeData);
    CellEdited(t, 1, kColType);
    EXPECT_EQ(t.Row(1).lengthUnit, "");
    EXPECT_EQ(t.CountedBy(1), std::vector<int>()) << "no span stays on an item that counts nothing";

    t.SetCell(2, kColUnit, kUnitVariable);
    CellEdited(t, 2, kColUnit);
    EXPECT_EQ(t.Row(2).size, "0");
    t.SetCell(2, kColSize, "12");
    CellEdited(t, 2, kColSize);
    EXPECT_EQ(t.Row(2).size, "0") << "a variable item's size stays 0";

    t.SetCell(3, kColName, std::string(260, 'x'));
    CellEdited(t, 3, kColName);
    EXPECT_EQ(t.Row(3).name.size(), 256u);
}

}  // namespace
}  // namespace analyser::editors
