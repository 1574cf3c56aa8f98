// The maintenance window as a user works it, on the offscreen platform,
// against the simulated unit on a pseudo-terminal through the real device
// library: opened by its key chord from the connected main window, a memory
// read, and S-record downloads that send every line of the file and end
// with the unit's verdict.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "CapturoApp.h"
#include "CapturoConsole.h"
#include "FakePortello.h"
#include "RealPortello.h"
#include "UnitSim.h"
#include "frmExtension.h"
#include "frmSetKyPc.h"
#include "platform/file/tests/TempFolder.h"
#include "platform/ui/MsgBoxWindow.h"

namespace mon {
namespace {

using Clock = std::chrono::steady_clock;

std::string Hex2(uint32_t v) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(v >> 4) & 0xF], kDigits[v & 0xF]};
}

// An S-record line of the type with the bytes after its count: address,
// data; the checksum is added, or spoilt when asked.
std::string SRecord(char type, const std::vector<uint32_t>& bytes, bool badChecksum = false) {
    std::string line = std::string("S") + type + Hex2(static_cast<uint32_t>(bytes.size() + 1));
    uint32_t sum = static_cast<uint32_t>(bytes.size() + 1);
    for (uint32_t b : bytes) {
        line += Hex2(b);
        sum += b;
    }
    return line + Hex2((~sum + (badChecksum ? 1 : 0)) & 0xFF);
}

// A header, data records of 16 bytes and the end record: `lines` lines.
std::vector<std::string> SRecordLines(size_t lines) {
    std::vector<std::string> out{SRecord('0', {0, 0, 'K', 'Y'})};
    for (uint32_t address = 0; out.size() + 1 < lines; address += 16) {
        std::vector<uint32_t> bytes{(address >> 8) & 0xFF, address & 0xFF};
        for (uint32_t k = 0; k < 16; ++k) bytes.push_back((address + k * 7) & 0xFF);
        out.push_back(SRecord('1', bytes));
    }
    out.push_back(SRecord('9', {0, 0}));
    return out;
}

std::string FileText(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

class MaintenanceWindowTest : public ::testing::Test {
protected:
    void Launch(const unitsim::UnitOptions& options) {
        unit_ = std::make_unique<unitsim::UnitSim>(options);
        ::setenv("PORTELLO_COM3", unit_->SlavePath().c_str(), 1);
        app_ = std::make_unique<CapturoApp>(api_, clock_, dir_.path(), "Capturo Pavlor",
                                            [this](const ConsoleHost& host) {
                                                auto console = std::make_unique<CapturoConsole>(host);
                                                console_ = console.get();
                                                return console;
                                            });
        app_->Start(false);
        app_->Driver().Stop();  // the test runs the passes
        frmSetKyPc* dialog = app_->MainWindow().SetKyPcWindow();
        ASSERT_NE(dialog, nullptr);
        dialog->cmbPort->setEditText("COM3");
        dialog->txtDataDirectory->setText(QString::fromStdString(dir_.path()));
        dialog->txtFileName->setText("Ky");
        dialog->cmdSetting->click();
        ASSERT_TRUE(RunUntil([&] { return app_->engine().EngineState == kStateConnecting; }));
        ASSERT_TRUE(RunUntil([&] { return app_->engine().EngineState == kStateIdle; }));
        ASSERT_EQ(app_->engine().Param.ParamResult, kParamOk);
    }
    void TearDown() override {
        if (app_) app_->Finish();
        ::unsetenv("PORTELLO_COM3");
    }

    bool RunUntil(const std::function<bool()>& done, int seconds = 30) {
        const auto deadline = Clock::now() + std::chrono::seconds(seconds);
        while (!done() && Clock::now() < deadline) {
            if (app_->Driver().Tick() == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
            QCoreApplication::processEvents();
        }
        return done();
    }

    // Waits inside the open window, its timer running, while the main loop
    // is held back.
    bool WaitInWindow(const std::function<bool()>& done, int seconds = 10) {
        const auto deadline = Clock::now() + std::chrono::seconds(seconds);
        while (!done() && Clock::now() < deadline) {
            if (app_->Driver().Tick() != 0) ++loopPassesWhileOpen_;
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        return done();
    }

    frmExtension* Window() const { return console_->ExtensionWindow(); }

    // Opens the window by its key chord and runs drive inside it; the
    // window is closed afterwards.
    void InWindow(const std::function<void(frmExtension&)>& drive) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            frmExtension* window = Window();
            if (window == nullptr) return;
            EXPECT_EQ(QApplication::activeModalWidget(), window);
            drive(*window);
            ran = true;
            window->cmdCancel->click();
        });
        const auto chord = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
        QTest::keyRelease(app_->MainWindow().VSFlexGrid, Qt::Key_E, chord);
        EXPECT_TRUE(ran) << "the key chord opened the window";
        EXPECT_EQ(Window(), nullptr);
        EXPECT_EQ(loopPassesWhileOpen_, 0) << "the main loop waits while the window is open";
    }

    // Sends a key release to the grid; true when it opened the window
    // (which is then closed at once).
    bool ChordOpens(Qt::KeyboardModifiers modifiers) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (frmExtension* window = Window()) {
                opened = true;
                window->close();
            }
        });
        QTest::keyRelease(app_->MainWindow().VSFlexGrid, Qt::Key_E, modifiers);
        QCoreApplication::processEvents();
        return opened;
    }

    // Answers every message box that comes up, keeping its text.
    void AnswerMessages() {
        auto* watcher = new QTimer(&app_->MainWindow());
        QObject::connect(watcher, &QTimer::timeout, [this] {
            platform::MsgBoxWindow* box = app_->MsgBox().Window();
            if (box == nullptr || !box->isVisible()) return;
            messages_.push_back(app_->MsgBox().Messege());
            box->cmdOk->click();
        });
        watcher->start(5);
    }

    // Starts the download of the file's lines and ticks until it ends.
    void Download(frmExtension& w, const std::string& file, int memory) {
        w.SSTab1->setCurrentIndex(kPageDownload);
        w.optMode[static_cast<size_t>(memory)]->setChecked(true);
        w.txtOffset->setText("123456");
        w.txtFileName->setText(QString::fromStdString(file));
        w.cmdDownload->click();
        EXPECT_EQ(w.cmdDownload->text(), QStringLiteral("ｷｬﾝｾﾙ"));
        EXPECT_FALSE(w.SSTab1->isTabEnabled(kPageMemory));
        EXPECT_FALSE(w.cmdCancel->isEnabled());
        // Faster than the window's own timer, and a few ticks between two
        // repaints: one line a tick either way.
        EXPECT_TRUE(WaitInWindow([&] {
            for (int i = 0; i < 50 && w.Downloading(); ++i) w.Timer1_Timer();
            return !w.Downloading();
        }, 60));
        EXPECT_EQ(w.cmdDownload->text(), QStringLiteral("実行"));
        EXPECT_TRUE(w.SSTab1->isTabEnabled(kPageMemory));
    }

    TempFolder dir_;
    PortelloApi& api_ = test::RealPortello();
    test::ScaledClock clock_{2};
    std::unique_ptr<unitsim::UnitSim> unit_;
    CapturoConsole* console_ = nullptr;
    std::unique_ptr<CapturoApp> app_;
    std::vector<std::string> messages_;
    int loopPassesWhileOpen_ = 0;
};

