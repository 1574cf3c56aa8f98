// The console as a user works it, on the offscreen platform, against the
// simulated unit on a pseudo-terminal through the real device library:
// the device settings opened from the toolbar, a typed baud rate and a
// stop trigger set in the trigger editor, the download they start, then a
// new save destination and the capture that follows, read back through
// the history store. Once for each model.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QCoreApplication>
#include <QTest>

#include <chrono>
#include <functional>
#include <thread>

#include "BaudSteps.h"
#include "CapturoApp.h"
#include "CapturoConsole.h"
#include "FakePortello.h"
#include "OnModal.h"
#include "ParamDownload.h"
#include "RealPortello.h"
#include "UnitSim.h"
#include "frmSetKyPc.h"
#include "frmSetMonitor.h"
#include "frmSplit.h"
#include "frmTrig.h"
#include "his/store/clsCommon.h"
#include "platform/file/tests/TempFolder.h"

namespace mon {
namespace {

using Clock = std::chrono::steady_clock;

unitsim::Scenario ShortCapture() {
    unitsim::Scenario s;
    s.endByItself = true;
    for (int r = 0; r < 3; ++r) {
        unitsim::ScenarioRecord rec{.secondsFromStart = r, .units = {}};
        for (int u = 0; u < 20; ++u) {
            rec.units.push_back({.attribute = static_cast<uint8_t>(0x80 | (u & 0x02)),
                                 .data = static_cast<uint8_t>(0x30 + u)});
        }
        s.records.push_back(std::move(rec));
    }
    return s;
}

using test::OnModal;

struct Model {
    int number;
    const char* title;
    float storedBaud;  // 9601 typed

