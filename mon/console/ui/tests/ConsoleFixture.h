// Capturo with its console on a fake library (the real one answers the
// baud table) and a fake clock, started in a folder of its own with the
// start-up PC-link dialog cancelled. The loop's timer is stopped.
#pragma once

#include <gtest/gtest.h>

#include "CapturoApp.h"
#include "CapturoConsole.h"
#include "FakePortello.h"
#include "OnModal.h"
#include "RealPortello.h"
#include "WaitActive.h"
#include "frmSetKyPc.h"
#include "frmSetMonitor.h"
#include "platform/file/tests/TempFolder.h"

namespace mon::test {

class ConsoleFixture : public ::testing::Test {
protected:
    void SetUp() override {
        app_.Start(false);
        app_.Driver().Stop();
        if (frmSetKyPc* d = main().SetKyPcWindow()) d->cmdCancel->click();
    }
    void TearDown() override { app_.Finish(); }

    Engine& engine() { return app_.engine(); }
    frmMain& main() { return app_.MainWindow(); }
    // The device settings dialog as the toolbar opens it.
    frmSetMonitor& OpenSettings() {
        main().Buttons.Button("Monitor")->trigger();
        frmSetMonitor* d = Settings();
        if (d == nullptr) throw std::runtime_error("the device settings dialog did not open");
        return *d;
    }
    frmSetMonitor* Settings() {
        return dynamic_cast<CapturoConsole&>(*consoleSeen_).SetMonitorWindow();
    }

    template <typename W>
    static void OnModal(std::function<void(W&)> act) {
        test::OnModal<W>(std::move(act));
    }

    TempFolder dir_;
    FakePortello api_{&RealPortello()};
    FakeClock clock_;
    ConsoleWindows* consoleSeen_ = nullptr;
    CapturoApp app_{api_, clock_, dir_.path(), CapturoApp::kAppTitle,
                    [this](const ConsoleHost& host) {
                        auto console = CapturoConsole::Make(host);
                        consoleSeen_ = console.get();
                        return console;
                    }};
};

}  // namespace mon::test
