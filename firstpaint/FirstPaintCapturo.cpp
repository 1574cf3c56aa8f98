// Capturo as a user starts it: the start-up with its PC-link dialog, then
// a capture the unit sends, shown in the live grid in both display modes.
// Nothing of the main window or the dialog is cut short, and nothing is
// resized to get there.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTableWidget>

#include <memory>
#include <string>
#include <vector>

#include "CapturoApp.h"
#include "CapturoConsole.h"
#include "ElisionCheck.h"
#include "FakePortello.h"
#include "FirstPaintSupport.h"
#include "RealPortello.h"
#include "Records.h"
#include "frmSetKyPc.h"
#include "platform/file/tests/TempFolder.h"

namespace firstpaint {
namespace {

// Units with every flag the unit reports (RD, parity, overrun, framing and
// their mixtures), every byte value, and character times now and then.
std::vector<std::string> EveryFlagRecords(int count) {
    std::vector<std::string> records;
    int n = 0;
    for (int r = 0; r < count; ++r) {
        std::string body;
        for (int u = 0; u < 6; ++u, ++n) {
            body.push_back(static_cast<char>(0x80 | ((n * 37) & 0x72)));
            body.push_back(static_cast<char>((n * 7) & 0xFF));
            if (n % 5 == 4) body += "\x45\x2C";  // a character time for the unit
        }
        body.push_back('\0');
        records.push_back(mon::test::Record(static_cast<uint8_t>(r / 7), body));
    }
    return records;
}

class CapturoFirstPaint : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::setApplicationName(QString::fromLatin1(mon::CapturoApp::kAppTitle));
        ProgramLanguageSet();
        app_ = std::make_unique<mon::CapturoApp>(api_, clock_, dir_.path(), mon::CapturoApp::kAppTitle,
                                                 mon::CapturoConsole::Make);
        app_->Start(false);
        // The test runs the loop's passes itself.
        app_->Driver().Stop();
    }
    void TearDown() override {
        if (app_) app_->Finish();
    }
    mon::frmMain& Main() { return app_->MainWindow(); }
    void Tick() { app_->Driver().Tick(); }
    // A capture as the unit sends it after Start, drawn by the loop.
    void Capture() {
        Main().Toolbar1_ButtonClick("Start");
        api_.Queue(mon::test::Record(0x80, "261209100000000001" "0"));
        Tick();
        for (const std::string& r : EveryFlagRecords(3 * Main().VSFlexGrid->rowCount())) api_.Queue(r);
        Tick();
    }
    void Stop() {
        Main().Toolbar1_ButtonClick("Stop");
        api_.Queue(mon::test::Record(0xFF, "261209100500"));
        Tick();
    }
    void ExpectWhole(QWidget* window) {
        ASSERT_TRUE(WaitForFirstPaint(window));
        const auto cut = ElidedTexts(window);
        EXPECT_TRUE(cut.empty()) << Lines(cut);
    }
    int FilledCells() {
        int filled = 0;
        const QTableWidget& grid = *Main().VSFlexGrid;
        for (int r = 0; r < grid.rowCount(); ++r) {
            for (int c = 0; c < grid.columnCount(); ++c) filled += grid.item(r, c) && !grid.item(r, c)->text().isEmpty();
        }
        return filled;
    }

    TempFolder dir_{"first-paint-capturo"};
    TempFolder data_{"first-paint-data"};
    mon::test::FakePortello api_{&mon::test::RealPortello()};
    mon::test::FakeClock clock_;
    std::unique_ptr<mon::CapturoApp> app_;
};

TEST_F(CapturoFirstPaint, TheStartUpWindowsAndTheLiveGridInBothModesShowEverythingWhole) {
    {
        SCOPED_TRACE("the PC-link dialog at start");
        mon::frmSetKyPc* dialog = Main().SetKyPcWindow();
        ASSERT_NE(dialog, nullptr);
        ExpectWhole(dialog);
        dialog->cmdCancel->click();
    }
    {
        SCOPED_TRACE("the main window at start");
        ExpectWhole(&Main());
    }
    app_->engine().Pc.DataDir = data_.path();
    for (QAction* mode : {Main().mnuSetDspDetail, Main().mnuSetDspData}) {
        SCOPED_TRACE(mode->text().toStdString());
        mode->trigger();
        Capture();
        EXPECT_GT(FilledCells(), Main().VSFlexGrid->rowCount()) << "the capture is on the grid";
        ExpectWhole(&Main());
        Stop();
        ExpectWhole(&Main());
    }
}

}  // namespace
}  // namespace firstpaint
