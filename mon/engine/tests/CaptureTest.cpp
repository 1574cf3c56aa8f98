#include <gtest/gtest.h>

#include <filesystem>

#include "Engine.h"
#include "FakePortello.h"
#include "RealPortello.h"
#include "Records.h"
#include "platform/file/tests/TempFolder.h"
#include "platform/text/Cp932.h"
#include "platform/time/VbDate.h"

namespace mon {
namespace {

class RecordingMonitor : public MonitorView {
public:
    void ToolbarApply(const ToolbarState& s) override {
        if (s.start) start = *s.start;
        if (s.stop) stop = *s.stop;
        if (s.kill) kill = *s.kill;
    }
    void CaptionSet(const std::string& c) override { caption = c; }
    void BusyPointer(bool on) override { busy = on; }
    void SizeLock(bool) override {}
    void GridClear() override {}
    void GridShow(const GridPage& p) override { page = p; }
    void NoticeShow(const std::string& text, int16_t icon) override { notices.push_back(text + "/" + std::to_string(icon)); }
    void Beep() override { ++beeps; }

    bool start = true, stop = false, kill = false, busy = false;
    std::string caption;
    GridPage page;
    std::vector<std::string> notices;
    int beeps = 0;
};

std::string StartRecord(const std::string& yymmddhhnnss) {
    return test::Record(0x80, yymmddhhnnss + "00000" + "10");
}

class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine_.Startup("Capturo", false);
        engine_.Monitor = &monitor_;
        engine_.Pc.DataDir = data_.path();
        engine_.GridRows = 4;
        engine_.GridCols = 16;
    }
    // One record in a tick of its own.
    void Receive(const std::string& line) {
        api_.Queue(line);
        engine_.Pass();
        engine_.TickEnd();
    }
    void StartCapture() {
        engine_.CaptureStart();
        Receive(StartRecord("261209100000"));
    }

    TempFolder dir_, data_;
    test::FakePortello api_{&test::RealPortello()};
    test::FakeClock clock_;
    test::RecordingView view_;
    RecordingMonitor monitor_;
    Engine engine_{api_, view_, clock_, dir_.path()};
};

TEST_F(CaptureTest, StartNeedsCtsAndSendsTheModelsCommand) {
    api_.cts = 0;
    engine_.CaptureStart();
    EXPECT_EQ(view_.panels["Status"], "回線を確認して下さい！");
    EXPECT_EQ(engine_.EngineState, kStateIdle);
    EXPECT_TRUE(api_.sent.empty());

    api_.cts = 1;
    engine_.Pc.ModelNumber = 2;
    engine_.CaptureStart();
    EXPECT_EQ(api_.TakeSent(), "G1\r\n");
    EXPECT_EQ(engine_.EngineState, kStateMonitoring);
    EXPECT_EQ(view_.panels["Status"], "モニタ中");
    EXPECT_FALSE(monitor_.start);
    EXPECT_TRUE(monitor_.stop);
    EXPECT_EQ(view_.panels["DualCount"], "TR:000000");
    EXPECT_EQ(monitor_.caption, "モニタ - [" + data_.path() + "/Ky_00_b.ky2]");

    Receive(test::Record(0x80, std::string("261209100000") + "00FBA883" + "12"));
    EXPECT_EQ(view_.panels["BaudRate"], "9600,8,E");
    Receive(test::Record(0x80, "2612"));  // cut short: no time, no word, no digits
    EXPECT_EQ(view_.panels["BaudRate"], "0");
    EXPECT_EQ(view_.lamp, 0x00FF00u);
}

TEST_F(CaptureTest, TheSecondsCounterWrapsAndRingRestartsResetTheBase) {
    StartCapture();
    Receive(test::SdRecord(120, 1));
    EXPECT_EQ(platform::FormatDateTime(engine_.Cap.RecordTime), "2026/12/09 10:02:00");
    Receive(test::SdRecord(5, 1));
    EXPECT_EQ(platform::FormatDateTime(engine_.Cap.RecordTime), "2026/12/09 10:02:13");
    Receive(test::SdRecord(5, 1));
    EXPECT_EQ(platform::FormatDateTime(engine_.Cap.RecordTime), "2026/12/09 10:02:13") << "equal: no wrap";
    Receive(test::Record(0x81, "261209110000"));
    Receive(test::SdRecord(3, 1));
    EXPECT_EQ(platform::FormatDateTime(engine_.Cap.RecordTime), "2026/12/09 11:00:03");
    EXPECT_NE(TempFolder::ReadAll(engine_.Cap.Files.BasePath + ".k21").find("2026/12/09 11:00:00 "),
              std::string::npos);
}

TEST_F(CaptureTest, ShortAndBadRecordsAreDroppedAndBadOnesLogged) {
    StartCapture();
    Receive(std::string("\x01\x05\x80\r\n", 5));
    EXPECT_EQ(view_.lamp, 0x00FF00u) << "5 bytes: no checksum test";
    std::string bad = test::SdRecord(7, 2);
    bad[3] = 'Z';
    Receive(bad);
    EXPECT_EQ(view_.lamp, 0x0080FFu);
    EXPECT_EQ(engine_.Cap.Files.FileUnits, 0);
    const std::string base = engine_.Cap.Files.BasePath;
    EXPECT_EQ(TempFolder::ReadAll(base + ".k22"), bad);
    EXPECT_NE(TempFolder::ReadAll(base + ".k21").find("2026/12/09 10:00:07 "), std::string::npos);
}

