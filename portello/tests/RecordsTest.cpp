#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "portello.h"

namespace {

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

// The two bytes of a character-time word for `range` and `value`.
std::array<uint8_t, 2> TimeWord(int range, int value) {
    const int word = 0x4000 | (range << 10) | value;
    return {static_cast<uint8_t>(word >> 8), static_cast<uint8_t>(word & 0xFF)};
}

// Lead bytes that would read as an RD data unit if a walk began at offset 0.
constexpr uint8_t kLead0 = 0x82;
constexpr uint8_t kLead1 = 0x00;

std::array<int16_t, 7> SplitAttr(uint8_t attribute, int16_t& result) {
    std::array<int16_t, 7> out;
    out.fill(-1);
    result = AP_GetDataAttr(attribute, &out[0], &out[1], &out[2], &out[3], &out[4], &out[5],
                            &out[6]);
    return out;
}

}  // namespace

TEST(CheckSum, SumsEverythingButTheTrailingCrLf) {
    std::vector<uint8_t> balanced{0x80, 0x80, '\r', '\n'};
    std::vector<uint8_t> unbalanced{0x80, 0x81, '\r', '\n'};
    EXPECT_EQ(AP_CheckSum(balanced.data(), 4), 1);
    EXPECT_EQ(AP_CheckSum(unbalanced.data(), 4), 0);

    // The 'i' (0x69) brings the status line's byte sum to 0 modulo 256.
    std::vector<uint8_t> status = Bytes("$N4,STAT,01,9600,8N1,0042,i\r\n");
    const auto len = static_cast<int32_t>(status.size());
    EXPECT_EQ(AP_CheckSum(status.data(), len), 1);
    status[10] ^= 0x04;
    EXPECT_EQ(AP_CheckSum(status.data(), len), 0);

    std::vector<uint8_t> bare = Bytes("\r\n");
    EXPECT_EQ(AP_CheckSum(bare.data(), 2), 1);
}

TEST(CheckSum, RejectsRecordsShorterThanCrLf) {
    std::vector<uint8_t> zero{0x00, 0x00};
    EXPECT_EQ(AP_CheckSum(zero.data(), 1), 0);
    EXPECT_EQ(AP_CheckSum(zero.data(), 0), 0);
    EXPECT_EQ(AP_CheckSum(zero.data(), -4), 0);
    EXPECT_EQ(AP_CheckSum(nullptr, 4), 0);
}

TEST(GetDataAttr, EachFlagComesFromItsOwnBit) {
    int16_t flam = -1;
    EXPECT_EQ(SplitAttr(0xC8, flam), (std::array<int16_t, 7>{0, 0, 0, 1, 0, 0, 1}));
    EXPECT_EQ(flam, 1);

    for (std::size_t bit = 0; bit < 7; ++bit) {
        std::array<int16_t, 7> expected{};
        expected[bit] = 1;
        EXPECT_EQ(SplitAttr(static_cast<uint8_t>(1u << bit), flam), expected) << "bit " << bit;
        EXPECT_EQ(flam, bit == 6 ? 1 : 0) << "bit " << bit;
    }
    EXPECT_EQ(SplitAttr(0x80, flam), (std::array<int16_t, 7>{}));
    EXPECT_EQ(flam, 0);
}

