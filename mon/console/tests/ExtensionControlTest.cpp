// The maintenance window's dealings with the unit, on a fake library.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExtensionControl.h"
#include "FakePortello.h"

namespace mon {
namespace {

class BreakRecorder : public test::FakePortello {
public:
    int32_t SetBreak() override { breaks.push_back(true); return 1; }
    int32_t ClearBreak() override { breaks.push_back(false); return 1; }
    std::vector<bool> breaks;
};

class ExtensionControlTest : public ::testing::Test {
protected:
    BreakRecorder api_;
    test::FakeClock clock_;
    LineIo io_{api_, clock_};
    ExtensionControl control_{api_, io_, 0};
};

TEST_F(ExtensionControlTest, AMemoryReadEndsOnTheTickThatEndsOnLf) {
    control_.AddressTake("1A2B3C");
    ASSERT_TRUE(control_.LengthTake("10"));
    ASSERT_TRUE(control_.MemoryRead());
    EXPECT_EQ(api_.TakeSent(), "mr1A2B3C10\r\n");
    EXPECT_TRUE(control_.TimerEnabled());

    api_.Queue("mr1A2B3C0241");
    EXPECT_FALSE(control_.TimerTick(kPageMemory).dump);
    // More bytes behind the LF in the same tick: the reply goes on.
    api_.Queue("42\r\nxx");
    EXPECT_FALSE(control_.TimerTick(kPageMemory).dump);
    api_.Queue("\n");
    const auto tick = control_.TimerTick(kPageMemory);
    ASSERT_TRUE(tick.dump);
    ASSERT_EQ(tick.dump->size(), 1u);
    EXPECT_EQ((*tick.dump)[0].address, "1A2B3C");
    EXPECT_EQ((*tick.dump)[0].bytes[1], "42");
    EXPECT_FALSE(control_.TimerEnabled());
}

TEST_F(ExtensionControlTest, BoxesAndCtsDecideWhatIsSent) {
    control_.AddressTake("FF");
    control_.AddressTake("12Q");
    EXPECT_EQ(control_.ReadAddressText(), "0000FF") << "a bad address keeps the last one";
    EXPECT_FALSE(control_.LengthTake("7"));
    EXPECT_EQ(control_.ReadLengthText(), "00");

    api_.cts = 0;
    control_.TimerTick(kPageMemory);
    EXPECT_FALSE(control_.MemoryRead());
    EXPECT_FALSE(control_.Buzzer(0, 2));
    EXPECT_EQ(api_.TakeSent(), "") << "nothing goes while CTS is off";
    api_.cts = 1;
    EXPECT_TRUE(control_.Buzzer(1, 0));
    EXPECT_EQ(api_.TakeSent(), "z10\r\n");
    EXPECT_TRUE(control_.Break(true));
    EXPECT_TRUE(control_.Break(false));
    EXPECT_EQ(api_.breaks, (std::vector<bool>{true, false}));
}

TEST_F(ExtensionControlTest, ADownloadSendsOneLineATickWhileCtsIsOn) {
    EXPECT_EQ(control_.DownloadStart({"S1050000AABB95"}, kStaticRam, "FFFFFG", "000000"),
              ExtensionControl::StartCheck::ExecutionAddressBad);
    EXPECT_EQ(control_.DownloadStart({"S1050000AABB95"}, kStaticRam, "FFFFFF", "12345"),
              ExtensionControl::StartCheck::OffsetBad);
    EXPECT_FALSE(control_.Downloading());
    ASSERT_EQ(control_.DownloadStart({"S1050000AABB95", "S9030000FC"}, kStaticRam, "FFFFFF", "123456"),
              ExtensionControl::StartCheck::Started);

    EXPECT_FALSE(control_.TimerTick(kPageMemory).sent) << "lines go only on the download page";
    EXPECT_EQ(control_.TimerTick(kPageDownload).sent, "d1321\r\n");
    api_.cts = 0;
    EXPECT_FALSE(control_.TimerTick(kPageDownload).sent);
    api_.cts = 1;
    EXPECT_EQ(control_.TimerTick(kPageDownload).sent, "S1050000AABB95\r\n");
    EXPECT_EQ(control_.TimerTick(kPageDownload).sent, "S9030000FC\r\n");
    EXPECT_EQ(control_.TimerTick(kPageDownload).sent, "d9FFF\r\n");
    EXPECT_FALSE(control_.TimerTick(kPageDownload).sent);
    EXPECT_EQ(api_.TakeSent(), "d1321\r\nS1050000AABB95\r\nS9030000FC\r\nd9FFF\r\n");

    api_.Queue("D0\r\n");
    const auto tick = control_.TimerTick(kPageDownload);
    EXPECT_EQ(tick.downloadResult, "Ｓ－ＲＡＭへの書込成功");
    EXPECT_FALSE(control_.Downloading());
    EXPECT_FALSE(control_.TimerEnabled());
}

TEST_F(ExtensionControlTest, EveryLineGoesOutAsItStandsEmptyLinesIncluded) {
    ASSERT_EQ(control_.DownloadStart({"S1050000AABB95 ", "", "junk"}, kFlashRom, "FFFFFF", "000000"),
              ExtensionControl::StartCheck::Started);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(control_.TimerTick(kPageDownload).sent) << i;
    EXPECT_EQ(api_.TakeSent(), "d0000\r\nS1050000AABB95 \r\n\r\njunk\r\nd9FFF\r\n");
}

TEST_F(ExtensionControlTest, AnEmptyFileSendsTheStartThenTheEndLine) {
    ASSERT_EQ(control_.DownloadStart({}, kFlashRom, "FFFFFF", "000000"), ExtensionControl::StartCheck::Started);
    EXPECT_EQ(control_.TimerTick(kPageDownload).sent, "d0000\r\n");
    EXPECT_EQ(control_.TimerTick(kPageDownload).sent, "d9FFF\r\n");
    // A stop sends nothing more.
    control_.DownloadStop();
    EXPECT_FALSE(control_.TimerTick(kPageDownload).sent);
}

TEST_F(ExtensionControlTest, TheResultCodesAndALineWithNoDownload) {
    EXPECT_EQ(DownloadResultText("D0\r\n", kFlashRom), "Ｆ－ＲＯＭへの書込成功");
    EXPECT_EQ(DownloadResultText("D1\r\n", kFlashRom), "Ｆ－ＲＯＭへの書込失敗");
    EXPECT_EQ(DownloadResultText("D1\r\n", kStaticRam), "Ｓ－ＲＡＭへの書込失敗");
    EXPECT_EQ(DownloadResultText("D3\r\n", kStaticRam), "Ｓフォーマットのチェックサムエラー");
    EXPECT_EQ(DownloadResultText("D7\r\n", kStaticRam), "") << "an unknown result gives no text";
    EXPECT_EQ(DownloadResultText("\n", kFlashRom), "");

    // A line on the download page while nothing is downloaded starts nothing.
    api_.Queue("D0\r\n");
    const auto tick = control_.TimerTick(kPageDownload);
    EXPECT_FALSE(tick.downloadResult);
    EXPECT_FALSE(control_.Downloading());
    EXPECT_EQ(api_.TakeSent(), "");
}

// A reply that comes after the tick that ended the last command (a second
// line from the unit, a read sent twice) is no reply to the next command.
TEST_F(ExtensionControlTest, ALateReplyIsNotTakenForTheNextCommandsReply) {
    control_.AddressTake("001000");
    ASSERT_TRUE(control_.LengthTake("01"));
    ASSERT_TRUE(control_.MemoryRead());
    api_.Queue("D0\r\n");
    EXPECT_TRUE(control_.TimerTick(kPageMemory).dump);
    EXPECT_FALSE(control_.TimerEnabled());
    // The read's own reply arrives while the timer is stopped.
    api_.Queue("MR00100001AB\r\n");

    control_.AddressTake("002000");
    ASSERT_TRUE(control_.MemoryRead());
    api_.Queue("MR00200001CD\r\n");
    auto tick = control_.TimerTick(kPageMemory);
    ASSERT_TRUE(tick.dump);
    ASSERT_EQ(tick.dump->size(), 1u);
    EXPECT_EQ((*tick.dump)[0].address, "002000");
    EXPECT_EQ((*tick.dump)[0].bytes[0], "CD");

    // A late line waiting when a download starts, and one that comes before
    // the download-start line could go out (CTS off), end nothing.
    api_.Queue("MR00200001CD\r\n");
    ASSERT_EQ(control_.DownloadStart({"S9030000FC"}, kStaticRam, "FFFFFF", "000000"),
              ExtensionControl::StartCheck::Started);
    api_.cts = 0;
    tick = control_.TimerTick(kPageDownload);
    EXPECT_FALSE(tick.downloadResult);
    api_.Queue("D1\r\n");
    EXPECT_FALSE(control_.TimerTick(kPageDownload).downloadResult);
    EXPECT_TRUE(control_.Downloading());
    api_.cts = 1;
    EXPECT_EQ(control_.TimerTick(kPageDownload).sent, "d1000\r\n");
    EXPECT_EQ(control_.TimerTick(kPageDownload).sent, "S9030000FC\r\n");
    EXPECT_EQ(control_.TimerTick(kPageDownload).sent, "d9FFF\r\n");
    api_.Queue("D0\r\n");
    EXPECT_EQ(control_.TimerTick(kPageDownload).downloadResult, "Ｓ－ＲＡＭへの書込成功");
    EXPECT_FALSE(control_.Downloading());
}

TEST_F(ExtensionControlTest, TheReplyBufferIsBounded) {
    for (int i = 0; i < 100; ++i) {
        api_.Queue(std::string(1000, 'n'));
        control_.TimerTick(kPageMemory);
        ASSERT_LE(control_.Reply().size(), ExtensionControl::kReplyLimit);
    }
    EXPECT_GE(control_.Reply().size(), ExtensionControl::kReplyLimit / 2);
}

// Paced sending goes a byte at a time; a send that fails part way goes on
// with the rest, so no byte reaches the unit twice.
TEST(ExtensionControlPaced, AFailedPacedSendGoesOnWithTheRest) {
    test::FakePortello api;
    test::FakeClock clock;
    LineIo io{api, clock};
    ExtensionControl control{api, io, 1};
    ASSERT_EQ(control.DownloadStart({"S9030000FC"}, kFlashRom, "FFFFFF", "000000"),
              ExtensionControl::StartCheck::Started);
    api.failSendsAfter = 3;
    EXPECT_FALSE(control.TimerTick(kPageDownload).sent);
    api.failSendsAfter = -1;
    EXPECT_EQ(control.TimerTick(kPageDownload).sent, "d0000\r\n");
    EXPECT_EQ(control.TimerTick(kPageDownload).sent, "S9030000FC\r\n");
    EXPECT_EQ(api.TakeSent(), "d0000\r\nS9030000FC\r\n");
}

}  // namespace
}  // namespace mon
