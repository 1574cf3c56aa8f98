#include <gtest/gtest.h>

#include "Engine.h"
#include "FakePortello.h"
#include "IniFile.h"
#include "RealPortello.h"
#include "UnitBridge.h"
#include "platform/file/tests/TempFolder.h"

namespace mon {
namespace {

class ParamDownloadTest : public ::testing::Test {
protected:
    void Start(const unitsim::UnitOptions& options) {
        engine_.Startup("Capturo", false);
        iniBefore_ = TempFolder::ReadAll(engine_.IniPath());
        bridge_ = std::make_unique<test::UnitBridge>(api_, options);
        engine_.WorkingSettings = engine_.CommittedSettings;
        engine_.WorkingSettings.BaudRate = 19200;
        engine_.EngineState = kStateParamDownload;
        engine_.ParamSetStart();
    }
    void Run(int budget = 500) {
        for (int i = 0; i < budget && engine_.EngineState != kStateIdle; ++i) {
            engine_.Pass();
            bridge_->Exchange();
        }
    }

    TempFolder dir_;
    test::FakePortello api_{&test::RealPortello()};
    test::FakeClock clock_;
    test::RecordingView view_;
    Engine engine_{api_, view_, clock_, dir_.path()};
    std::unique_ptr<test::UnitBridge> bridge_;
    std::string iniBefore_;
};

TEST_F(ParamDownloadTest, OnlyACompleteDownloadCommitsAndRewritesTheIni) {
    Start({.model = 1});
    EXPECT_EQ(view_.message, "パラメータ設定中");
    Run();
    EXPECT_EQ(engine_.Param.ParamResult, kParamOk);
    EXPECT_EQ(engine_.CommittedSettings.BaudRate, 19200.0f);
    EXPECT_NE(TempFolder::ReadAll(engine_.IniPath()).find("BaudRate=19200\r\n"), std::string::npos);
    EXPECT_EQ(view_.lamp, 0x00FF00u);
    EXPECT_EQ(engine_.EngineState, kStateIdle);
}

TEST_F(ParamDownloadTest, TwoWrongAnswersAreRetriedAndTheThirdEndsTheDownload) {
    Start({.model = 1, .wrongReadBack = 'C', .wrongReadBackTimes = 2});
    Run();
    EXPECT_EQ(engine_.Param.ParamResult, kParamOk);
    EXPECT_EQ(bridge_->Unit().WrongReadBacksSent(), 2);

    Start({.model = 1, .wrongReadBack = 'C'});
    engine_.WorkingSettings.BaudRate = 38400;
    const MonitorSettings committed = engine_.CommittedSettings;
    Run();
    EXPECT_EQ(engine_.Param.ParamResult, kParamMismatch);
    EXPECT_EQ(bridge_->Unit().WrongReadBacksSent(), 3);
    EXPECT_EQ(engine_.Param.ParamStep, 3) << "stopped at letter C";
    EXPECT_EQ(view_.message, "パラメータ設定に失敗しました。");
    EXPECT_EQ(view_.button, "OK");
    EXPECT_EQ(view_.lamp, 0x0000FFu);
    EXPECT_EQ(engine_.CommittedSettings, committed) << "nothing committed";
    EXPECT_EQ(engine_.WorkingSettings.BaudRate, 38400.0f) << "the user's edit stays";
    EXPECT_EQ(TempFolder::ReadAll(engine_.IniPath()), iniBefore_);
}

TEST_F(ParamDownloadTest, ALateAnswerIsAMismatchAndTwoFailedSendsEndIt) {
    Start({.model = 1});
    engine_.Pass();  // sends A
    api_.Queue("B03000\r\n");  // stale answer ahead of the real one
    bridge_->Exchange();
    engine_.Pass();
    EXPECT_EQ(engine_.Param.ParamRetryCount, 1);
    EXPECT_EQ(engine_.Param.ParamStep, 1);
    Run();
    EXPECT_EQ(engine_.Param.ParamResult, kParamOk);

    Start({.model = 1});
    api_.failSendsAfter = 0;
    Run();
    EXPECT_EQ(engine_.Param.ParamResult, kParamSendFailed);
    EXPECT_EQ(engine_.Param.ParamStep, 1);
}

TEST_F(ParamDownloadTest, WhileCtsIsOffTheLetterWaits) {
    Start({.model = 1});
    api_.cts = 0;
    for (int i = 0; i < 50; ++i) engine_.Pass();
    EXPECT_TRUE(api_.sent.empty());
    EXPECT_EQ(engine_.EngineState, kStateParamDownload);
    api_.cts = 1;
    Run();
    EXPECT_EQ(engine_.Param.ParamResult, kParamOk);
}

}  // namespace
}  // namespace mon
