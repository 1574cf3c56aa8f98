// The whole program on a fake library (its record functions the real
// library's) and clock, started in a folder of its own. The loop's timer is
// stopped: tests run passes by hand.
#pragma once

#include <gtest/gtest.h>

#include "CapturoApp.h"
#include "FakePortello.h"
#include "RealPortello.h"
#include "frmMessage.h"
#include "frmSetKyPc.h"
#include "platform/file/tests/TempFolder.h"

namespace mon::test {

class CapturoFixture : public ::testing::Test {
protected:
    void SetUp() override { Start(); }
    void TearDown() override { app_.Finish(); }

    void Start() {
        app_.Start(false);
        app_.Driver().Stop();
    }
    Engine& engine() { return app_.engine(); }
    frmMain& main() { return app_.MainWindow(); }
    frmSetKyPc* pcDialog() { return main().SetKyPcWindow(); }
    frmMessage* stepWindow() { return main().MessageWindow(); }
    // Closes the start-up PC-link dialog unaccepted.
    void PcDialogCancel() {
        if (frmSetKyPc* d = pcDialog()) d->cmdCancel->click();
    }

    TempFolder dir_;
    FakePortello api_{&RealPortello()};
    FakeClock clock_;
    CapturoApp app_{api_, clock_, dir_.path()};
};

}  // namespace mon::test
