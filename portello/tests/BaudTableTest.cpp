#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "portello.h"

namespace {

constexpr uint16_t kRowCount = 1047;

constexpr std::array<float, 41> kGroupRates{
    50,    75,    100,   110,   134.5, 150,   200,   300,    600,    1200,   1800,
    2000,  2400,  3200,  3600,  4800,  7200,  8000,  9600,   10400,  12000,  12800,
    14400, 16000, 16800, 19200, 24000, 26400, 28800, 32000,  33600,  38400,  48000,
    56000, 57600, 64000, 72000, 76800, 115200, 153600, 230400};

struct Row {
    int16_t group = -1;
    float baud = -1;
    int16_t clockCode = -1;
    int32_t divisor = -1;
    bool operator==(const Row&) const = default;
};

int32_t Get(uint16_t index, Row& row) {
    return AP_GetBaudRateN4(index, &row.group, &row.baud, &row.clockCode, &row.divisor);
}

std::vector<Row> AllRows() {
    std::vector<Row> rows(kRowCount);
    for (uint16_t i = 0; i < kRowCount; ++i) EXPECT_EQ(Get(i, rows[i]), 1) << "row " << i;
    return rows;
}

double ClockHz(int16_t code) {
    switch (code) {
        case 0: return 460800.0;
        case 2: return 576000.0;
        case 4: return 614400.0;
        default: return 0.0;
    }
}

}  // namespace

TEST(BaudTable, RejectsRowsPastTheEndAndNullOutputs) {
    Row row;
    EXPECT_EQ(Get(kRowCount, row), 0);
    EXPECT_EQ(Get(0xFFFF, row), 0);
    EXPECT_EQ(row, Row{});
    EXPECT_EQ(Get(kRowCount - 1, row), 1);

    float baud = -1;
    EXPECT_EQ(AP_GetBaudRateN4(0, nullptr, &baud, &row.clockCode, &row.divisor), 0);
    EXPECT_EQ(baud, -1);
}

TEST(BaudTable, RatesAscendAndEveryDivisorIsWithinTolerance) {
    const std::vector<Row> rows = AllRows();
    double worst = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        if (i > 0) {
            EXPECT_LT(rows[i - 1].baud, r.baud) << "row " << i;
        }
        const double hz = ClockHz(r.clockCode);
        ASSERT_GT(hz, 0) << "row " << i << " clock code " << r.clockCode;
        // Truncating instead of rounding the quotient would break this.
        EXPECT_LE(std::abs(hz / r.baud - r.divisor), 0.5) << "row " << i;
        const double error = std::abs(hz / r.divisor - r.baud) / r.baud;
        EXPECT_LT(error, 0.0125) << "row " << i;
        worst = std::max(worst, error);
    }
    EXPECT_NEAR(worst, 0.01236, 0.00001);
}

TEST(BaudTable, EachGroupEndsAtItsReferenceRate) {
    const std::vector<Row> rows = AllRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        ASSERT_GE(r.group, 0);
        ASSERT_LT(r.group, 41);
        EXPECT_LE(r.baud, kGroupRates[r.group]) << "row " << i;
        if (r.group > 0) {
            EXPECT_GT(r.baud, kGroupRates[r.group - 1]) << "row " << i;
        }
        const bool lastOfGroup = i + 1 == rows.size() || rows[i + 1].group != r.group;
        if (lastOfGroup) {
            EXPECT_EQ(r.baud, kGroupRates[r.group]) << "group " << r.group;
        }
        if (i > 0) {
            EXPECT_LE(rows[i - 1].group, r.group) << "row " << i;
        }
    }
    EXPECT_EQ(rows.front().group, 0);
    EXPECT_EQ(rows.back().group, 40);
}

TEST(BaudTable, KnownRows) {
    struct Known {
        uint16_t index;
        Row row;
    };
    const std::array<Known, 10> known{{
        {0, {0, 10, 0, 46080}},
        {6, {1, 70, 4, 8777}},
        {14, {4, 134.5f, 0, 3426}},
        {101, {9, 1000, 2, 576}},
        {102, {9, 1100, 0, 419}},
        {187, {18, 9600, 0, 48}},
        {282, {25, 19200, 0, 24}},
        {443, {31, 38400, 0, 12}},
        {799, {38, 115200, 0, 4}},
        {1046, {40, 230400, 0, 2}},
    }};
    for (const Known& k : known) {
        Row row;
        EXPECT_EQ(Get(k.index, row), 1);
        EXPECT_EQ(row, k.row) << "row " << k.index << ": group " << row.group << " baud "
                              << row.baud << " code " << row.clockCode << " divisor "
                              << row.divisor;
    }
}

TEST(BaudTable, NoGapUpTo18800ThenAGapAt18900) {
    // Every candidate rate up to 18800 has a row, in candidate order.
    std::vector<float> expected;
    for (int rate = 10; rate <= 1000; rate += 10) {
        if (rate == 80) expected.push_back(75);
        if (rate == 140) expected.push_back(134.5f);
        expected.push_back(static_cast<float>(rate));
    }
    for (int rate = 1100; rate <= 18800; rate += 100) expected.push_back(static_cast<float>(rate));

    const std::vector<Row> rows = AllRows();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(rows[i].baud, expected[i]) << "row " << i;
    }
    EXPECT_GT(rows[expected.size()].baud, 18900.0f);
}
