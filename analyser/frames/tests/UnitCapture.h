// A capture as Capturo makes it, for the tests that convert real history
// files: the monitor's engine on the simulated unit's pseudo-terminal
// through the built device library, writing into a data folder of its own.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "Engine.h"
#include "UnitSim.h"
#include "mon/engine/tests/FakePortello.h"
#include "mon/engine/tests/RealPortello.h"
#include "platform/file/tests/TempFolder.h"

namespace frames::test {

class UnitCapture {
public:
    UnitCapture() : unit_(std::make_unique<unitsim::UnitSim>(unitsim::UnitOptions{.model = 2})) {
        ::setenv("PORTELLO_COM1", unit_->SlavePath().c_str(), 1);
        engine_.Startup("Capturo", false);
        engine_.Pc.ModelNumber = 2;
        engine_.Pc.DataDir = data_.path();
    }
    ~UnitCapture() {
        engine_.Shutdown();
        ::unsetenv("PORTELLO_COM1");
    }
    UnitCapture(const UnitCapture&) = delete;
    UnitCapture& operator=(const UnitCapture&) = delete;

    // Connects to the unit; false when it did not answer.
    bool Connect() {
        engine_.EngineState = mon::kStateConnecting;
        engine_.ConnectStart();
        return RunUntilIdle(15) && engine_.Connect.ConnectError == mon::kConnectOk;
    }
    // Runs a scenario that ends by itself; false when it did not end.
    bool Capture(const unitsim::Scenario& scenario) {
        unit_->SetScenario(scenario);
        engine_.CaptureStart();
        return engine_.EngineState == mon::kStateMonitoring && RunUntilIdle(60);
    }
    // Waits until the append worker has put every closed file behind its
    // header: the data folder then holds exactly names.
    bool HistoriesWritten(const std::vector<std::string>& names) const {
        const auto deadline = Clock::now() + std::chrono::seconds(15);
        while (Clock::now() < deadline) {
            if (data_.Names() == names) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ADD_FAILURE() << testing::PrintToString(data_.Names());
        return false;
    }
    std::string History(const std::string& name) const { return data_ / name; }

private:
    using Clock = std::chrono::steady_clock;

    bool RunUntilIdle(int seconds) {
        const auto deadline = Clock::now() + std::chrono::seconds(seconds);
        while (Clock::now() < deadline) {
            engine_.Pass();
            if (engine_.EngineState == mon::kStateIdle) return true;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return false;
    }

    TempFolder dir_, data_;
    mon::PortelloApi& api_ = mon::test::RealPortello();
    mon::test::ScaledClock clock_{10};
    mon::test::RecordingView view_;
    mon::Engine engine_{api_, view_, clock_, dir_.path()};
    std::unique_ptr<unitsim::UnitSim> unit_;
};

}  // namespace frames::test
