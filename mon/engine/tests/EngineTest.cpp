#include <gtest/gtest.h>

#include "Engine.h"
#include "FakePortello.h"
#include "platform/file/tests/TempFolder.h"

namespace mon {
namespace {

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine_.Startup("Capturo", false);
        view_.message.clear();
    }
    void Pass(const std::string& bytes = "") {
        api_.Queue(bytes);
        engine_.Pass();
    }

    TempFolder dir_;
    test::FakePortello api_;
    test::FakeClock clock_;
    test::RecordingView view_;
    Engine engine_{api_, view_, clock_, dir_.path()};
};

TEST_F(EngineTest, StartupShowsTheSettingsAndSeedsTheLineWatch) {
    EXPECT_EQ(view_.panels["Code"], "ASCII");
    EXPECT_EQ(view_.panels["MemoryMode"], "RESTART");
    EXPECT_EQ(view_.panels["Direction"], "DUAL");
    EXPECT_EQ(view_.panels["Trig"], "-");
    EXPECT_EQ(view_.panels["RangeStart"], "-");
    EXPECT_EQ(view_.colors, std::make_pair(0, 0xFF8000));
    EXPECT_EQ(api_.activeKind, 1);
    EXPECT_EQ(engine_.DsrState, 1);
    EXPECT_FALSE(TempFolder::ReadAll(engine_.IniPath()).empty()) << "a missing ini is created";
}

TEST_F(EngineTest, PowerFailureAndRemoteStopLinesAreHandledInEveryState) {
    Pass("e\r\n");
    EXPECT_EQ(view_.panels["Status"], "電源異常発生");
    EXPECT_EQ(view_.message, "ＫＹ本体の電源が異常です！確認して下さい。");
    EXPECT_EQ(view_.button, "OK");
    EXPECT_EQ(view_.lamp, 0x0000FFu);
    EXPECT_EQ(engine_.EngineState, kStateIdle);

    engine_.EngineState = kStateParamDownload;
    Pass("*** KY-N5 Remote Mode Stop ***\r\n");
    EXPECT_EQ(view_.panels["Status"], "リモート解除");
    EXPECT_EQ(view_.message, "ＫＹ本体のリモートモードが解除されました。");
    EXPECT_EQ(view_.lamp, 0x00FF00u);
    EXPECT_EQ(engine_.EngineState, kStateParamDownload) << "the state is left as it was";

    view_.message.clear();
    engine_.EngineState = kStateIdle;
    Pass("xe\r\n");
    Pass("*** KY-N5 Remote Mode Stop *** \r\n");
    EXPECT_EQ(view_.message, "") << "only the exact lines count";
}

TEST_F(EngineTest, AFallingDsrIsALineCutAndARisingOneIsOnlyNoted) {
    api_.dsr = 0;
    engine_.EngineState = kStateConnecting;
    Pass();
    EXPECT_EQ(engine_.DsrState, 1) << "not watched while connecting";

    engine_.EngineState = kStateParamDownload;
    Pass();
    EXPECT_EQ(engine_.DsrState, 0);
    EXPECT_EQ(view_.dialogUnloads, 1);
    EXPECT_EQ(view_.panels["Status"], "回線切断！");
    EXPECT_EQ(view_.message, "ＫＹ本体の電源または接続ケーブルをご確認下さい");
    EXPECT_EQ(view_.lamp, 0x0000FFu);
    EXPECT_EQ(engine_.EngineState, kStateIdle);

    view_.message.clear();
    api_.dsr = 1;
    Pass();
    EXPECT_EQ(engine_.DsrState, 1);
    EXPECT_EQ(view_.message, "");
    EXPECT_EQ(view_.dialogUnloads, 1);
}

TEST(SettingsPanels, ShowTheCommittedSettings) {
    MonitorSettings s;
    s.RangeDate = -1;
    s.RangeStart = "2024/01/02 03:04:05";
    s.Trig[1].Active = -1;
    s.ErrStop = -1;
    s.Code = 3;
    s.MemoryMode = 2;
    s.Direction = 7;
    std::map<std::string, std::string> panels;
    for (const auto& [key, text] : SettingsPanelTexts(s)) panels[key] = text;
    EXPECT_EQ(panels["RangeStart"], "2024/01/02 03:04:05");
    EXPECT_EQ(panels["Trig"], "Trig Start");
    EXPECT_EQ(panels["ErrStop"], "Error ON");
    EXPECT_EQ(panels["Code"], "JIS7");
    EXPECT_EQ(panels["MemoryMode"], "FIX");
    EXPECT_EQ(panels.count("Direction"), 0u) << "an unknown direction leaves the panel";
    s.Trig[0].Active = -1;
    EXPECT_EQ(SettingsPanelTexts(s)[2].second, "Trig Stop");
}

}  // namespace
}  // namespace mon
