// The maintenance lines and the checks of the maintenance window's boxes.
#include <gtest/gtest.h>

#include "ExtensionCommands.h"

namespace mon {
namespace {

TEST(ExtensionCommands, LinesToTheUnit) {
    EXPECT_EQ(MemoryReadLine(0x1234, 0x10), "mr00123410\r\n");
    EXPECT_EQ(MemoryReadLine(0x12ABCDEF, 0), "mrABCDEF00\r\n") << "the last six digits";
    EXPECT_EQ(BuzzerLine(0, 0), "z00\r\n");
    EXPECT_EQ(BuzzerLine(1, 1), "z11\r\n");
    EXPECT_EQ(BuzzerLine(0, 2), "z02\r\n");
    // Only the first three characters of the boxes go, in reverse order.
    EXPECT_EQ(DownloadStartLine(kFlashRom, "123456"), "d0321\r\n");
    EXPECT_EQ(DownloadStartLine(kStaticRam, "123456"), "d1321\r\n");
    EXPECT_EQ(DownloadEndLine("FFFFFF"), "d9FFF\r\n");
    EXPECT_EQ(DownloadEndLine("a0b1c2"), "d9b0a\r\n");
}

TEST(ExtensionCommands, BoxesAcceptOnlyHexDigits) {
    EXPECT_EQ(AddressEntry(""), 0u);
    EXPECT_EQ(AddressEntry("abc"), 0xABCu);
    EXPECT_EQ(AddressEntry("12345678"), 0x12345678u);
    EXPECT_FALSE(AddressEntry("12G"));
    EXPECT_FALSE(AddressEntry("FFFFFFFFF")) << "beyond 32 bits";

    EXPECT_EQ(LengthEntry("FF"), 255);
    EXPECT_EQ(LengthEntry("00"), 0);
    EXPECT_FALSE(LengthEntry("5")) << "two digits are needed";
    EXPECT_FALSE(LengthEntry("0G"));
    EXPECT_FALSE(LengthEntry(""));

    EXPECT_TRUE(SixHexDigits("FFFFFF"));
    EXPECT_TRUE(SixHexDigits("00a0b0"));
    EXPECT_FALSE(SixHexDigits("FFFFF"));
    EXPECT_FALSE(SixHexDigits("FFFFFG"));
    EXPECT_EQ(HexDigits(0x0ABCDEF, 6), "ABCDEF");
    EXPECT_EQ(HexDigits(5, 2), "05");
}

}  // namespace
}  // namespace mon
