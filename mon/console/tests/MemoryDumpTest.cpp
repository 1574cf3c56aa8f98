// The memory-read reply as dump rows.
#include <gtest/gtest.h>

#include <string>

#include "ExtensionCommands.h"
#include "MemoryDump.h"

namespace mon {
namespace {

// The unit's reply for count bytes from address, sending only `send` of them.
std::string Reply(uint32_t address, int count, int send) {
    std::string reply = "mr" + HexDigits(address, 6) + HexDigits(static_cast<uint32_t>(count), 2);
    for (int k = 0; k < send; ++k) reply += HexDigits(static_cast<uint32_t>((k * 3 + 0x41) & 0xFF), 2);
    return reply + "\r\n";
}

TEST(MemoryDump, CountZeroIs256BytesIn16Rows) {
    const auto rows = DumpRows(Reply(0x001000, 0, 256));
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows[0].address, "001000");
    EXPECT_EQ(rows[15].address, "0010F0");
    EXPECT_EQ(rows[0].bytes[0], "41");
    EXPECT_EQ(rows[0].bytes[1], "44");
    EXPECT_EQ(rows[15].bytes[15], HexDigits((255 * 3 + 0x41) & 0xFF, 2));
    EXPECT_EQ(rows[0].text1, "ADGJMPSV");
}

TEST(MemoryDump, TwentyBytesFillARowAndFourOfTheNext) {
    const auto rows = DumpRows(Reply(0xFFFFF0, 20, 20));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].address, "000000") << "the address wraps at six digits";
    EXPECT_EQ(rows[1].bytes[3], HexDigits((19 * 3 + 0x41) & 0xFF, 2));
    EXPECT_TRUE(rows[1].bytes[4].empty());
    EXPECT_EQ(rows[1].text1.size(), 4u);
    EXPECT_TRUE(rows[1].text2.empty());
}

TEST(MemoryDump, AShortReplyShowsOnlyTheBytesThatCame) {
    const auto rows = DumpRows(Reply(0x200, 0x30, 5));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].bytes[4], HexDigits((4 * 3 + 0x41) & 0xFF, 2));
    EXPECT_TRUE(rows[0].bytes[5].empty());
    EXPECT_EQ(rows[0].text1, "ADGJM");
    // Half a pair and a broken pair end the bytes too.
    EXPECT_EQ(DumpRows("mr000000044142434").size(), 1u);
    EXPECT_EQ(DumpRows("mr0000000441Z2\r\n")[0].bytes[1], "");
    EXPECT_TRUE(DumpRows("mr00G000044142\r\n").empty()) << "no address";
    EXPECT_TRUE(DumpRows("mr\r\n").empty());
    EXPECT_TRUE(DumpRows("").empty());
}

TEST(MemoryDump, CharactersOfTheCodePage) {
    EXPECT_EQ(DumpChar(0x1F), " ");
    EXPECT_EQ(DumpChar(0x7F), " ");
    EXPECT_EQ(DumpChar('A'), "A");
    EXPECT_EQ(DumpChar(0xB1), "ｱ");
    EXPECT_EQ(DumpChar(0x81), " ") << "a lead byte alone is no character";
    const auto rows = DumpRows("mr0000000841000D20B17E8182E0\r\n");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].text1, "A   ｱ~  ");
}

}  // namespace
}  // namespace mon
