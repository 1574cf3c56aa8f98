// The engine against the simulated unit on a pseudo-terminal, through the
// real device library: what a user's machine does, with the engine's
// waits run on a fast clock.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <thread>

#include "Engine.h"
#include "FakePortello.h"
#include "RealPortello.h"
#include "UnitSim.h"
#include "platform/file/tests/TempFolder.h"

namespace mon {
namespace {

class PtyConnectTest : public ::testing::Test {
protected:
    void Connect(int16_t model) {
        ::setenv("PORTELLO_COM1", unit_->SlavePath().c_str(), 1);
        engine_.Startup("Capturo", false);
        engine_.Pc.ModelNumber = model;
        if (model == 1) {
            // The PC-link dialog has opened the port.
            api_.CommClose();
            ASSERT_EQ(api_.CommInitialize("\\\\.\\COM1", 115200), 1);
        }
        engine_.EngineState = kStateConnecting;
        engine_.ConnectStart();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        while (engine_.EngineState != kStateIdle && std::chrono::steady_clock::now() < deadline) {
            engine_.Pass();
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
    }
    void TearDown() override {
        engine_.Shutdown();
        ::unsetenv("PORTELLO_COM1");
    }

    TempFolder dir_;
    PortelloApi& api_ = test::RealPortello();
    test::ScaledClock clock_{10};
    test::RecordingView view_;
    Engine engine_{api_, view_, clock_, dir_.path()};
    std::unique_ptr<unitsim::UnitSim> unit_;
};

TEST_F(PtyConnectTest, Model2ConnectsAndDownloadsOverTheLine) {
    unit_ = std::make_unique<unitsim::UnitSim>(unitsim::UnitOptions{.model = 2});
    Connect(2);
    EXPECT_EQ(engine_.Connect.ConnectError, kConnectOk);
    EXPECT_EQ(engine_.Param.ParamResult, kParamOk);
    EXPECT_EQ(view_.lamp, 0x00FF00u);
    EXPECT_EQ(unit_->ParameterLines().size(), 17u);
}

TEST_F(PtyConnectTest, Model1WithAFirmwareFile) {
    TempFolder::WriteAll(dir_ / "kypcn4x._ky", "S0030000FC\nS9030000FC\n");
    unit_ = std::make_unique<unitsim::UnitSim>(
        unitsim::UnitOptions{.model = 1, .bannerWithoutCrLf = true});
    Connect(1);
    EXPECT_EQ(engine_.Connect.ConnectError, kConnectOk);
    EXPECT_EQ(unit_->FirmwareLines(), (std::vector<std::string>{"S0030000FC", "S9030000FC"}));
    EXPECT_EQ(engine_.Param.ParamResult, kParamOk);
}

TEST_F(PtyConnectTest, AHangUpDuringTheConnectEndsWithACode) {
    unit_ = std::make_unique<unitsim::UnitSim>(
        unitsim::UnitOptions{.model = 2, .hangUpAfterLines = 2});
    Connect(2);
    EXPECT_EQ(engine_.EngineState, kStateIdle);
    EXPECT_EQ(engine_.Connect.ConnectError, kConnectUnexpectedReply);
    EXPECT_EQ(view_.message, "ＫＹ－Ｎ５との接続に失敗しました(3)");
    EXPECT_EQ(view_.lamp, 0x0000FFu);
}

}  // namespace
}  // namespace mon