TEST_F(CaptureTest, TheDateRangeIsInclusiveAndEveryLaterRecordAsksToStop) {
    engine_.CommittedSettings.RangeDate = -1;
    engine_.CommittedSettings.RangeStart = "2026/12/09 10:00:10";
    engine_.CommittedSettings.RangeStop = "2026/12/09 10:00:20";
    StartCapture();
    api_.TakeSent();
    for (uint8_t s : {uint8_t{9}, uint8_t{10}, uint8_t{20}, uint8_t{21}, uint8_t{22}}) Receive(test::SdRecord(s, 1));
    EXPECT_EQ(engine_.Cap.Files.FileUnits, 2);
    EXPECT_EQ(api_.TakeSent(), "S0\r\nS0\r\n");
}

TEST_F(CaptureTest, EndRecordsCloseTheFileAndTellWhyMonitoringEnded) {
    StartCapture();
    Receive(test::SdRecord(1, 3));
    Receive(test::Record(0xFF, "261209100500"));
    EXPECT_EQ(engine_.EngineState, kStateIdle);
    ASSERT_EQ(api_.appends.size(), 1u);
    EXPECT_EQ(api_.appends[0].second, kMarkBegan | kMarkEnded);
    EXPECT_EQ(monitor_.notices, std::vector<std::string>{"モニタ終了しました/64"});
    EXPECT_EQ(monitor_.beeps, 1);
    EXPECT_EQ(monitor_.caption, "モニタ - [" + data_.path() + "/Ky_00_be.ky2]");
    const std::string header = TempFolder::ReadAll(data_.path() + "/Ky_00.ky2");
    EXPECT_EQ(header.substr(0, 19), "*** KY-Nubera ***\r\n");
    EXPECT_NE(header.find("2026/12/09 10:00:00,2026/12/09 10:05:00\r\n"), std::string::npos);
    EXPECT_NE(header.find("\r\n," + data_.path() + "/Ky_01.ky2\r\n"), std::string::npos);

    engine_.StopByUser = -1;
    StartCapture();
    Receive(test::SdRecord(1, 1, 0x90));
    Receive(test::Record(0xFF, "261209100500"));
    EXPECT_EQ(monitor_.notices.size(), 1u) << "a user's stop is not announced";
    EXPECT_EQ(api_.appends.back().first, data_.path() + "/Ky_01");

    engine_.StopByUser = 0;
    engine_.CommittedSettings.ErrStop = -1;
    StartCapture();
    Receive(test::SdRecord(1, 1, 0x90));
    Receive(test::Record(0xFF, "261209100500"));
    EXPECT_EQ(monitor_.notices.back(), "エラーストップ発生！！/64");
}

TEST_F(CaptureTest, TheUnitsNoticesAreNeverTakenAsRecords) {
    StartCapture();
    Receive(test::SdRecord(1, 2));
    Receive("*** KY-N5 Remote Mode Stop ***\r\n");
    EXPECT_EQ(view_.message, "ＫＹ本体のリモートモードが解除されました。");
    EXPECT_EQ(view_.lamp, 0x00FF00u) << "green, not the orange of a checksum error";
    EXPECT_EQ(engine_.EngineState, kStateMonitoring);
    const std::string base = engine_.Cap.Files.BasePath;
    EXPECT_FALSE(std::filesystem::exists(base + ".k21")) << "nothing logged";
    EXPECT_FALSE(std::filesystem::exists(base + ".k22"));
    Receive(test::SdRecord(2, 1));
    EXPECT_EQ(engine_.Cap.Files.FileUnits, 3) << "monitoring goes on";

    Receive("e\r\n");
    EXPECT_EQ(engine_.EngineState, kStateIdle);
    EXPECT_FALSE(std::filesystem::exists(base + ".k21"));
}

TEST_F(CaptureTest, ALineTooLongToBeARecordIsLoggedOnceWithItsLength) {
    StartCapture();
    const std::string noise(LineIo::kPendingLimit + 100, 'n');
    Receive(noise);
    Receive("\r\n" + test::SdRecord(1, 2));
    Receive("");
    EXPECT_EQ(engine_.Cap.Files.FileUnits, 2) << "the record after the noise is whole";
    const std::string log = platform::Cp932ToUtf8(TempFolder::ReadAll(engine_.Cap.Files.BasePath + ".k21"));
    EXPECT_EQ(log, "2025/12/09 12:00:00 受信データ破棄（" + std::to_string(noise.size() + 2) + "バイト）\r\n");

    // Noise still coming when monitoring ends is logged as well.
    Receive(noise);
    engine_.CaptureEnd();
    const std::string more = platform::Cp932ToUtf8(TempFolder::ReadAll(engine_.Cap.Files.BasePath + ".k21"));
    EXPECT_NE(more.find("（" + std::to_string(noise.size()) + "バイト）\r\n"), std::string::npos);
}

TEST_F(CaptureTest, ACaptureWithoutUnitsLeavesNoHistoryFile) {
    StartCapture();
    engine_.CaptureEnd();
    EXPECT_TRUE(api_.appends.empty());
    EXPECT_EQ(data_.Names(), std::vector<std::string>{}) << "the empty .tmp is gone too";
}

}  // namespace
}  // namespace mon
