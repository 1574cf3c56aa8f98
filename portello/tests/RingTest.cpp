#include <gtest/gtest.h>

#include <vector>

#include "portello.h"

namespace {

constexpr int32_t kRing = 65536;

class RingTest : public ::testing::Test {
protected:
    void SetUp() override {
        AP_CloseMap();
        ASSERT_EQ(AP_CreateMap(), 1);
    }
    void TearDown() override { AP_CloseMap(); }

    static std::vector<uint8_t> Pattern(size_t n, uint8_t seed) {
        std::vector<uint8_t> v(n);
        for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(seed + i * 7);
        return v;
    }
    static int32_t Write(std::vector<uint8_t> v) {
        return AP_WriteMap(v.data(), static_cast<int32_t>(v.size()));
    }
    static std::vector<uint8_t> Drain(size_t max = kRing) {
        std::vector<uint8_t> out;
        uint8_t b = 0;
        while (out.size() < max && AP_ReadMap(&b) == 1) out.push_back(b);
        return out;
    }
};

TEST(RingWithoutMap, CallsBeforeCreateFailAndTouchNothing) {
    AP_CloseMap();
    uint8_t data[3] = {1, 2, 3};
    uint8_t out = 0x5A;
    EXPECT_EQ(AP_WriteMap(data, 3), 0);
    EXPECT_EQ(AP_ReadMap(&out), 0);
    EXPECT_EQ(AP_Recv(&out), 0);
    EXPECT_EQ(out, 0x5A);
    AP_ClearBuff();
    EXPECT_EQ(AP_CloseMap(), 0);
    EXPECT_EQ(AP_CommRecv(), 0);
}

TEST_F(RingTest, NewRingIsEmptyAndTakesNullAndZeroLengthSafely) {
    uint8_t out = 0x33;
    EXPECT_EQ(AP_ReadMap(&out), 0);
    EXPECT_EQ(out, 0x33);
    EXPECT_EQ(AP_WriteMap(nullptr, 0), 1);
    EXPECT_EQ(AP_WriteMap(nullptr, 4), 0);
    uint8_t one = 9;
    EXPECT_EQ(AP_WriteMap(&one, -1), 0);
    EXPECT_EQ(AP_ReadMap(nullptr), 0);
    EXPECT_EQ(AP_ReadMap(&out), 0);
    // A second create keeps the ring that exists.
    EXPECT_EQ(AP_WriteMap(&one, 1), 1);
    EXPECT_EQ(AP_CreateMap(), 1);
    EXPECT_EQ(AP_Recv(&out), 1);
    EXPECT_EQ(out, 9);
}

TEST_F(RingTest, WriteIsAllOrNothingAtTheExactFreeSpaceBoundary) {
    EXPECT_EQ(Write(Pattern(kRing, 0)), 0);
    EXPECT_EQ(Drain().size(), 0u);

    EXPECT_EQ(Write(Pattern(65000, 1)), 1);
    EXPECT_EQ(Write(Pattern(536, 2)), 0);
    EXPECT_EQ(Write(Pattern(535, 3)), 1);
    EXPECT_EQ(Write(Pattern(1, 4)), 0);

    std::vector<uint8_t> expected = Pattern(65000, 1);
    const auto tail = Pattern(535, 3);
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(Drain(), expected);

    AP_ClearBuff();
    EXPECT_EQ(Write(Pattern(65535, 5)), 1);
    EXPECT_EQ(Write(Pattern(1, 6)), 0);
    AP_ClearBuff();
    EXPECT_EQ(Drain().size(), 0u);
}

TEST_F(RingTest, WrappingWriteStopsShortOfTheReadIndexAndKeepsOrder) {
    ASSERT_EQ(Write(Pattern(65530, 10)), 1);
    ASSERT_EQ(Drain(10).size(), 10u);  // read index 10, write index 65530

    EXPECT_EQ(Write(Pattern(16, 20)), 0);
    EXPECT_EQ(Write(Pattern(15, 30)), 1);  // 6 at the end, 9 at the front
    EXPECT_EQ(Write(Pattern(1, 40)), 0);

    const auto got = Drain();
    ASSERT_EQ(got.size(), 65520u + 15u);
    const auto front = Pattern(65530, 10);
    EXPECT_TRUE(std::equal(got.begin(), got.begin() + 65520, front.begin() + 10));
    EXPECT_EQ(std::vector<uint8_t>(got.end() - 15, got.end()), Pattern(15, 30));

    // The write index now stands at 9 and the read index caught up with it:
    // the next bytes go in and come out from there, in order, many times round.
    for (int round = 0; round < 5; ++round) {
        const auto block = Pattern(40000, static_cast<uint8_t>(round));
        ASSERT_EQ(Write(block), 1);
        ASSERT_EQ(Drain(), block);
    }
}

}  // namespace
