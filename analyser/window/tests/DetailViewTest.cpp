#include <gtest/gtest.h>

#include <array>

#include "DetailView.h"
#include "HexByteCells.h"
#include "PppDecode.h"
#include "VbDate.h"
#include "clsFrameConfig.h"

namespace analyser {
namespace {

struct ItemSpec {
    const char* name;
    int16_t type;
    int16_t size;
    int16_t span = 0;
};

frames::clsFrameConfig Config(std::initializer_list<ItemSpec> items, int32_t mode = 0) {
    frames::clsFrameConfig c;
    c.FrameName("構成");
    c.FrameMode(mode);
    c.ItemMax(static_cast<int16_t>(items.size()));
    int i = 0;
    for (const ItemSpec& s : items) {
        c.ItemName(i, s.name);
        c.ItemType(i, s.type);
        c.ItemSize(i, s.size);
        c.ItemSpan(i, s.span);
        ++i;
    }
    return c;
}

std::vector<frames::DecodedItem> Decode(const std::string& bytes, const frames::clsFrameConfig& c) {
    std::vector<frames::DecodedItem> items;
    frames::ItemFieldsDecode(bytes, c, items);
    return items;
}

TEST(DetailView, ItemRowsShowValueHexAndSize) {
    // A code byte, a 2-byte length over a variable data item, a 12-bit
    // item, a 4-bit one, a 64-bit item and one past the end of the frame.
    const frames::clsFrameConfig c = Config({{"コード", 0, 8},
                                             {"長さ", 1, 16},
                                             {"データ", 2, 0, 2},
                                             {"フラグ", 2, 12},
                                             {"残り", 2, 4},
                                             {"大きい", 2, 64},
                                             {"後", 2, 8}});
    const std::string bytes = std::string("\x41\x00\x03" "abc" "\xFF\xF0", 8) + std::string(8, '\x01');
    const std::vector<DetailItem> rows = DetailItemRows(c, Decode(bytes, c));
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].Name, "コード");
    EXPECT_EQ(rows[0].Data, "65 (0x41)");
    EXPECT_EQ(rows[0].Size, "8");
    EXPECT_EQ(rows[1].Data, "3 (0x3)") << "a value below 16 has one hex digit";
    EXPECT_EQ(rows[2].Data, " ??") << "a variable item has no value";
    EXPECT_EQ(rows[2].Size, "可変 --->24");
    EXPECT_EQ(rows[2].Bits, 24);
    EXPECT_EQ(rows[3].Data, "4095 (0xFFF)");
    EXPECT_EQ(rows[3].Size, "12");
    EXPECT_EQ(rows[4].Data, "0 (0x0)");
    EXPECT_EQ(rows[5].Data, " ??") << "57 bit positions and more have no value";
    EXPECT_TRUE(rows[5].HasData);
    EXPECT_FALSE(rows[6].HasData) << "an item beyond the end of the frame";
    EXPECT_EQ(rows[6].Data, "");
    EXPECT_EQ(rows[6].Size, "8");

    // The cursor stands on the byte where an item's bits begin.
    EXPECT_EQ(ItemBytePosition(rows, 0), (DumpCell{0, 2}));
    EXPECT_EQ(ItemBytePosition(rows, 1), (DumpCell{0, 3}));
    EXPECT_EQ(ItemBytePosition(rows, 3), (DumpCell{0, 8})) << "after 1 + 2 + 3 bytes";
    EXPECT_EQ(ItemBytePosition(rows, 4), (DumpCell{0, 9})) << "12 bits into the seventh byte: that byte";
    EXPECT_EQ(ItemBytePosition(rows, 5), (DumpCell{0, 11})) << "the ninth byte, after the dash";
    EXPECT_EQ(ItemBytePosition(rows, 6), (DumpCell{1, 2}));
}

TEST(DetailView, AVariableItemWithoutBytesAndTheBytePositionRules) {
    const frames::clsFrameConfig c = Config({{"a", 2, 0}, {"b", 2, 8}});
    const std::vector<DetailItem> empty = DetailItemRows(c, Decode("", c));
    EXPECT_EQ(empty[0].Size, "可変");
    EXPECT_EQ(empty[0].Bits, 0);
    EXPECT_FALSE(empty[0].HasData);

    std::vector<DetailItem> rows(3);
    rows[0] = {"x", "1", "64", true, 64};
    rows[1] = {"y", "", "8", false, 8};  // no data: adds nothing
    rows[2] = {"z", "1", "8", true, 8};
    EXPECT_EQ(ItemBytePosition(rows, 1), (DumpCell{0, 11})) << "8 bytes in: the ninth byte";
    EXPECT_EQ(ItemBytePosition(rows, 2), (DumpCell{0, 11}));
    rows[1].HasData = true;
    rows[1].Bits = 64;
    EXPECT_EQ(ItemBytePosition(rows, 2), (DumpCell{1, 2})) << "16 bytes in: the next row";
    rows[0].Bits = 12;
    rows[1].HasData = false;
    EXPECT_EQ(ItemBytePosition(rows, 1), (DumpCell{0, 3})) << "12 bit positions in: the second byte";
    EXPECT_TRUE(DetailItemRows(frames::clsFrameConfig(), {}).empty()) << "no items, no rows";
}