TEST(GetDataAttr, SkipsNullOutputs) {
    int16_t trig = -1;
    EXPECT_EQ(AP_GetDataAttr(0x48, nullptr, nullptr, nullptr, &trig, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(trig, 1);
}

TEST(UnitWalk, CountsDataUnitsAndSkipsTimeWords) {
    const auto time = TimeWord(1, 0x3C5);  // low byte has bit 7 set
    std::vector<uint8_t> block{kLead0, kLead1, 0x80, 'A', time[0], time[1], 0x82, 'B', 0x00, 0x00};
    int32_t total = -1, sd = -1, rd = -1;
    AP_GetCountAll(block.data(), &total, &sd, &rd);
    EXPECT_EQ(total, 2);
    EXPECT_EQ(sd, 1);
    EXPECT_EQ(rd, 1);

    EXPECT_EQ(AP_GetCountInf(2, block.data(), 1), 6);
    EXPECT_EQ(AP_GetCountInf(1, block.data(), 1), 2);
    EXPECT_EQ(AP_GetCountInf(0, block.data(), 2), 6);
    EXPECT_EQ(AP_GetCountInf(0, block.data(), 0), 2);
    EXPECT_EQ(AP_GetCountInf(1, block.data(), 2), 0);  // only one SD unit
    EXPECT_EQ(AP_GetCountInf(0, block.data(), 3), 0);
    EXPECT_EQ(AP_GetCountInf(3, block.data(), 1), 0);
    EXPECT_EQ(AP_GetCountInf(-1, block.data(), 1), 0);
}

TEST(UnitWalk, TimeWordsAreCheckedAgainstTheCountToo) {
    const auto time = TimeWord(0, 5);
    std::vector<uint8_t> block{kLead0, kLead1, time[0], time[1], 0x80, 'A', 0x00, 0x00};
    EXPECT_EQ(AP_GetCountInf(1, block.data(), 0), 2);
    EXPECT_EQ(AP_GetCountInf(1, block.data(), 1), 4);
}

TEST(UnitWalk, EmptyBlockAndNullPointers) {
    std::vector<uint8_t> block{kLead0, kLead1, 0x00, 0x80, 'A', 0x00};
    int32_t total = -1, sd = -1, rd = -1;
    AP_GetCountAll(block.data(), &total, &sd, &rd);
    EXPECT_EQ(total, 0);
    EXPECT_EQ(sd, 0);
    EXPECT_EQ(rd, 0);
    EXPECT_EQ(AP_GetCountInf(0, block.data(), 0), 0);
    EXPECT_EQ(AP_GetCountInf(2, block.data(), 1), 0);

    total = sd = rd = -1;
    AP_GetCountAll(nullptr, &total, &sd, &rd);
    AP_GetCountAll(block.data(), nullptr, &sd, &rd);
    EXPECT_EQ(sd, -1);
    EXPECT_EQ(AP_GetCountInf(0, nullptr, 0), 0);
}

class CreateDspData : public ::testing::Test {
protected:
    static constexpr uint8_t kFill = 0xA5;
    static constexpr uint32_t kCapacity = 3;

    void SetUp() override { std::memset(table_.data(), kFill, sizeof table_); }

    // Every byte of record `slot` that AP_CreateDspData may not write.
    bool CallerBytesIntact(std::size_t slot) const {
        const auto* bytes = reinterpret_cast<const uint8_t*>(&table_[slot]);
        for (std::size_t i = 0; i < sizeof(DisplayRecord); ++i) {
            const bool owned = i < 24 || i == 39 || i == 42 || i == 43;
            if (owned && bytes[i] != kFill) return false;
        }
        return true;
    }
    bool Untouched(std::size_t slot) const {
        DisplayRecord fresh;
        std::memset(&fresh, kFill, sizeof fresh);
        return std::memcmp(&fresh, &table_[slot], sizeof fresh) == 0;
    }

    std::array<DisplayRecord, kCapacity> table_;
};

TEST_F(CreateDspData, FillsTheSlotAtIndexAndWrapsAround) {
    const auto time = TimeWord(5, 0x2A7);
    std::vector<uint8_t> block{kLead0, kLead1, 0x99, 'A', time[0], time[1], 0x00, 0x00};
    int32_t index = 2;
    AP_CreateDspData(block.data(), table_.data(), &index, kCapacity);

    EXPECT_EQ(index, 0);
    const DisplayRecord& r = table_[2];
    EXPECT_EQ(r.same, 1);
    EXPECT_EQ(r.rd, 0);
    EXPECT_EQ(r.jis7, 0);
    EXPECT_EQ(r.trig, 1);
    EXPECT_EQ(r.parity, 1);
    EXPECT_EQ(r.over, 0);
    EXPECT_EQ(r.flam, 0);
    EXPECT_EQ(r.data, 'A');
    EXPECT_EQ(r.timeRange, 5);
    EXPECT_EQ(r.timeValue, 0x2A7);
    EXPECT_TRUE(CallerBytesIntact(2));
    EXPECT_TRUE(Untouched(0));
    EXPECT_TRUE(Untouched(1));
}

TEST_F(CreateDspData, FlamUnitIsFollowedByDataNotTime) {
    // 0xC2 has bit 6 set like a time word, but bit 7 makes it a data unit.
    std::vector<uint8_t> block{kLead0, kLead1, 0xC0, 'X', 0xC2, 'Y', 0x00, 0x00};
    table_[0].timeRange = 3;
    table_[0].timeValue = 999;
    int32_t index = 0;
    AP_CreateDspData(block.data(), table_.data(), &index, kCapacity);

    EXPECT_EQ(index, 2);
    EXPECT_EQ(table_[0].flam, 1);
    EXPECT_EQ(table_[0].data, 'X');
    EXPECT_EQ(table_[0].timeRange, 3);  // no time word: kept
    EXPECT_EQ(table_[0].timeValue, 999);
    EXPECT_EQ(table_[1].rd, 1);
    EXPECT_EQ(table_[1].data, 'Y');
    EXPECT_TRUE(CallerBytesIntact(0));
    EXPECT_TRUE(CallerBytesIntact(1));
}

TEST_F(CreateDspData, LeadingTimeWordBelongsToNoRecord) {
    const auto time = TimeWord(7, 0x3FF);
    std::vector<uint8_t> block{kLead0, kLead1, time[0], time[1], 0x80, 'Q', 0x00, 0x00};
    table_[1].timeRange = 2;
    int32_t index = 1;
    AP_CreateDspData(block.data(), table_.data(), &index, kCapacity);

    EXPECT_EQ(index, 2);
    EXPECT_EQ(table_[1].data, 'Q');
    EXPECT_EQ(table_[1].timeRange, 2);
    EXPECT_TRUE(Untouched(0));
    EXPECT_TRUE(Untouched(2));
}

TEST_F(CreateDspData, BadIndexOrTableWritesNothing) {
    std::vector<uint8_t> block{kLead0, kLead1, 0x80, 'A', 0x00, 0x00};
    for (int32_t start : {-1, 3, 100}) {
        int32_t index = start;
        AP_CreateDspData(block.data(), table_.data(), &index, kCapacity);
        EXPECT_EQ(index, start);
    }
    int32_t index = 0;
    AP_CreateDspData(block.data(), table_.data(), &index, 0);
    AP_CreateDspData(block.data(), nullptr, &index, kCapacity);
    AP_CreateDspData(nullptr, table_.data(), &index, kCapacity);
    AP_CreateDspData(block.data(), table_.data(), nullptr, kCapacity);
    EXPECT_EQ(index, 0);
    for (std::size_t slot = 0; slot < kCapacity; ++slot) EXPECT_TRUE(Untouched(slot));
}

TEST(FindChar, WildcardAndSearchWindow) {
    std::vector<uint8_t> data{0x41, 0x42, 0x41, 0x43};
    std::vector<int16_t> pattern{0x41, 256};
    EXPECT_EQ(AP_FindChar(data.data(), 0, 4, pattern.data(), 2), 1);
    EXPECT_EQ(AP_FindChar(data.data(), 1, 4, pattern.data(), 2), 3);
    EXPECT_EQ(AP_FindChar(data.data(), 3, 4, pattern.data(), 2), 0);
    EXPECT_EQ(AP_FindChar(data.data(), 9, 4, pattern.data(), 2), 0);
    EXPECT_EQ(AP_FindChar(data.data(), 0, 1, pattern.data(), 2), 0);  // to < len

    // 41 43 sits at 2..3: found only when `to` lets it end inside the window.
    std::vector<int16_t> tail{0x41, 0x43};
    EXPECT_EQ(AP_FindChar(data.data(), 0, 3, tail.data(), 2), 0);
    EXPECT_EQ(AP_FindChar(data.data(), 0, 4, tail.data(), 2), 3);
}

TEST(FindChar, ComparesUnsignedAndRejectsOutOfRangeValues) {
    std::vector<uint8_t> data{0x10, 0xC3, 0x41};
    std::vector<int16_t> high{0xC3};
    EXPECT_EQ(AP_FindChar(data.data(), 0, 3, high.data(), 1), 2);

    // Each of these has 0x41 as its low byte, and 257 is just past the wildcard.
    for (int16_t bad : {int16_t{0x141}, int16_t{-0xBF}, int16_t{257}, int16_t{-1}}) {
        EXPECT_EQ(AP_FindChar(data.data(), 0, 3, &bad, 1), 0) << bad;
    }
    EXPECT_EQ(AP_FindChar(data.data(), 0, 3, high.data(), 0), 0);
    EXPECT_EQ(AP_FindChar(nullptr, 0, 3, high.data(), 1), 0);
    EXPECT_EQ(AP_FindChar(data.data(), 0, 3, nullptr, 1), 0);
}
