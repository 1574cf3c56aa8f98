#include "VbFormat.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(VbFormat, ZeroPadsAndNeverCutsIntegerDigits) {
    EXPECT_EQ(FormatNumber(5, "00"), "05");
    EXPECT_EQ(FormatNumber(7, "0000000"), "0000007");
    EXPECT_EQ(FormatNumber(12345, "00"), "12345");
    EXPECT_EQ(FormatNumber(0, "##0"), "0");
    EXPECT_EQ(FormatNumber(5, "0##"), "005");
}

TEST(VbFormat, RoundsHalfAwayFromZeroOnTheDecimalValue) {
    EXPECT_EQ(FormatNumber(2.5, "0"), "3");
    EXPECT_EQ(FormatNumber(-2.5, "0"), "-3");
    EXPECT_EQ(FormatNumber(0.05, "0.0"), "0.1");
    EXPECT_EQ(FormatNumber(1.005, "0.00"), "1.01");
    EXPECT_EQ(FormatNumber(9.96, "0.0"), "10.0");
    EXPECT_EQ(FormatNumber(0.04, "#0.0"), "0.0");
}

TEST(VbFormat, NegativeZeroIsNeverShown) {
    EXPECT_EQ(FormatNumber(-0.4, "0"), "0");
    EXPECT_EQ(FormatNumber(-0.04, "0.0"), "0.0");
    EXPECT_EQ(FormatNumber(-0.06, "0.0"), "-0.1");
    EXPECT_EQ(FormatNumber(-12, "000"), "-012");
}

TEST(VbFormat, OptionalDecimalsAndTheBarePoint) {
    EXPECT_EQ(FormatNumber(5, "0.#"), "5.");
    EXPECT_EQ(FormatNumber(5.25, "0.#"), "5.3");
    EXPECT_EQ(FormatNumber(4.96, "0.#"), "5.");
    EXPECT_EQ(FormatNumber(0.5, ".000"), ".500");
    EXPECT_EQ(FormatNumber(1.5, ".000"), "1.500");
}

TEST(VbFormat, GroupsThousands) {
    EXPECT_EQ(FormatNumber(0, "###,###"), "");
    EXPECT_EQ(FormatNumber(1234567, "###,###"), "1,234,567");
    EXPECT_EQ(FormatNumber(123456789, "###,###,###"), "123,456,789");
    EXPECT_EQ(FormatNumber(-1234.6, "###,###"), "-1,235");
    EXPECT_EQ(FormatNumber(1234567, "#,##0,"), "1,235");  // trailing comma scales
}

TEST(VbFormat, LiteralsAroundAndEmptyPattern) {
    EXPECT_EQ(FormatNumber(5, "[00]"), "[05]");
    EXPECT_EQ(FormatNumber(-1e-5, ""), "-0.00001");
}

TEST(VbFormat, GeneralNumberIsTheShortestFifteenDigitText) {
    EXPECT_EQ(GeneralNumber(65), "65");
    EXPECT_EQ(GeneralNumber(1.5), "1.5");
    EXPECT_EQ(GeneralNumber(0), "0");
    EXPECT_EQ(GeneralNumber(-0.0), "0");
    EXPECT_EQ(GeneralNumber(-1), "-1");
    EXPECT_EQ(GeneralNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(GeneralNumber(123456789012345), "123456789012345");
    EXPECT_EQ(GeneralNumber(1e15), "1E+15");
    EXPECT_EQ(GeneralNumber(1e16), "1E+16");
    EXPECT_EQ(GeneralNumber(72057594037927935.0), "7.20575940379279E+16");
    EXPECT_EQ(GeneralNumber(999999999999999.9), "1E+15");
    EXPECT_EQ(GeneralNumber(0.0001), "0.0001");
    EXPECT_EQ(GeneralNumber(0.00001), "1E-05");
    EXPECT_EQ(GeneralNumber(-1.5e-7), "-1.5E-07");
    EXPECT_EQ(GeneralNumber(1.5e200), "1.5E+200");
}

TEST(VbFormat, HexUpperPadsButNeverCuts) {
    EXPECT_EQ(HexUpper(10), "A");
    EXPECT_EQ(HexUpper(10, 2), "0A");
    EXPECT_EQ(HexUpper(0xBEEF, 2), "BEEF");
    EXPECT_EQ(HexUpper(0xFFFFFFFFu), "FFFFFFFF");
}

}  // namespace
}  // namespace platform