TEST(DetailView, PppProtocolFieldShowsItsBytes) {
    const frames::clsFrameConfig c = Config(
        {{"フラグ", 2, 8}, {"アドレス", 2, 8}, {"制御", 2, 8}, {"プロトコル", 0, 16}, {"情報", 2, 0},
         {"ＦＣＳ", 2, 16}, {"フラグ", 2, 8}},
        frames::kFrameModePpp);
    std::vector<frames::DecodedItem> items;
    frames::PppFieldsDecode(std::string("\x7E\xFF\x03\x21" "ab\x12\x34\x7E", 9), c.ItemMax(), items);
    const std::vector<DetailItem> rows = DetailItemRows(c, items);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[3].Size, "8") << "a one-byte protocol field";
    EXPECT_EQ(rows[3].Data, "33 (0x21)");
    EXPECT_EQ(rows[4].Size, "可変 --->16");
    EXPECT_EQ(ItemBytePosition(rows, 4), (DumpCell{0, 6}));
    EXPECT_EQ(CodeValuesText(c, items), "33");
}

TEST(DetailView, DumpRowsOfSixteenBytes) {
    const std::vector<DumpRow> none = HexDumpRows("");
    ASSERT_EQ(none.size(), 1u) << "an empty frame still has row 0";
    EXPECT_EQ(none[0].Number, "000000");
    EXPECT_EQ(none[0].Bytes[0], "");
    EXPECT_EQ(HexDumpRows(std::string(16, 'a')).size(), 1u);
    std::string bytes;
    for (int i = 0; i < 17; ++i) bytes += static_cast<char>(i == 16 ? 0x7F : 0x1F + i);
    const std::vector<DumpRow> rows = HexDumpRows(bytes);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Bytes[0], "1F");
    EXPECT_EQ(rows[0].Bytes[1], "20");
    EXPECT_EQ(rows[0].Bytes[15], "2E");
    EXPECT_EQ(rows[0].Chars, "･ !\"#$%&'()*+,-.");
    EXPECT_EQ(rows[1].Number, "000001");
    EXPECT_EQ(rows[1].Bytes[0], "7F");
    EXPECT_EQ(rows[1].Bytes[1], "");
    EXPECT_EQ(rows[1].Chars, "･");
    EXPECT_EQ(CharColumnText("\x20\x7E\x80"), " ~･");

    EXPECT_EQ(DumpColumnOfByte(0), 2);
    EXPECT_EQ(DumpColumnOfByte(7), 9);
    EXPECT_EQ(DumpColumnOfByte(8), 11);
    EXPECT_EQ(DumpColumnOfByte(15), 18);
    EXPECT_EQ(DumpByteOfColumn(10), -1);
    EXPECT_EQ(DumpByteOfColumn(1), -1);
    EXPECT_EQ(DumpByteOfColumn(19), -1);
    EXPECT_EQ(DumpCellOffset(bytes, 1, 2), 16);
    EXPECT_EQ(DumpCellOffset(bytes, 1, 3), -1) << "past the last byte";
    EXPECT_EQ(DumpCellOffset(bytes, 0, 10), -1);
}

TEST(DetailView, BytesFromACellToTheEnd) {
    std::string frame;
    for (int i = 1; i <= 40; ++i) frame += static_cast<char>(i);
    // Row 0, column 5 is the fourth byte: bytes 4 to 40, all 37 of them.
    const std::string_view rest = BytesFromCell(frame, 0, 5);
    ASSERT_EQ(rest.size(), 37u);
    EXPECT_EQ(rest.front(), 4);
    EXPECT_EQ(rest.back(), 40);
    EXPECT_EQ(BytesFromCell(frame, 1, 11).front(), 25) << "the second half of row 1";
    EXPECT_EQ(BytesFromCell(frame, 0, 10).front(), 9) << "the dash column starts at the ninth byte";
    EXPECT_EQ(BytesFromCell(frame, 0, 19).front(), 17) << "past the bytes: the next row";
    EXPECT_TRUE(BytesFromCell(frame, 3, 2).empty());
    EXPECT_TRUE(BytesFromCell("", 0, 2).empty());
}