    friend void PrintTo(const Model& m, std::ostream* os) { *os << "model " << m.number; }
};

class ConsoleEndToEnd : public ::testing::TestWithParam<Model> {
protected:
    void SetUp() override {
        unit_ = std::make_unique<unitsim::UnitSim>(unitsim::UnitOptions{.model = GetParam().number});
        ::setenv("PORTELLO_COM3", unit_->SlavePath().c_str(), 1);
        TempFolder::WriteAll(dir_ / "kypcn4x._ky", "S0030000FC\nS9030000FC\n");
        app_ = std::make_unique<CapturoApp>(api_, clock_, dir_.path(), GetParam().title,
                                            [this](const ConsoleHost& host) {
                                                auto console = CapturoConsole::Make(host);
                                                console_ = static_cast<CapturoConsole*>(console.get());
                                                return console;
                                            });
        app_->Start(false);
        app_->Driver().Stop();
    }
    void TearDown() override {
        if (app_) app_->Finish();
        ::unsetenv("PORTELLO_COM3");
    }
    void Connect() {
        frmSetKyPc* dialog = app_->MainWindow().SetKyPcWindow();
        ASSERT_NE(dialog, nullptr);
        dialog->cmbPort->setEditText("COM3");
        dialog->txtDataDirectory->setText(QString::fromStdString(first_.path()));
        dialog->cmdSetting->click();
        ASSERT_TRUE(RunUntil([&] { return engine().EngineState == kStateConnecting; }));
        ASSERT_TRUE(RunUntil([&] { return Idle(); }));
        ASSERT_EQ(engine().Param.ParamResult, kParamOk);
    }
    template <typename Done>
    bool RunUntil(Done done, int seconds = 30) {
        const auto deadline = Clock::now() + std::chrono::seconds(seconds);
        while (!done() && Clock::now() < deadline) {
            if (app_->Driver().Tick() == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
            QCoreApplication::processEvents();
        }
        return done();
    }
    bool Idle() { return engine().EngineState == kStateIdle; }
    Engine& engine() { return app_->engine(); }
    std::string Ini() { return TempFolder::ReadAll(engine().IniPath()); }
    bool Holds(const std::string& text, const std::string& line) {
        return text.find(line + "\r\n") != std::string::npos;
    }
    static void Type(frmTrig& t, int row, int col, const char* keys) {
        t.VSFlexGrid[0]->SetCurrentCell(row, col);
        QTest::keyClicks(t.VSFlexGrid[0], keys);
    }

    TempFolder dir_, first_, second_{"capture.next"};
    PortelloApi& api_ = test::RealPortello();
    test::ScaledClock clock_{2};
    std::unique_ptr<unitsim::UnitSim> unit_;
    std::unique_ptr<CapturoApp> app_;
    CapturoConsole* console_ = nullptr;
};

TEST_P(ConsoleEndToEnd, DeviceSettingsAndSaveDestinationReachUnitIniAndHistory) {
    const Model model = GetParam();
    Connect();

    // The device settings from the toolbar: a typed rate and a stop trigger.
    app_->MainWindow().Buttons.Button("Monitor")->trigger();
    frmSetMonitor* settings = console_->SetMonitorWindow();
    ASSERT_NE(settings, nullptr);
    settings->txtBaudRate->selectAll();
    QTest::keyClicks(settings->txtBaudRate, "9601");
    bool edited = false;
    OnModal<frmTrig>([&](frmTrig& t) {
        t.chkTrigFlg[0]->setChecked(true);
        Type(t, 1, 0, "41");
        Type(t, 1, 1, "*");
        Type(t, 1, 2, "0D");
        t.cmdSet->click();
        edited = true;
    });
    settings->cmdTrig->click();
    ASSERT_TRUE(edited);
    settings->cmdSet->click();
    ASSERT_EQ(console_->SetMonitorWindow(), nullptr);
    ASSERT_EQ(engine().EngineState, kStateParamDownload);
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    ASSERT_EQ(engine().Param.ParamResult, kParamOk);

    EXPECT_EQ(unit_->ParameterLine('B'), "B" + ParamBaudSet(model.storedBaud, static_cast<int16_t>(model.number), api_));
    EXPECT_EQ(unit_->ParameterLine('T'), "T1");
    EXPECT_EQ(unit_->ParameterLine('Y'), "Y14120010D000000");
    EXPECT_EQ(unit_->ParameterLine('Z'), "Z000000000000000");
    const std::string ini = Ini();
    EXPECT_TRUE(Holds(ini, "BaudRate=" + BaudText(model.storedBaud)));
    EXPECT_TRUE(Holds(ini, "TrigStop=ON"));
    EXPECT_TRUE(Holds(ini, "SdCharAttr=12100"));
    EXPECT_TRUE(Holds(ini, "SdDataStop=41**0D0000"));
    EXPECT_TRUE(app_->MainWindow().isEnabled());

    // A new save destination from the File menu.
    OnModal<frmSplit>([&](frmSplit& d) {
        d.txtDataDirectory->setText(QString::fromStdString(second_.path()));
        d.txtFileName->setText("Next");
        d.cmdSetting->click();
    });
    app_->MainWindow().mnuFileSave->trigger();
    EXPECT_TRUE(Holds(Ini(), "DataDir=" + second_.path()));
    EXPECT_TRUE(Holds(Ini(), "FileName=Next"));

    unit_->SetScenario(ShortCapture());
    app_->MainWindow().Buttons.Button("Start")->trigger();
    ASSERT_EQ(engine().EngineState, kStateMonitoring);
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    const std::string history = second_ / "Next_00_be.ky2";
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (second_.Names() != std::vector<std::string>{"Next_00_be.ky2"} && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_EQ(second_.Names(), std::vector<std::string>{"Next_00_be.ky2"});
    EXPECT_EQ(first_.Names(), std::vector<std::string>{}) << "nothing in the old folder";

    store::clsCommon doc;
    ASSERT_TRUE(doc.Read(history));
    EXPECT_EQ(doc.RecordCount(), 60);
    EXPECT_EQ(doc.BaudRate(), static_cast<int32_t>(model.storedBaud));
    EXPECT_NE(doc.TrigStop(), 0);
    EXPECT_EQ(doc.SdChar(0), "41**0D0000");
    EXPECT_EQ(doc.SdCharAt(0), "12100");
}

// The stop trigger's box writes the working copy at once: checked, then
// the editor cancelled, the settings dialog's Set downloads it with the
// patterns the settings already held; a pattern typed but never Set stays
// out.
TEST_P(ConsoleEndToEnd, AStopTriggerCheckedInACancelledEditorIsDownloaded) {
    Connect();
    TriggerSetting& stop = engine().CommittedSettings.Trig[0];
    stop.Active = 0;
    stop.SdCharAttr = "12100";
    stop.SdData = "41**0D0000";
    stop.RdCharAttr = "00000";
    stop.RdData = "4200000000";
    engine().CommittedSettings.Trig[1].Active = 0;

    app_->MainWindow().Buttons.Button("Monitor")->trigger();
    frmSetMonitor* settings = console_->SetMonitorWindow();
    ASSERT_NE(settings, nullptr);
    bool cancelled = false;
    OnModal<frmTrig>([&](frmTrig& t) {
        t.chkTrigFlg[0]->setChecked(true);
        Type(t, 1, 0, "55");
        t.cmdCancel->click();
        cancelled = true;
    });
    settings->cmdTrig->click();
    ASSERT_TRUE(cancelled);
    settings->cmdSet->click();
    ASSERT_EQ(engine().EngineState, kStateParamDownload);
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    ASSERT_EQ(engine().Param.ParamResult, kParamOk);

    EXPECT_EQ(unit_->ParameterLine('T'), "T1");
    EXPECT_EQ(unit_->ParameterLine('Y'), "Y14120010D000000");
    EXPECT_EQ(unit_->ParameterLine('Z'), "Z042000000000000");
    EXPECT_TRUE(Holds(Ini(), "TrigStop=ON"));
    EXPECT_EQ(engine().CommittedSettings.Trig[0].SdData, "41**0D0000");
}

INSTANTIATE_TEST_SUITE_P(BothModels, ConsoleEndToEnd,
                         ::testing::Values(Model{1, "Capturo", 9700}, Model{2, "Capturo Pavlor", 9601}),
                         [](const ::testing::TestParamInfo<Model>& p) {
                             return "Model" + std::to_string(p.param.number);
                         });

}  // namespace
}  // namespace mon
