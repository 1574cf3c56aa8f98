#include <gtest/gtest.h>

#include "SharedFunctions.h"

namespace store {
namespace {

TEST(HexToInt, ReadsExactlyNDigitsAndRejectsBadOrShortText) {
    EXPECT_EQ(HexToInt("1f", 2), 31);
    EXPECT_EQ(HexToInt("1F", 2), 31);
    EXPECT_EQ(HexToInt("1fZZ", 2), 31) << "characters past n are not read";
    EXPECT_EQ(HexToInt("G1", 2), -1);
    EXPECT_EQ(HexToInt("1G", 2), -1);
    EXPECT_EQ(HexToInt("7", 2), -1) << "a missing character is invalid";
    EXPECT_EQ(HexToInt("", 1), -1);
    EXPECT_EQ(HexToInt(" 1", 2), -1);
    EXPECT_EQ(HexToInt("-1", 2), -1);
    EXPECT_EQ(HexToInt("abc", 0), 0);
    EXPECT_EQ(HexToInt("00", 2), 0);
}

TEST(HexToInt, OverflowOfTheResultTypeIsInvalidNotWrapped) {
    EXPECT_EQ(HexToInt("7FFF", 4), 32767);
    EXPECT_EQ(HexToInt("8000", 4), -1);
    EXPECT_EQ(HexToInt("FFFF", 4), -1);
    EXPECT_EQ(HexToInt<int32_t>("8000", 4), 32768);
    EXPECT_EQ(HexToInt<int32_t>("00FF8000", 8), 0xFF8000);
    EXPECT_EQ(HexToInt<int32_t>("7FFFFFFF", 8), 2147483647);
    EXPECT_EQ(HexToInt<int32_t>("80000000", 8), -1);
    EXPECT_EQ(HexToInt<int32_t>("FFFFFFFFF", 9), -1);
}

TEST(CutCommaField, TakesTrimmedFieldsThenKeepsReturningTheLastOneWhole) {
    std::string source = " AB , CD";
    EXPECT_EQ(CutCommaField(source), "AB");
    EXPECT_EQ(source, " CD");
    EXPECT_EQ(CutCommaField(source), " CD") << "the last field is not trimmed";
    EXPECT_EQ(source, " CD");
    EXPECT_EQ(CutCommaField(source), " CD");

    std::string empties = "a,,b";
    EXPECT_EQ(CutCommaField(empties), "a");
    EXPECT_EQ(CutCommaField(empties), "");
    EXPECT_EQ(CutCommaField(empties), "b");
}

TEST(CutCommaField, WithoutACommaStopsAtTheFirstCr) {
    std::string line = "AB\r\n";
    EXPECT_EQ(CutCommaField(line), "AB");
    EXPECT_EQ(line, "AB\r\n");

    std::string field = "x,  tail \r\nnext";
    EXPECT_EQ(CutCommaField(field), "x");
    EXPECT_EQ(CutCommaField(field), "  tail ");

    std::string nothing;
    EXPECT_EQ(CutCommaField(nothing), "");
}

TEST(GetHexErrText, GivesOneLetterPerFlagCombinationAndTwoHexDigits) {
    EXPECT_EQ(GetHexErrText(65, 0, 0, 0), " 41");
    EXPECT_EQ(GetHexErrText(65, 1, 0, 0), "p41");
    EXPECT_EQ(GetHexErrText(65, 0, 1, 0), "o41");
    EXPECT_EQ(GetHexErrText(65, 0, 0, 1), "f41");
    EXPECT_EQ(GetHexErrText(65, 1, 1, 0), "q41");
    EXPECT_EQ(GetHexErrText(65, 1, 0, 1), "j41");
    EXPECT_EQ(GetHexErrText(65, 0, 1, 1), "i41");
    EXPECT_EQ(GetHexErrText(65, 1, 1, 1), "x41");
    EXPECT_EQ(GetHexErrText(13, 0, 0, 0), " 0D");
    EXPECT_EQ(GetHexErrText(0, 0, 0, 0), " 00");
    EXPECT_EQ(GetHexErrText(255, 0, 0, 1), "fFF");
    EXPECT_EQ(GetHexErrText(65, 2, 0, 0), " 41") << "only 0 and 1 are flags";
    EXPECT_EQ(GetHexErrText(256, 0, 0, 0), "");
    EXPECT_EQ(GetHexErrText(-1, 1, 0, 0), "");
}

}  // namespace
}  // namespace store
