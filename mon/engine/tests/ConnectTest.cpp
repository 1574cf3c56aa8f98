#include <gtest/gtest.h>

#include <fstream>

#include "Engine.h"
#include "FakePortello.h"
#include "RealPortello.h"
#include "UnitBridge.h"
#include "platform/file/tests/TempFolder.h"

namespace mon {
namespace {

class ConnectTest : public ::testing::Test {
protected:
    void Start(int16_t model, const unitsim::UnitOptions& options) {
        engine_.Startup("Capturo", false);
        engine_.Pc.ModelNumber = model;
        bridge_ = std::make_unique<test::UnitBridge>(api_, options);
        std::ofstream(dir_ / "kypcn4x._ky", std::ios::binary) << "S00600004844521B\r\nS1130000\r\nS9030000FC\r\n";
        engine_.EngineState = kStateConnecting;
        engine_.ConnectStart();
    }
    // Runs passes, moving the clock 250 ms each, until the connect and a
    // following download are over or the pass budget is spent.
    void RunToIdle(int budget = 2000) {
        for (int i = 0; i < budget && engine_.EngineState != kStateIdle; ++i) {
            engine_.Pass();
            bridge_->Exchange();
            clock_.ms += 250;
        }
    }

    TempFolder dir_;
    test::FakePortello api_{&test::RealPortello()};
    test::FakeClock clock_;
    test::RecordingView view_;
    Engine engine_{api_, view_, clock_, dir_.path()};
    std::unique_ptr<test::UnitBridge> bridge_;
};

TEST_F(ConnectTest, Model1DownloadsTheFirmwareThenTheParameters) {
    Start(1, {.model = 1});
    RunToIdle();
    EXPECT_EQ(engine_.Connect.ConnectError, kConnectOk);
    EXPECT_EQ(bridge_->Unit().FirmwareLines(),
              (std::vector<std::string>{"S00600004844521B", "S1130000", "S9030000FC"}));
    EXPECT_TRUE(api_.opened.empty()) << "model 1 connects on the port the dialog opened";
    EXPECT_EQ(engine_.Param.ParamResult, kParamOk);
    EXPECT_EQ(bridge_->Unit().ParameterLine('B').value_or(""), "B03000");
    EXPECT_EQ(bridge_->Unit().ParameterLines().size(), 17u);
    EXPECT_EQ(view_.lamp, 0x00FF00u);
    EXPECT_FALSE(view_.shown) << "a complete download closes the step window";
}

TEST_F(ConnectTest, Model2PulsesDtrAndSkipsTheFirmware) {
    Start(2, {.model = 2});
    RunToIdle();
    EXPECT_EQ(engine_.Connect.ConnectError, kConnectOk);
    EXPECT_EQ(api_.opened, std::vector<std::string>{"\\\\.\\COM1@115200"});
    EXPECT_EQ(api_.dtr, (std::vector<int32_t>{0, 1}));
    EXPECT_TRUE(bridge_->Unit().FirmwareLines().empty());
    EXPECT_EQ(bridge_->Unit().ParameterLine('B').value_or(""), "B00FBA883");
    EXPECT_EQ(view_.lamp, 0x00FF00u);
}

TEST_F(ConnectTest, AUnitAlreadyInRemoteModeGoesStraightToTheClock) {
    Start(1, {.model = 1, .remote = true});
    RunToIdle();
    EXPECT_EQ(engine_.Connect.ConnectError, kConnectOk);
    EXPECT_TRUE(bridge_->Unit().FirmwareLines().empty());
    EXPECT_FALSE(bridge_->Unit().LastClockSet().empty());
}

TEST_F(ConnectTest, FailuresEndWithTheirCodeAndARedLamp) {
    struct Case {
        int16_t model;
        unitsim::UnitOptions options;
        int16_t code;
        const char* message;
    };
    const Case cases[] = {
        {1, {.model = 1, .loadingErrorAfterLine = 2}, kConnectFirmwareFailed,
         "ＫＹ－Ｎ４との接続に失敗しました(4)"},
        {2, {.model = 2, .clockOffsetSeconds = 2}, kConnectClockDiffers,
         "ＫＹ－Ｎ５との接続に失敗しました(5)"},
        {1, {.model = 2}, kConnectUnexpectedReply, "ＫＹ－Ｎ４との接続に失敗しました(3)"},
    };
    for (const Case& c : cases) {
        api_.ClearBuff();
        api_.TakeSent();
        Start(c.model, c.options);
        RunToIdle();
        EXPECT_EQ(engine_.Connect.ConnectError, c.code) << c.message;
        EXPECT_EQ(view_.message, c.message);
        EXPECT_EQ(view_.button, "OK");
        EXPECT_EQ(view_.lamp, 0x0000FFu);
        EXPECT_EQ(engine_.EngineState, kStateIdle);
        EXPECT_TRUE(bridge_->Unit().ParameterLines().empty()) << "nothing is sent after a failure";
    }
}

TEST_F(ConnectTest, AUnitThatFallsSilentEndsTheSequenceInsteadOfWaitingForEver) {
    Start(2, {.model = 2});
    for (int i = 0; i < 40 && engine_.Connect.ConnectStep < 8; ++i) {
        engine_.Pass();
        clock_.ms += 250;
    }
    ASSERT_EQ(engine_.Connect.ConnectStep, 8);
    bridge_->silent = true;
    RunToIdle();
    EXPECT_EQ(engine_.Connect.ConnectError, kConnectUnexpectedReply);
    EXPECT_EQ(view_.message, "ＫＹ－Ｎ５との接続に失敗しました(3)");
}

TEST_F(ConnectTest, AMissingFirmwareFileAndTheStepButtonBothStopTheSequence) {
    Start(1, {.model = 1});
    std::remove((dir_ / "kypcn4x._ky").c_str());
    RunToIdle();
    EXPECT_EQ(engine_.Connect.ConnectError, kConnectFirmwareFailed);

    Start(1, {.model = 1});
    for (int i = 0; i < 100 && engine_.Connect.DownloadSubState != 2; ++i) {
        engine_.Pass();
        bridge_->Exchange();
        clock_.ms += 250;
    }
    ASSERT_EQ(engine_.Connect.ConnectStep, 11);
    view_.message.clear();
    engine_.StepMessageButton();
    EXPECT_EQ(engine_.EngineState, kStateIdle);
    EXPECT_EQ(view_.message, "") << "no message when the user stops it";
}

TEST(ClockCheck, OneSecondEitherWayPassesAndCenturiesFollowThePc) {
    EXPECT_EQ(ClockDifferenceSeconds("20261209235959", "R:261210000000\r\n"), 1);
    EXPECT_EQ(ClockDifferenceSeconds("20261209235959", "R:261209235958\r\n"), -1);
    EXPECT_EQ(ClockDifferenceSeconds("20261209235959", "R:261210000001\r\n"), 2);
    EXPECT_EQ(ClockDifferenceSeconds("20991231235959", "R:000101000000\r\n"), 1);
    EXPECT_GT(ClockDifferenceSeconds("20261209235959", "R:26121X000000\r\n"), 1000);
    EXPECT_GT(ClockDifferenceSeconds("20261209235959", "R:2612\r\n"), 1000);
}

}  // namespace
}  // namespace mon
