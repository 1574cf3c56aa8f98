// Capturo as a user runs it, on the offscreen platform, against the
// simulated unit on a pseudo-terminal through the real device library:
// the PC-link dialog, the connect and download, Start, a capture that
// crosses the 60,000-unit limit inside a record and holds a trigger, Stop,
// the end record, and the append worker's final files read back through
// the history store and compared with what the unit sent.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <thread>

#include "CapturoApp.h"
#include "FakePortello.h"
#include "RealPortello.h"
#include "UnitSim.h"
#include "frmSetKyPc.h"
#include "platform/ui/MsgBoxWindow.h"
#include "his/store/clsCommon.h"
#include "platform/file/tests/TempFolder.h"
#include "platform/text/Cp932.h"
#include "platform/time/VbDate.h"

namespace mon {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRecords = 245;
constexpr int kUnitsPerRecord = 251;  // record 239 crosses 60,000
constexpr int kTriggerRecord = 242;
constexpr size_t kBadRecord = 5;

unitsim::Scenario BigScenario() {
    unitsim::Scenario s;
    s.startTime = "261209100000";
    int n = 0;
    for (int r = 0; r < kRecords; ++r) {
        unitsim::ScenarioRecord rec{.secondsFromStart = r, .units = {}};
        for (int u = 0; u < kUnitsPerRecord; ++u, ++n) {
            auto attr = static_cast<uint8_t>(0x80 | ((n * 37) & 0x77));  // every flag but Trig
            if (r == kTriggerRecord && u == 100) attr |= 0x08;
            unitsim::ScenarioUnit unit{.attribute = attr, .data = static_cast<uint8_t>(n * 7)};
            if (n % 7 == 0) {
                unit.timeRange = n % 6;
                unit.timeValue = static_cast<uint16_t>(n % 1024);
            }
            rec.units.push_back(unit);
        }
        rec.badChecksum = static_cast<size_t>(r) == kBadRecord;
        s.records.push_back(std::move(rec));
    }
    return s;
}

std::string Stamp(const std::string& t) {
    return "20" + t.substr(0, 2) + "/" + t.substr(2, 2) + "/" + t.substr(4, 2) + " " + t.substr(6, 2) +
           ":" + t.substr(8, 2) + ":" + t.substr(10, 2);
}

class CapturoEndToEnd : public ::testing::Test {
protected:
    void Launch(const std::string& title, int model) {
        unit_ = std::make_unique<unitsim::UnitSim>(unitsim::UnitOptions{.model = model});
        ::setenv("PORTELLO_COM3", unit_->SlavePath().c_str(), 1);
        TempFolder::WriteAll(dir_ / "kypcn4x._ky", "S0030000FC\nS9030000FC\n");
        app_ = std::make_unique<CapturoApp>(api_, clock_, dir_.path(), title);
        app_->Start(false);
        app_->Driver().Stop();  // the test runs the passes
    }
    void TearDown() override {
        if (app_) app_->Finish();
        ::unsetenv("PORTELLO_COM3");
    }
    // The PC-link dialog as a user fills it in.
    void PcLinkAccept() {
        frmSetKyPc* dialog = app_->MainWindow().SetKyPcWindow();
        ASSERT_NE(dialog, nullptr);
        dialog->cmbPort->setEditText("COM3");
        dialog->txtDataDirectory->setText(QString::fromStdString(data_.path()));
        dialog->txtFileName->setText("Ky");
        dialog->cmdSetting->click();
        // The dialog closes through the event loop; its closing starts the
        // connect.
        const auto deadline = Clock::now() + std::chrono::seconds(60);
        while (app_->engine().EngineState != kStateConnecting && Clock::now() < deadline) {
            QCoreApplication::processEvents();
        }
        ASSERT_EQ(app_->MainWindow().SetKyPcWindow(), nullptr) << "the dialog accepted and closed";
        ASSERT_EQ(app_->engine().EngineState, kStateConnecting);
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
    bool Idle() { return app_->engine().EngineState == kStateIdle; }
    void Press(const char* key) { app_->MainWindow().Buttons.Button(key)->trigger(); }
    uint32_t LampColor() {
        const QColor c = app_->MainWindow().PictureConnect->palette().color(QPalette::Window);
        return static_cast<uint32_t>(c.blue() << 16 | c.green() << 8 | c.red());
    }

    TempFolder dir_, data_{"capture.v1.2"};
    PortelloApi& api_ = test::RealPortello();
    test::ScaledClock clock_{2};
    std::unique_ptr<unitsim::UnitSim> unit_;
    std::unique_ptr<CapturoApp> app_;
};

TEST_F(CapturoEndToEnd, ThePcLinkDialogConnectsAModel1UnitAndTheLampTurnsGreen) {
    Launch("Capturo", 1);
    PcLinkAccept();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    EXPECT_EQ(app_->engine().Connect.ConnectError, kConnectOk);
    EXPECT_EQ(app_->engine().Param.ParamResult, kParamOk);
    EXPECT_EQ(unit_->FirmwareLines(), (std::vector<std::string>{"S0030000FC", "S9030000FC"}));
    EXPECT_EQ(LampColor(), 0x00FF00u);
    EXPECT_NE(TempFolder::ReadAll(dir_ / "Capturo.ini").find("Port=COM3\r\n"), std::string::npos);
}

TEST_F(CapturoEndToEnd, WhatTheUnitSentIsExactlyWhatTheHistoryFilesHold) {
    const unitsim::Scenario scenario = BigScenario();
    Launch("Capturo Pavlor", 2);
    unit_->SetScenario(scenario);
    PcLinkAccept();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    ASSERT_EQ(app_->engine().Param.ParamResult, kParamOk);

    Press("Start");
    ASSERT_EQ(app_->engine().EngineState, kStateMonitoring);
    const LineIo& io = app_->engine().Io;
    ASSERT_TRUE(RunUntil([&] {
        return unit_->ScenarioRecordsSent() == scenario.records.size() && io.LastLine.empty() &&
               io.PendingText.empty();
    }));
    Press("Stop");
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    EXPECT_EQ(app_->MsgBox().Messege(), "") << "a user's stop is not announced";

    // The append worker runs on; the .tmp files go once it is done.
    auto tmpLeft = [&] {
        for (const auto& name : data_.Names()) {
            if (name.size() > 4 && name.substr(name.size() - 4) == ".tmp") return true;
        }
        return false;
    };
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (tmpLeft() && Clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_FALSE(tmpLeft());

    const std::string first = data_ / "Ky_00_b.ky2";
    const std::string second = data_ / "Ky_01_te.ky2";
    EXPECT_EQ(data_.Names(), (std::vector<std::string>{"Ky_00.k21", "Ky_00.k22", "Ky_00_b.ky2", "Ky_01_te.ky2"}));
    EXPECT_EQ(app_->MainWindow().windowTitle().toStdString(), "モニタ - [" + second + "]");

    store::clsCommon a, b;
    ASSERT_TRUE(a.Read(first));
    ASSERT_TRUE(b.Read(second));
    const auto expected = unitsim::ExpectedHistory(2, scenario);
    EXPECT_EQ(a.RecordCount(), 60000);
    EXPECT_EQ(a.FollowFile(), second) << "the chain probe finds the renamed file";
    EXPECT_EQ(b.PrecedFile(), first);
    EXPECT_EQ(platform::FormatDateTime(a.MonitorStart()), "2026/12/09 10:00:00");
    EXPECT_EQ(platform::FormatDateTime(b.MonitorStop()), Stamp(expected.back().time));
    EXPECT_EQ(a.BaudRate(), 9600);
    EXPECT_GE(b.GetTrigPos(), 0);

    std::vector<const store::HistoryRecord*> got;
    for (const store::clsCommon* doc : {&a, &b}) {
        for (int32_t i = 0; i < doc->RecordCount(); ++i) got.push_back(doc->Record(i));
    }
    size_t k = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
        const auto& rec = expected[i];
        // Index 0 is the start record: the record with the bad checksum is
        // dropped by the monitor and logged instead.
        if (rec.kind != unitsim::ExpectedRecord::Kind::Data || i == kBadRecord + 1) continue;
        for (const auto& unit : rec.units) {
            ASSERT_LT(k, got.size());
            const store::HistoryRecord& r = *got[k++];
            ASSERT_EQ(r.Attr, unit.attribute & 0x7F) << k;
            ASSERT_EQ(r.Data, unit.data) << k;
            ASSERT_EQ(r.TimIndex, unit.timeRange) << k;
            if (unit.timeRange >= 0) {
                ASSERT_EQ(r.TimValue, unit.timeValue) << k;
            }
            ASSERT_EQ(platform::FormatDateTime(r.DateTime), Stamp(rec.time)) << k;
        }
    }
    EXPECT_EQ(k, got.size());
    EXPECT_EQ(k, static_cast<size_t>((kRecords - 1) * kUnitsPerRecord));
    EXPECT_NE(TempFolder::ReadAll(data_ / "Ky_00.k21").find(platform::Utf8ToCp932(" チェックサムエラー")),
              std::string::npos);
    EXPECT_EQ(TempFolder::ReadAll(data_ / "Ky_00.k22"), expected[kBadRecord + 1].bytes);
}

// The final history files once the append worker has gone through them.
std::vector<std::string> HistoryFiles(const TempFolder& folder) {
    const auto deadline = Clock::now() + std::chrono::seconds(60);
    while (Clock::now() < deadline) {
        bool tmp = false;
        for (const auto& name : folder.Names()) tmp = tmp || name.ends_with(".tmp");
        if (!tmp) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::vector<std::string> histories;
    for (const auto& name : folder.Names()) {
        if (name.ends_with(".ky2")) histories.push_back(name);
    }
    return histories;
}

// A unit left monitoring by a Capturo that died: it ignores the start
// command and sends no start record. Its records take their dates from the
// PC's clock, which set the unit's at the connect.
TEST_F(CapturoEndToEnd, UnitAlreadyMonitoringRecordsAndHeaderTakeThePcClock) {
    Launch("Capturo Pavlor", 2);
    PcLinkAccept();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    ASSERT_EQ(app_->engine().Param.ParamResult, kParamOk);
    unit_->SetStream(200, 20);
    ASSERT_TRUE(unit_->StartMonitoring());
    // The start record and the first records went to the Capturo that
    // died: they are gone by the time the new one starts.
    RunUntil([] { return false; }, 1);
    app_->engine().Io.RecvClear();

    const double began = clock_.NowDate();
    Press("Start");
    ASSERT_EQ(app_->engine().EngineState, kStateMonitoring);
    const HistoryWriter& files = app_->engine().Cap.Files;
    ASSERT_TRUE(RunUntil([&] { return files.FileUnits >= 100; }));
    Press("Stop");
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    const double ended = clock_.NowDate();

    const std::vector<std::string> histories = HistoryFiles(data_);
    ASSERT_EQ(histories, std::vector<std::string>{"Ky_00_be.ky2"});
    store::clsCommon doc;
    ASSERT_TRUE(doc.Read(data_ / histories[0]));
    ASSERT_GE(doc.RecordCount(), 100);
    const double second = 1.0 / 86400.0;
    for (int32_t i = 0; i < doc.RecordCount(); ++i) {
        ASSERT_GE(doc.Record(i)->DateTime, platform::WholeSecond(began) - second)
            << i << ": " << platform::FormatDateTime(doc.Record(i)->DateTime);
        ASSERT_LE(doc.Record(i)->DateTime, ended + second) << i;
    }
    // The monitoring start is the unit's counter 0 by the PC's clock: the
    // unit began streaming just before Start.
    EXPECT_GE(doc.MonitorStart(), began - 5 * second) << platform::FormatDateTime(doc.MonitorStart());
    EXPECT_LE(doc.MonitorStart(), doc.Record(0)->DateTime);
    // The end record's time, by the unit's clock, which the connect set
    // from the PC's to the second. The records' times came from the PC's
    // clock when the first record arrived, so the two may differ by a
    // second each way and by however late that record was read.
    EXPECT_GE(doc.MonitorStop(), doc.Record(doc.RecordCount() - 1)->DateTime - 10 * second);
    EXPECT_LE(doc.MonitorStop(), ended + second);
}

// Counts the message boxes shown with a text.
class BoxCounter : public QObject {
public:
    explicit BoxCounter(QString text) : text_(std::move(text)) { qApp->installEventFilter(this); }
    ~BoxCounter() override { qApp->removeEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<platform::MsgBoxWindow*>(watched); box && box->lblMessege->text() == text_) {
                ++shown;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QString text_;
};

// A data folder that cannot be written (here one under a plain file,
// which refuses even root): the box comes once for the broken file while
// records go on being shown and counted, and Stop still ends monitoring.
TEST_F(CapturoEndToEnd, DiskFullShowsOnceAFileAndStopStillEndsMonitoring) {
    Launch("Capturo Pavlor", 2);
    PcLinkAccept();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    TempFolder::WriteAll(data_ / "plain", "x");
    app_->engine().Pc.DataDir = data_ / "plain/sub";
    unit_->SetStream(200, 20);

    BoxCounter boxes(QStringLiteral("ディスクＦｕｌｌ発生！！"));
    Press("Start");
    ASSERT_EQ(app_->engine().EngineState, kStateMonitoring);
    const HistoryWriter& files = app_->engine().Cap.Files;
    ASSERT_TRUE(RunUntil([&] { return files.FileUnits >= 200; })) << "records are still counted";
    EXPECT_EQ(boxes.shown, 1);
    EXPECT_EQ(app_->MainWindow().Panels.Text("Status").toStdString(), "ディスクＦｕｌｌ！！");

    // The user closes the box and reaches Stop while records still flow.
    platform::MsgBoxWindow* box = app_->MsgBox().Window();
    ASSERT_NE(box, nullptr);
    box->cmdOk->click();
    QCoreApplication::processEvents();
    ASSERT_TRUE(app_->MainWindow().isEnabled());
    const int32_t counted = files.FileUnits;
    ASSERT_TRUE(RunUntil([&] { return files.FileUnits >= counted + 100; }));
    EXPECT_EQ(boxes.shown, 1) << "no box again for the same file";
    ASSERT_TRUE(app_->MainWindow().isEnabled());
    QAction* stop = app_->MainWindow().Buttons.Button("Stop");
    ASSERT_TRUE(stop->isEnabled());
    stop->trigger();
    ASSERT_TRUE(RunUntil([&] { return Idle(); })) << "the unit's end record came";
    const std::vector<std::string> lines = unit_->ReceivedLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "G0"), lines.end());
    EXPECT_FALSE(unit_->IsMonitoring());
}

}  // namespace
}  // namespace mon
