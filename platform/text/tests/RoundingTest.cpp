#include "Rounding.h"

#include <gtest/gtest.h>

#include <cmath>

namespace platform {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbourOthersToTheNearest) {
    const std::pair<double, double> cases[] = {
        {0.5, 0.0},   {1.5, 2.0},         {2.5, 2.0},        {3.5, 4.0},
        {-0.5, 0.0},  {-1.5, -2.0},       {-2.5, -2.0},      {2.4999999, 2.0},
        {-7.0, -7.0}, {2.5000001, 3.0},   {-2.5000001, -3.0}, {0x1p52 + 1, 0x1p52 + 1},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(BankersRound(value), expected) << value;
}

TEST(Rounding, IntegerConversionChecksRangeAfterRounding) {
    EXPECT_EQ(ToInt16(32766.5), 32766);
    EXPECT_EQ(ToInt16(32767.5), std::nullopt);  // rounds to 32768
    EXPECT_EQ(ToInt16(-32768.5), -32768);
    EXPECT_EQ(ToInt16(-32768.6), std::nullopt);
    EXPECT_EQ(ToInt16(std::nan("")), std::nullopt);
    EXPECT_EQ(ToInt32(2147483646.5), 2147483646);
    EXPECT_EQ(ToInt32(2147483647.5), std::nullopt);
    EXPECT_EQ(ToInt32(-2147483648.5), INT32_MIN);
    EXPECT_EQ(ToInt32(-HUGE_VAL), std::nullopt);
}

}  // namespace
}  // namespace platform
