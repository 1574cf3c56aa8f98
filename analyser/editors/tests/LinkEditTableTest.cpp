#include "LinkEditTable.h"

#include <gtest/gtest.h>

#include "FrameTestFiles.h"
#include "LinkCode.h"

namespace analyser::editors {
namespace {

TEST(LinkCode, DigitsTextsAndKeys) {
    EXPECT_EQ(CodeDigits(8), 2);
    EXPECT_EQ(CodeDigits(4), 2);
    EXPECT_EQ(CodeDigits(16), 4);
    EXPECT_EQ(CodeDigits(9), 3);
    EXPECT_EQ(CodeDigits(56), 14);
    EXPECT_EQ(CodeDigits(0), 14);
    EXPECT_EQ(CodeDigits(64), 14);

    EXPECT_EQ(CodeText(10), "0A");
    EXPECT_EQ(CodeText(0x1A5), "1A5");
    EXPECT_EQ(CodeText(-1), "*");
    EXPECT_EQ(CodeText(0), "00");
    EXPECT_EQ(CodeText(0xFFFFFFFFFFFF), "FFFFFFFFFFFF");

    EXPECT_EQ(CodeValue(""), 0.0);
    EXPECT_EQ(CodeValue("*"), -1.0);
    EXPECT_EQ(CodeValue("C021"), 49185.0);
    EXPECT_EQ(CodeValue("c021"), 49185.0);
    EXPECT_EQ(CodeValue("12345678ABCDEF"), static_cast<double>(0x12345678ABCDEF));
    for (const char* bad : {"G1", "0x12", " 1", "1 ", "**", "-1", "１"}) {
        EXPECT_FALSE(CodeValue(bad)) << bad;
        EXPECT_FALSE(IsCodeText(bad)) << bad;
    }

    // Digits shift through the cell; "*" goes at the first digit.
    std::string cell = "*";
    cell = CodeKeyed(cell, '1', 2);
    EXPECT_EQ(cell, "1");
    for (char d : {'A', 'B', 'C'}) cell = CodeKeyed(cell, d, 2);
    EXPECT_EQ(cell, "BC");
    cell.clear();
    for (char d : {'C', '0', '2', '1'}) cell = CodeKeyed(cell, d, 4);
    EXPECT_EQ(cell, "C021");
    cell = CodeKeyed(cell, '5', 4);
    EXPECT_EQ(cell, "0215");
    EXPECT_EQ(CodeDigitOfKey('a'), 'A');
    EXPECT_EQ(CodeDigitOfKey('7'), '7');
    EXPECT_EQ(CodeDigitOfKey('g'), 0);
    EXPECT_EQ(CodeDigitOfKey('*'), 0);
}

frames::clsFrameConfig TwoCodes() {
    return frames::test::Config({{"種別", 0, 8}, {"長さ", 1, 8}, {"命令", 0, 16}, {"本文", 2, 0}});
}

TEST(LinkEditTable, ANewTableAndItsRows) {
    const CodeColumnsResult columns = CodeColumnsOf(TwoCodes(), "x.kyf");
    ASSERT_TRUE(columns.refusal.empty());
    ASSERT_EQ(columns.columns.size(), 2u);
    EXPECT_EQ(columns.columns[0], (LinkColumn{"種別", 1, 2}));
    EXPECT_EQ(columns.columns[1], (LinkColumn{"命令", 3, 4}));

    LinkEditTable t;
    t.NewTable(columns.columns);
    ASSERT_EQ(t.Rows(), kNewTableRows);
    for (int r = 1; r <= t.Rows(); ++r) {
        EXPECT_EQ(t.Row(r).direction, kDirNone);
        EXPECT_EQ(t.Row(r).color, kLinkBlack);
        EXPECT_EQ(t.Row(r).codes, std::vector<std::string>(2));
    }
    EXPECT_TRUE(t.SetCode(1, 1, "C021"));
    EXPECT_FALSE(t.SetCode(1, 1, "xyz")) << "a code that is not hex is refused";
    EXPECT_EQ(t.Row(1).codes[1], "C021");
    EXPECT_FALSE(t.SetCode(1, 2, "00"));

    t.RowInsert(0);  // before row 1
    EXPECT_EQ(t.Row(2).codes[1], "C021");
    t.RowDelete(1);
    EXPECT_EQ(t.Row(1).codes[1], "C021");
    while (t.Rows() > 1) t.RowDelete(1);
    t.RowDelete(1);
    ASSERT_EQ(t.Rows(), 1) << "the last row deleted leaves a new one";
    EXPECT_EQ(t.Row(1).direction, kDirNone);
    EXPECT_EQ(t.Row(1).color, kLinkBlack);

    // Colours: a pick of 0 is black; an update with 0 leaves no colour as
    // it is.
    t.SetColor(1, 0, "0");
    EXPECT_EQ(t.Row(1).color, kLinkBlack);
    t.RowUpdate(1, "ACK", kDirRight, 255, {"1", "*"});
    EXPECT_EQ(t.Row(1).color, 255);
    EXPECT_EQ(t.Row(1).codes, std::vector<std::string>({"1", "*"}));
    t.RowUpdate(1, "ACK", kDirRight, 0, {"1", "*"});
    EXPECT_EQ(t.Row(1).color, kLinkBlack);
}

TEST(LinkEditTable, RefusedConfigurations) {
    EXPECT_TRUE(CodeColumnsOf(frames::clsFrameConfig(), "a.kyf").noItems);
    const CodeColumnsResult none = CodeColumnsOf(frames::test::Config({{"x", 2, 8}}), "/d/a.kyf");
    EXPECT_FALSE(none.noItems);
    EXPECT_EQ(none.refusal, "フレーム構成ファイル(/d/a.kyf)にはタイプ「コード」が含まれていないため、\n"
                            "このファイルを元に関連付けファイルを作成することはできません。");
}

TEST(LinkEditTable, LinkTablesBothWays) {
    frames::clsLink link;
    link.LinkMax(3);
    link.ItemMax(2);
    link.Position(0, 1);
    link.Position(1, 4);
    const double codes[3][2] = {{0x1A5, -1}, {10, 0}, {0xC021, 3}};
    const int32_t directions[3] = {1, 2, 7};
    const int32_t colors[3] = {255, 0, 0x123456};
    for (int o = 0; o < 3; ++o) {
        link.ListIndex(o);
        link.ObjectCode(0, codes[o][0]);
        link.ObjectCode(1, codes[o][1]);
        link.ItemName("行" + std::to_string(o));
        link.Direction(directions[o]);
        link.BackColor(colors[o]);
    }
    link.LinkName("表");

    LinkEditTable t;
    t.FromLink(link);
    ASSERT_EQ(t.CodeColumns(), 2);
    EXPECT_EQ(t.Columns()[0], (LinkColumn{"", 1, 14})) << "no names before a re-link";
    EXPECT_EQ(t.Columns()[1].position, 4);
    EXPECT_EQ(t.Row(1).codes, std::vector<std::string>({"1A5", "*"}));
    EXPECT_EQ(t.Row(2).codes, std::vector<std::string>({"0A", "00"}));
    EXPECT_EQ(t.Row(1).direction, kDirRight);
    EXPECT_EQ(t.Row(2).direction, kDirLeft);
    EXPECT_EQ(t.Row(3).direction, "") << "an arrow outside the three shows empty";
    EXPECT_EQ(t.Row(2).color, 0);

    // Back as it was, except the unknown arrow, which saves as none.
    const auto back = t.ToLink("表");
    ASSERT_TRUE(back);
    frames::LinkTable expected = link.Table();
    expected.rows[2].direction = 0;
    EXPECT_EQ(back->Table(), expected);

    // Re-link by position: fewer columns drop codes, more start empty.
    t.Relink({{"種別", 1, 2}});
    EXPECT_EQ(t.Row(1).codes, std::vector<std::string>({"1A5"}));
    t.Relink({{"種別", 1, 2}, {"命令", 3, 4}, {"副", 5, 2}});
    EXPECT_EQ(t.Row(1).codes, std::vector<std::string>({"1A5", "", ""}));
    const auto relinked = t.ToLink("表");
    ASSERT_TRUE(relinked);
    EXPECT_EQ(relinked->Table().positions, std::vector<int16_t>({1, 3, 5}));
    EXPECT_EQ(relinked->Table().rows[0].codes, std::vector<double>({0x1A5, 0, 0})) << "empty codes save as 0";
}

TEST(LinkEditTable, AutomaticColouring) {
    LinkEditTable t;
    t.NewTable({{"c", 1, 2}});
    while (t.Rows() > 1) t.RowDelete(1);
    t.AutoColor();
    EXPECT_EQ(t.Row(1).color, 16777215);

    t.RowAdd();
    t.AutoColor();  // 16777215 / 2 rounds to the even 8388608
    EXPECT_EQ(t.Row(1).color, 8388608);
    EXPECT_EQ(t.Row(2).color, 16777215) << "never past white";

    t.NewTable({{"c", 1, 2}});
    t.AutoColor();
    EXPECT_EQ(t.Row(3).color, 3 * 1864135);
}

}  // namespace
}  // namespace analyser::editors
