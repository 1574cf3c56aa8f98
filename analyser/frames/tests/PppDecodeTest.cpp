#include <gtest/gtest.h>

#include "FrameTestFiles.h"
#include "PppDecode.h"

namespace frames {
namespace {

using test::Bytes;

std::vector<DecodedItem> Decode(const std::string& data, std::string* restored = nullptr, int count = 7) {
    std::vector<DecodedItem> items;
    PppFieldsDecode(data, count, items, restored);
    return items;
}

TEST(PppDecode, FullFrameWithAddressAndControl) {
    // 7E FF 7D 23 (control 03, escaped) 00 21 information 45 7D 5E 46, FCS, 7E
    const std::string frame = Bytes({0x7E, 0xFF, 0x7D, 0x23, 0x00, 0x21, 0x45, 0x7D, 0x5E, 0x46, 0x12, 0x34, 0x7E});
    std::string restored;
    const auto items = Decode(frame, &restored);
    EXPECT_EQ(items[0].text, Bytes({0x7E}));
    EXPECT_EQ(items[0].value, 126);
    EXPECT_EQ(items[1].text, Bytes({0xFF}));
    EXPECT_EQ(items[2].text, Bytes({0x03}));
    EXPECT_EQ(items[2].value, 3);
    EXPECT_EQ(items[3].text, Bytes({0x00, 0x21})) << "an even first byte makes a two-byte protocol";
    EXPECT_EQ(items[3].value, 0x21);
    EXPECT_EQ(items[4].text, Bytes({0x45, 0x7E, 0x46}));
    EXPECT_EQ(items[4].value, 0);
    EXPECT_EQ(items[5].text, Bytes({0x12, 0x34}));
    EXPECT_EQ(items[5].value, 0x1234);
    EXPECT_EQ(items[6].text, Bytes({0x7E}));

    EXPECT_EQ(restored, Bytes({0x7E, 0xFF, 0x7D, 0x03, 0x00, 0x21, 0x45, 0x7D, 0x7E, 0x46, 0x12, 0x34, 0x7E}));
    EXPECT_EQ(PppDataOrg(restored), Bytes({0x7E, 0xFF, 0x03, 0x00, 0x21, 0x45, 0x7E, 0x46, 0x12, 0x34, 0x7E}));
}

TEST(PppDecode, WithoutAddressAndControlTheProtocolComesSecond) {
    const auto items = Decode(Bytes({0x7E, 0xC1, 0x01, 0x02, 0xAA, 0xBB, 0x7E}));
    EXPECT_EQ(items[1].text, "");
    EXPECT_EQ(items[2].text, "");
    EXPECT_EQ(items[3].text, Bytes({0xC1})) << "an odd first byte is a one-byte protocol";
    EXPECT_EQ(items[3].value, 0xC1);
    EXPECT_EQ(items[4].text, Bytes({0x01, 0x02}));
    EXPECT_EQ(items[5].value, 0xAABB);
    EXPECT_EQ(items[6].value, 0x7E);
}

TEST(PppDecode, TheFcsIsTakenAsItStands) {
    // An escape inside the FCS is not undone, and FrameDataOrg keeps it.
    std::string restored;
    const auto items = Decode(Bytes({0x7E, 0x21, 0x01, 0x7D, 0x5E, 0x7E}), &restored);
    EXPECT_EQ(items[4].text, Bytes({0x01}));
    EXPECT_EQ(items[5].text, Bytes({0x7D, 0x5E}));
    EXPECT_EQ(PppDataOrg(restored), Bytes({0x7E, 0x21, 0x01, 0x7D, 0x5E, 0x7E}));
}

TEST(PppDecode, NoOpeningFlagOrTooFewItemsDecodesNothing) {
    for (const auto& items : {Decode(Bytes({0x41, 0xFF, 0x03, 0x21, 0x7E})),
                              Decode(Bytes({0x7E, 0xFF, 0x03, 0x21, 0x7E}), nullptr, 6), Decode("")}) {
        for (const DecodedItem& item : items) EXPECT_EQ(item.text, "");
    }
    EXPECT_EQ(Decode(Bytes({0x41})).size(), 7u);
    EXPECT_EQ(Decode(Bytes({0x41}), nullptr, 9).size(), 9u);
    // Cut short: the items read before the end stay.
    const auto cut = Decode(Bytes({0x7E, 0xFF, 0x7D}));
    EXPECT_EQ(cut[1].text, Bytes({0xFF}));
    EXPECT_EQ(cut[2].text, "");
}

}  // namespace
}  // namespace frames
