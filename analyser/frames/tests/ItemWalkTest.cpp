#include <gtest/gtest.h>

#include "FrameTestFiles.h"
#include "ItemWalk.h"
#include "clsFrameConfig.h"

namespace frames {
namespace {

using test::Bytes;
using test::Config;

std::vector<DecodedItem> Walk(const std::string& data, const clsFrameConfig& config, bool* ok = nullptr) {
    std::vector<DecodedItem> items;
    const bool result = ItemFieldsDecode(data, config, items);
    if (ok) *ok = result;
    return items;
}

TEST(ItemWalk, BitMasks) {
    EXPECT_EQ(LowBitMask(0), 0xFF);
    EXPECT_EQ(LowBitMask(6), 0x03);
    EXPECT_EQ(LowBitMask(8), 0);
    EXPECT_EQ(HighBitMask(0), 0x00);
    EXPECT_EQ(HighBitMask(1), 0x80);
    EXPECT_EQ(HighBitMask(7), 0xFE);
    EXPECT_EQ(HighBitMask(-1), 0);
}

TEST(ItemWalk, AThreeBitItemAtBitOffsetSixIsRightAligned) {
    const auto config = Config({{"head", kItemCode, 6}, {"three", kItemCode, 3}, {"rest", kItemCode, 7}});
    bool ok = false;
    const auto items = Walk(Bytes({0xFF, 0x80}), config, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(items[0].text, Bytes({0xFC}));
    EXPECT_EQ(items[0].value, 63);
    EXPECT_EQ(items[1].text, Bytes({0x03, 0x80}));
    EXPECT_EQ(items[1].value, 7);
    EXPECT_EQ(items[2].text, Bytes({0x00}));
    EXPECT_EQ(items[2].value, 0);

    const auto other = Walk(Bytes({0x02, 0x7F}), config);
    EXPECT_EQ(other[1].value, 4);  // bits 1, 0, 0
    EXPECT_EQ(other[2].value, 0x7F);
}

TEST(ItemWalk, ALengthItemCoversAVariableItemAndTheFixedOnesAfterIt) {
    const auto config = Config({{"len", kItemLength, 8},
                                {"var", kItemData, 0, 1},
                                {"crc", kItemData, 16, 1},
                                {"tail", kItemCode, 8}});
    bool ok = false;
    const auto items = Walk(Bytes({0x04, 0xAA, 0xBB, 0xC1, 0xC2, 0x55}), config, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(items[0].value, 4);
    EXPECT_EQ(items[1].text, Bytes({0xAA, 0xBB})) << "32 - 16 = 16 bit positions";
    EXPECT_EQ(items[2].text, Bytes({0xC1, 0xC2}));
    EXPECT_EQ(items[2].value, 0xC1C2);
    EXPECT_EQ(items[3].value, 0x55);

    // The unit counts several bytes per length step.
    auto wide = Config({{"len", kItemLength, 8, 0, 2}, {"var", kItemData, 0, 1}, {"tail", kItemCode, 8}});
    const auto w = Walk(Bytes({0x02, 1, 2, 3, 4, 0x99}), wide);
    EXPECT_EQ(w[1].text, Bytes({1, 2, 3, 4}));
    EXPECT_EQ(w[2].value, 0x99);
}

TEST(ItemWalk, AnItemWhoseLengthIsZeroTakesNoBytes) {
    const auto config = Config({{"len", kItemLength, 8}, {"var", kItemData, 0, 1}, {"next", kItemCode, 8}});
    const auto items = Walk(Bytes({0x00, 0x42}), config);
    EXPECT_EQ(items[1].text, "");
    EXPECT_EQ(items[1].value, 0);
    EXPECT_EQ(items[2].value, 0x42);
}

TEST(ItemWalk, EightBytesOrMoreHaveNoValue) {
    EXPECT_EQ(BytesToDouble(Bytes({1, 2, 3, 4, 5, 6, 7})), 0x01020304050607);
    EXPECT_EQ(BytesToDouble(std::string(8, '\x01')), 0);
    EXPECT_EQ(BytesToDouble(""), 0);
    const auto items = Walk(std::string(8, '\x01'), Config({{"big", kItemData, 64}}));
    EXPECT_EQ(items[0].text, std::string(8, '\x01'));
    EXPECT_EQ(items[0].value, 0);
}

TEST(ItemWalk, RunningOutOfBytesKeepsWhatWasFound) {
    const auto config = Config({{"a", kItemCode, 8}, {"b", kItemCode, 24}, {"c", kItemCode, 8}});
    bool ok = true;
    const auto items = Walk(Bytes({0x11, 0x22, 0x33}), config, &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(items[1].text, Bytes({0x22, 0x33}));
    EXPECT_EQ(items[1].value, 0x2233);
    EXPECT_EQ(items[2].text, "");
    // Beyond the frame's bytes a hostile length leads nowhere.
    const auto hostile = Config({{"len", kItemLength, 8, 0, 32767}, {"var", kItemData, 0, 1}});
    const auto h = Walk(Bytes({0xFF, 1, 2}), hostile, &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(h[1].text, Bytes({1, 2}));
}

}  // namespace
}  // namespace frames