TEST_F(MaintenanceWindowTest, MemoryReadAndDownloadsAgainstTheUnit) {
    Launch({.model = 2});
    AnswerMessages();
    const std::vector<std::string> lines = SRecordLines(2000);
    TempFolder::WriteAll(dir_ / "app.s", FileText(lines));
    std::vector<std::string> spoilt = SRecordLines(20);
    spoilt[7] = SRecord('1', {0, 0x70, 1, 2, 3}, true);
    TempFolder::WriteAll(dir_ / "spoilt.hex", FileText(spoilt));
    // A trailing blank on a line, and an empty line.
    const std::vector<std::string> loose{SRecord('0', {0, 0, 'K', 'Y'}), SRecord('1', {0, 0x10, 1, 2}) + " ", "",
                                         SRecord('9', {0, 0})};
    TempFolder::WriteAll(dir_ / "loose.s", FileText(loose));

    InWindow([&](frmExtension& w) {
        // A read of length 00 is 256 bytes: 16 rows below the header.
        w.txtAddress->setText("1000");
        w.txtLength->setText("00");
        w.cmdSet->click();
        EXPECT_EQ(w.txtAddress->text(), QStringLiteral("001000"));
        ASSERT_TRUE(WaitInWindow([&] { return w.VSFlexGrid1->rowCount() == 17; }));
        EXPECT_EQ(w.VSFlexGrid1->item(0, 0)->text(), QStringLiteral("ｱﾄﾞﾚｽ"));
        for (int k = 0; k < 256; ++k) {
            const int row = 1 + k / 16;
            const int col = k % 16 < 8 ? k % 16 + 1 : k % 16 + 2;
            const auto expected = Hex2(unitsim::UnitMaintenance::MemoryByte(0x1000u + static_cast<uint32_t>(k)));
            ASSERT_EQ(w.VSFlexGrid1->item(row, col)->text().toStdString(), expected) << k;
        }
        EXPECT_EQ(w.VSFlexGrid1->item(16, 0)->text(), QStringLiteral("0010F0"));
        EXPECT_EQ(w.VSFlexGrid1->item(16, 9)->text(), QStringLiteral("-"));

        // A line on the download page with no download running starts
        // nothing: here the read's reply, the only line on its way, which
        // stops the timer once it has come whole.
        w.SSTab1->setCurrentIndex(kPageDownload);
        w.cmdSet->click();
        ASSERT_TRUE(WaitInWindow([&] { return !w.Timer1->isActive(); }));
        EXPECT_FALSE(w.Downloading());
        EXPECT_TRUE(messages_.empty());

        // A line that comes while the window is not reading is no reply to
        // the next download. AP_CommRecv is 1 once it has moved the line
        // from the port into the receive ring, where the window finds it.
        ASSERT_TRUE(unit_->SendLine("D0"));
        bool inRing = false;
        ASSERT_TRUE(WaitInWindow([&] {
            if (!inRing) inRing = api_.CommRecv() == 1;
            return inRing;
        }));

        // Every line goes out as the file holds it, and the unit decides.
        Download(w, dir_ / "loose.s", kFlashRom);
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0], "Ｓフォーマットのチェックサムエラー") << "the unit's answer";
        ASSERT_EQ(w.lstMsg->count(), 6);
        EXPECT_EQ(w.lstMsg->item(2)->text().toStdString(), loose[1]);
        EXPECT_EQ(w.lstMsg->item(3)->text(), QString());
        messages_.clear();
        EXPECT_EQ(unit_->Maintenance().DownloadLines(), loose) << "the unit got every line";

        Download(w, dir_ / "app.s", kStaticRam);
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0], "Ｓ－ＲＡＭへの書込成功");
        ASSERT_EQ(w.lstMsg->count(), 2002);
        EXPECT_EQ(w.lstMsg->item(0)->text(), QStringLiteral("d1321"));
        EXPECT_EQ(w.lstMsg->item(2001)->text(), QStringLiteral("d9FFF"));
        messages_.clear();

        Download(w, dir_ / "spoilt.hex", kFlashRom);
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0], "Ｓフォーマットのチェックサムエラー");
    });
    const unitsim::UnitMaintenance m = unit_->Maintenance();
    EXPECT_EQ(m.DownloadsDone(), 3);
    EXPECT_EQ(m.DownloadOpened(), "d0321");
    EXPECT_EQ(m.DownloadLines(), spoilt);
    EXPECT_EQ(m.DownloadClosed(), "d9FFF");
    // The first download, every line as the file holds it.
    std::vector<std::string> received = unit_->ReceivedLines();
    const auto first = std::find(received.begin(), received.end(), "d1321");
    ASSERT_NE(first, received.end());
    EXPECT_TRUE(std::equal(lines.begin(), lines.end(), first + 1));
    EXPECT_EQ(*(first + 1 + static_cast<long>(lines.size())), "d9FFF");
    // The next opening starts from the last read.
    InWindow([&](frmExtension& w) { EXPECT_EQ(w.txtAddress->text(), QStringLiteral("001000")); });
}

