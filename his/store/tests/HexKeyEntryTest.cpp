#include "HexKeyEntry.h"

#include <gtest/gtest.h>

#include "CodeTable.h"

namespace store {
namespace {

TEST(HexKeyEntry, TwoHexDigitsOrOneStarOrDashMakeACell) {
    HexKeyEntry entry;
    EXPECT_EQ(entry.KeyTyped('4'), std::nullopt);
    EXPECT_TRUE(entry.Pending());
    EXPECT_EQ(entry.KeyTyped('1'), PatternCell::Byte(0x41));
    EXPECT_FALSE(entry.Pending());
    entry.KeyTyped('a');
    EXPECT_EQ(entry.KeyTyped('f'), PatternCell::Byte(0xAF)) << "either case";
    EXPECT_EQ(entry.KeyTyped('*'), PatternCell::Any());
    EXPECT_EQ(entry.KeyTyped('-'), PatternCell{});
}

TEST(HexKeyEntry, ABadPairKeepsItsFirstKeyUntilCleared) {
    HexKeyEntry entry;
    entry.KeyTyped('4');
    EXPECT_EQ(entry.KeyTyped('G'), std::nullopt);
    EXPECT_EQ(entry.KeyTyped('*'), std::nullopt) << "a pending key pairs with a star too";
    EXPECT_EQ(entry.KeyTyped('2'), PatternCell::Byte(0x42));

    entry.KeyTyped('G');
    EXPECT_EQ(entry.KeyTyped('1'), std::nullopt);
    EXPECT_EQ(entry.KeyTyped('F'), std::nullopt) << "G is paired with every key";
    entry.Clear();
    entry.KeyTyped('0');
    EXPECT_EQ(entry.KeyTyped('D'), PatternCell::Byte(0x0D));
}

TEST(HexKeyEntry, CellsShowTheCodeTableTexts) {
    CodeTableRead();
    EXPECT_EQ(PatternCellHex(PatternCell::Byte(0x0D)), "0D");
    EXPECT_EQ(PatternCellHex(PatternCell::Any()), "**");
    EXPECT_EQ(PatternCellHex(PatternCell{}), "");
    EXPECT_EQ(PatternCellText(PatternCell::Byte(0x41), kFormEbcdic), CodeTable[kFormEbcdic][0x41]);
    EXPECT_EQ(PatternCellText(PatternCell::Byte(0x41), 9), CodeTable[kFormAscii][0x41]) << "outside the table: ASCII";
    EXPECT_EQ(PatternCellText(PatternCell::Any(), kFormAscii), "**");
    EXPECT_EQ(PatternCellOfKeys('-', '-'), PatternCell{});
    EXPECT_EQ(PatternCellOfKeys('0', ' '), std::nullopt);
}

}  // namespace
}  // namespace store
