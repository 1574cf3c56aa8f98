// The unit's maintenance lines: memory read, buzzer, S-record download.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UnitModel.h"

namespace unitsim {
namespace {

using Replies = std::vector<std::string>;

std::string Hex2(uint32_t v) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(v >> 4) & 0xF], kDigits[v & 0xF]};
}

TEST(UnitMaintenance, AMemoryReadAnswersWithTheBytesItAnnounces) {
    UnitModel unit {UnitOptions {}};
    const Replies four = unit.Receive("mr00FFFE04");
    ASSERT_EQ(four.size(), 1u);
    std::string expected = "MR00FFFE04";
    for (uint32_t a = 0xFFFE; a < 0x10002; ++a) expected += Hex2(UnitMaintenance::MemoryByte(a));
    EXPECT_EQ(four[0], expected + "\r\n");
    // "00" is 256 bytes.
    const Replies all = unit.Receive("mr12345600");
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].size(), 10u + 512u + 2u);
    // A bad read is no command; neither is an S line outside a download.
    EXPECT_TRUE(unit.Receive("mr1234560G").empty());
    EXPECT_TRUE(unit.Receive("S9030000FC").empty());

    UnitOptions shortReply;
    shortReply.maintenance.memoryReplyBytes = 3;
    UnitModel faulty {shortReply};
    EXPECT_EQ(faulty.Receive("mr00000010")[0].size(), 10u + 6u + 2u);
}

TEST(UnitMaintenance, TheBuzzerIsSilentOnTheLine) {
    UnitModel unit {UnitOptions {}};
    EXPECT_TRUE(unit.Receive("z12").empty());
    EXPECT_EQ(unit.Maintenance().LastBuzzer(), "z12");
    EXPECT_TRUE(unit.Receive("z13").empty());
    EXPECT_EQ(unit.Maintenance().LastBuzzer(), "z12") << "no such duration";
}

TEST(UnitMaintenance, ADownloadTakesEveryLineUntilItsEndAndAnswersOnce) {
    UnitModel unit {UnitOptions {}};
    EXPECT_TRUE(unit.Receive("d1321").empty());
    EXPECT_TRUE(unit.Maintenance().Downloading());
    // Inside a download even "S1" and "v" are download lines.
    EXPECT_TRUE(unit.Receive("S1050000AABB95").empty());
    EXPECT_TRUE(unit.Receive("v").empty());
    EXPECT_EQ(unit.Receive("d9FFF"), Replies {"D3\r\n"}) << "\"v\" is no S-record line";
    const UnitMaintenance& m = unit.Maintenance();
    EXPECT_FALSE(m.Downloading());
    EXPECT_EQ(m.DownloadOpened(), "d1321");
    EXPECT_EQ(m.DownloadClosed(), "d9FFF");
    EXPECT_EQ(m.DownloadLines(), (std::vector<std::string> {"S1050000AABB95", "v"}));

    unit.Receive("d0000");
    unit.Receive("S1050000AABB95");
    unit.Receive("S9030000FC");
    EXPECT_EQ(unit.Receive("d9FFF"), Replies {"D0\r\n"});
    EXPECT_EQ(m.DownloadsDone(), 2);
    EXPECT_EQ(unit.Receive("v").size(), 1u) << "the unit answers as before";

    UnitOptions refusing;
    refusing.maintenance.downloadResult = 1;
    UnitModel faulty {refusing};
    faulty.Receive("d0000");
    EXPECT_EQ(faulty.Receive("d9FFF"), Replies {"D1\r\n"});
}

TEST(UnitMaintenance, SRecordChecksums) {
    EXPECT_TRUE(SRecordChecksumGood("S9030000FC"));
    EXPECT_TRUE(SRecordChecksumGood("S1050000AABB95"));
    EXPECT_FALSE(SRecordChecksumGood("S1050000AABB96"));
    EXPECT_FALSE(SRecordChecksumGood("S1060000AABB95"));
    EXPECT_FALSE(SRecordChecksumGood("hello"));
}

}  // namespace
}  // namespace unitsim