TEST_F(MaintenanceWindowTest, OnlyTheWholeChordOfAnIdleEngineOpensIt) {
    Launch({.model = 2});
    EXPECT_FALSE(app_->MainWindow().mnuSetExtension->isVisible());
    EXPECT_FALSE(ChordOpens(Qt::ControlModifier | Qt::AltModifier));
    EXPECT_FALSE(ChordOpens(Qt::ShiftModifier | Qt::ControlModifier));
    const auto chord = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    // While monitoring the unit's records are the engine's alone.
    app_->engine().EngineState = kStateMonitoring;
    EXPECT_FALSE(ChordOpens(chord));
    app_->engine().EngineState = kStateIdle;
    EXPECT_TRUE(ChordOpens(chord));
}

TEST_F(MaintenanceWindowTest, ADownloadTheUnitRefusesReportsItsCodeAndAShortReplyItsBytes) {
    unitsim::UnitOptions options{.model = 2};
    options.maintenance.downloadResult = 1;
    options.maintenance.memoryReplyBytes = 20;
    Launch(options);
    AnswerMessages();
    TempFolder::WriteAll(dir_ / "app.hex", FileText(SRecordLines(30)));
    InWindow([&](frmExtension& w) {
        w.txtLength->setText("00");
        w.cmdSet->click();
        ASSERT_TRUE(WaitInWindow([&] { return w.VSFlexGrid1->rowCount() == 3; }));
        EXPECT_EQ(w.VSFlexGrid1->item(2, 4)->text().toStdString(),
                  Hex2(unitsim::UnitMaintenance::MemoryByte(19)));
        EXPECT_EQ(w.VSFlexGrid1->item(2, 5), nullptr) << "no byte past the reply";

        Download(w, dir_ / "app.hex", kFlashRom);
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0], "Ｆ－ＲＯＭへの書込失敗");
    });
    EXPECT_EQ(unit_->Maintenance().DownloadLines().size(), 30u);
}

TEST_F(MaintenanceWindowTest, AReplyWithAnUnknownResultShowsAnEmptyMessage) {
    unitsim::UnitOptions options{.model = 2};
    options.maintenance.downloadResult = 7;
    Launch(options);
    AnswerMessages();
    TempFolder::WriteAll(dir_ / "app.s", FileText(SRecordLines(3)));
    InWindow([&](frmExtension& w) {
        Download(w, dir_ / "app.s", kStaticRam);
        EXPECT_EQ(messages_, (std::vector<std::string>{""}));
    });
}

}  // namespace
}  // namespace mon