TEST(DetailView, ValuesInHexAndCodes) {
    EXPECT_EQ(ValueToHex(0), "0");
    EXPECT_EQ(ValueToHex(15), "F");
    EXPECT_EQ(ValueToHex(255), "FF");
    EXPECT_EQ(ValueToHex(4096), "1000");
    EXPECT_EQ(ValueToHex(72057594037927935.0), "100000000000000") << "56 bits, as the double holds them";
    const frames::clsFrameConfig c = Config({{"a", 0, 8}, {"b", 2, 8}, {"c", 0, 16}});
    EXPECT_EQ(CodeValuesText(c, Decode(std::string("\x10\x20\x01\x00", 4), c)), "16,256");
    EXPECT_EQ(CodeValuesText(Config({{"b", 2, 8}}), {}), "") << "no code items";
}

TEST(DetailView, StatusPanelsAndTheConvertedWindowsPanels) {
    FrameStatus f;
    f.Date = *platform::MakeDate({2024, 3, 5, 7, 8, 9});
    f.ChrTimeSetting = 1;
    f.ChrTime = 2000000;
    f.Chanel = 1;
    f.Trigger = 1;
    f.Error = 5;
    const DetailPanels p = DetailPanelTexts(f);
    EXPECT_EQ(p, (DetailPanels{"2024/03/05 07:08:09", "2,000s", "RD", "あり", "j"}));
    f.ChrTime = 999;
    EXPECT_EQ(DetailPanelTexts(f).CTime, "999ms");
    f.ChrTime = 1500;
    EXPECT_EQ(DetailPanelTexts(f).CTime, "1.5s");
    f.ChrTime = -1;
    EXPECT_EQ(DetailPanelTexts(f).CTime, "****");
    f.ChrTimeSetting = 0;
    EXPECT_EQ(DetailPanelTexts(f).CTime, "-");
    f.ChrTimeSetting = 3;
    EXPECT_EQ(DetailPanelTexts(f).CTime, "");
    f.Error = 0;
    f.Trigger = 0;
    f.Chanel = 0;
    EXPECT_EQ(DetailPanelTexts(f).Error, "-");
    EXPECT_EQ(DetailPanelTexts(f).Trig, "なし");
    EXPECT_EQ(DetailPanelTexts(f).Chanel, "SD");
    EXPECT_EQ(ConvertedPanels(p), (DetailPanels{"2024/03/05 07:08:09", "-", "RD", "あり", "j"}));
    EXPECT_EQ(OrNone(""), " ---");
    EXPECT_EQ(OrNone("x"), "x");
}

TEST(HexByteCells, TypingKeepsTheLastTwoDigitsAndCellsReadUpToTheFirstEmpty) {
    std::string cell;
    for (const char k : {'1', '2', '3'}) cell = *HexCellTyped(cell, k);
    EXPECT_EQ(cell, "23");
    EXPECT_EQ(*HexCellTyped("", 'a'), "A");
    EXPECT_FALSE(HexCellTyped("1", 'g'));
    EXPECT_FALSE(HexCellTyped("1", ' '));
    EXPECT_EQ(HexCellsBytes({"0D", "A", "", "FF"}), "\x0D\x0A");
    EXPECT_EQ(HexCellsBytes({"5"}), "\x05");
    EXPECT_EQ(HexCellsBytes({"01", "", "02"}), "\x01");
    EXPECT_EQ(HexCellsBytes({"", "02"}), "");
    EXPECT_EQ(HexCellsBytes({"ff", "zz", "01"}), "\xFF") << "a cell that is no hex ends the bytes";
    EXPECT_EQ(HexCellsOf(std::string("\x00\xAB\x0A", 3)), (std::vector<std::string>{"00", "AB", "0A"}));
}

TEST(DetailView, ListColumnsAreAQuarterAndTwoThirdsOfAnyWidth) {
    const ListColumns at480 = DetailListColumns(480);
    EXPECT_EQ(at480.Name, 120);
    EXPECT_EQ(at480.Data, 160);
    EXPECT_EQ(at480.Size, 160);
    const ListColumns at1200 = DetailListColumns(1200);
    EXPECT_EQ(at1200.Name, 300) << "a wider list, wider columns";
    EXPECT_EQ(at1200.Data, 400);
    EXPECT_EQ(DetailListColumns(-10).Name, 0);

    // The least width at which the fractions hold the texts.
    EXPECT_EQ(DetailListWidthFor(100, 90, 60), 400) << "the name decides";
    EXPECT_EQ(DetailListWidthFor(50, 240, 60), 720) << "the value decides";
    EXPECT_EQ(DetailListWidthFor(50, 60, 100), 300) << "the size decides";
    for (const auto& [n, d, z] : {std::array{101, 77, 13}, std::array{7, 233, 5}, std::array{1, 2, 97}}) {
        const int w = DetailListWidthFor(n, d, z);
        const ListColumns c = DetailListColumns(w);
        EXPECT_GE(c.Name, n);
        EXPECT_GE(c.Data, d);
        EXPECT_GE(c.Size, z);
        const ListColumns less = DetailListColumns(w - 1);
        EXPECT_TRUE(less.Name < n || less.Data < d || less.Size < z) << "and not one pixel more than needed";
    }
}

}  // namespace
}  // namespace analyser
