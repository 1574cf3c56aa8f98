// The engine against the simulated unit on a pseudo-terminal, through the
// real device library: what a user's machine does, with the engine's
// waits run on a clock that moves with the engine's passes.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <thread>

#include "Engine.h"
#include "FakePortello.h"
#include "RealPortello.h"
#include "UnitSim.h"
#include "his/store/clsCommon.h"
#include "platform/file/tests/TempFolder.h"

namespace mon {
namespace {

class PtyConnectTest : public ::testing::Test {
protected:
    // Runs the connect for up to that many seconds of the engine's time.
    void Connect(int16_t model, int seconds = 150) {
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
        // A limit in real time too, far above any wait, so that a test that
        // goes wrong ends.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(3);
        while (engine_.EngineState != kStateIdle && clock_.NowMs() < seconds * int64_t{1000} &&
               std::chrono::steady_clock::now() < deadline) {
            engine_.Pass();
            clock_.Pass();
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
    }
    void TearDown() override {
        engine_.Shutdown();
        ::unsetenv("PORTELLO_COM1");
    }

    TempFolder dir_;
    PortelloApi& api_ = test::RealPortello();
    test::PassClock clock_{4};
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

// The model setting that does not match the unit. A KY-N4 setting never
// sees a banner long enough from a KY-N5 and waits until the user cancels.
TEST_F(PtyConnectTest, AKyN4SettingAgainstAKyN5WaitsUntilCancelled) {
    TempFolder::WriteAll(dir_ / "kypcn4x._ky", "S0030000FC\nS9030000FC\n");
    unit_ = std::make_unique<unitsim::UnitSim>(unitsim::UnitOptions{.model = 2});
    Connect(1, 20);
    EXPECT_EQ(engine_.EngineState, kStateConnecting);
    EXPECT_EQ(view_.message, "ＫＹ－Ｎ４接続中");
    // The step window's ｷｬﾝｾﾙ.
    engine_.StepMessageButton();
    engine_.StepMessageClosed();
    EXPECT_EQ(engine_.EngineState, kStateIdle);
}

// A KY-N5 setting reads a KY-N4's banner line, which names the other
// model, and fails with code 3.
TEST_F(PtyConnectTest, AKyN5SettingAgainstAKyN4FailsWithCode3) {
    unit_ = std::make_unique<unitsim::UnitSim>(unitsim::UnitOptions{.model = 1});
    Connect(2);
    EXPECT_EQ(engine_.EngineState, kStateIdle);
    EXPECT_EQ(view_.message, "ＫＹ－Ｎ５との接続に失敗しました(3)");
    EXPECT_EQ(view_.lamp, 0x0000FFu);
}

// ... unless the KY-N4 sends its banner without a line end: then the KY-N5
// setting waits for a line that never comes.
TEST_F(PtyConnectTest, AKyN5SettingAgainstAKyN4WithoutLineEndWaits) {
    unit_ = std::make_unique<unitsim::UnitSim>(unitsim::UnitOptions{.model = 1, .bannerWithoutCrLf = true});
    Connect(2, 20);
    EXPECT_EQ(engine_.EngineState, kStateConnecting);
    EXPECT_EQ(view_.message, "ＫＹ－Ｎ５接続中");
}

// A record far longer than the ring and the receive pump's first buffers,
// and longer than a history file holds: it arrives whole and its units are
// written, split at the file limit, into two files.
TEST_F(PtyConnectTest, ARecordOf100000UnitsArrivesWholeAndIsWritten) {
    constexpr int kUnits = 100000;
    unitsim::Scenario scenario;
    scenario.startTime = "261209100000";
    scenario.endByItself = true;
    scenario.records.push_back({.secondsFromStart = 3, .units = {}});
    for (int n = 0; n < kUnits; ++n) {
        unitsim::ScenarioUnit unit{.attribute = static_cast<uint8_t>(0x80 | (n % 3 == 0 ? 0x02 : 0)),
                                   .data = static_cast<uint8_t>(n * 7)};
        if (n % 7 == 0) {
            unit.timeRange = 2;
            unit.timeValue = static_cast<uint16_t>(n % 1024);
        }
        scenario.records.back().units.push_back(unit);
    }
    unit_ = std::make_unique<unitsim::UnitSim>(unitsim::UnitOptions{.model = 2, .remote = true});
    unit_->SetScenario(scenario);
    ::setenv("PORTELLO_COM1", unit_->SlavePath().c_str(), 1);
    engine_.Startup("Capturo Pavlor", false);
    TempFolder data;
    engine_.Pc.DataDir = data.path();
    ASSERT_EQ(api_.CommInitialize("\\\\.\\COM1", 460800), 1);

    engine_.CaptureStart();
    ASSERT_EQ(engine_.EngineState, kStateMonitoring);
    // Far above the few seconds this takes, so that only a fault ends it.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (engine_.EngineState != kStateIdle && std::chrono::steady_clock::now() < deadline) {
        if (!engine_.Pass()) std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ASSERT_EQ(engine_.EngineState, kStateIdle) << "the end record came";
    EXPECT_EQ(view_.lamp, 0x00FF00u) << "no checksum error";

    // The append worker finishes on its own thread.
    const std::vector<std::string> names = {"Ky_00_b.ky2", "Ky_01_e.ky2"};
    while (data.Names() != names && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_EQ(data.Names(), names);
    store::clsCommon first, second;
    ASSERT_TRUE(first.Read(data / names[0]));
    ASSERT_TRUE(second.Read(data / names[1]));
    ASSERT_EQ(first.RecordCount(), kFileUnitLimit);
    ASSERT_EQ(first.RecordCount() + second.RecordCount(), kUnits);
    const auto& sent = scenario.records.back().units;
    for (int n = 0; n < kUnits; ++n) {
        const store::HistoryRecord& r =
            *(n < kFileUnitLimit ? first.Record(n) : second.Record(n - kFileUnitLimit));
        const unitsim::ScenarioUnit& u = sent[static_cast<size_t>(n)];
        ASSERT_EQ(r.Data, u.data) << n;
        ASSERT_EQ(r.Attr, u.attribute & 0x7F) << n;
        ASSERT_EQ(r.TimIndex, u.timeRange) << n;
    }
}

}  // namespace
}  // namespace mon
