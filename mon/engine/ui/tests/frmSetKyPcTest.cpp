#include "frmSetKyPc.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

#include "CapturoFixture.h"
#include "frmMsgBox.h"
#include "platform/ui/Twips.h"

namespace mon {
namespace {

class PcLinkDialog : public test::CapturoFixture {
protected:
    frmSetKyPc& d() { return *pcDialog(); }

    void Fill(const QString& port, const std::string& folder, const QString& name,
              const QString& max) {
        d().cmbPort->setEditText(port);
        d().txtDataDirectory->setText(QString::fromStdString(folder));
        d().txtFileName->setText(name);
        d().txtFileMax->setText(max);
    }
    void Accept() { d().cmdSetting->click(); }
    // The box the dialog shows without waiting, while it is up.
    frmMsgBox* Box() {
        frmMsgBox* box = app_.MsgBox().Window();
        return box != nullptr && box->isVisible() ? box : nullptr;
    }
    // Answers the modal question the next accept asks.
    void AnswerQuestion(bool yes) {
        QTimer::singleShot(0, [yes] {
            auto* box = qobject_cast<frmMsgBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                ADD_FAILURE() << "no question was asked";
                return;
            }
            EXPECT_EQ(box->windowTitle(), "KY_PC設定");
            EXPECT_EQ(box->lblMessege->text(), "既存のファイルがあります。継続しますか？");
            (yes ? box->cmdOk : box->cmdCancel)->click();
        });
    }
    std::string Ini() { return TempFolder::ReadAll(engine().IniPath()); }

    TempFolder data_;
};

TEST_F(PcLinkDialog, LoadShowsACopyOfThePcSettings) {
    EXPECT_EQ(d().windowTitle(), "ＫＹ＿ＰＣ設定");
    EXPECT_EQ(d().SSTab1->tabText(0), "KY_PC設定");
    EXPECT_EQ(d().cmbPort->currentText(), "COM1");
    EXPECT_EQ(d().cmbBaudRate->count(), 5) << "no 460800 for the model-1 unit";
    EXPECT_EQ(d().cmbBaudRate->currentText(), "115200");
    EXPECT_EQ(d().txtDataDirectory->text().toStdString(), dir_.path());
    EXPECT_EQ(d().txtFileName->text(), "Ky");
    EXPECT_EQ(d().txtFileMax->text(), "") << "no limit";
    EXPECT_FALSE(d().SettingAccepted);
}

TEST_F(PcLinkDialog, AStoredFastLinkShowsAs115200ForTheModelOneUnit) {
    PcDialogCancel();
    engine().Pc.PcBaudIndex = 6;
    engine().Pc.PortNumber = 9;
    main().mnuSetKyPc_Click();
    EXPECT_EQ(d().cmbBaudRate->currentText(), "115200");
    EXPECT_EQ(d().PcDraft.PcBaudIndex, 4);
    EXPECT_EQ(d().cmbPort->currentText(), "COM9");
}

TEST_F(PcLinkDialog, AnAcceptedSettingIsCommittedAndClosingStartsTheConnect) {
    Fill("COM12", data_.path(), "Ky", "12");
    Accept();
    EXPECT_EQ(api_.opened, std::vector<std::string>{"\\\\.\\COM12@115200"});
    EXPECT_EQ(engine().Pc.PortNumber, 12);
    EXPECT_EQ(engine().Pc.DataDir, data_.path());
    EXPECT_EQ(engine().Pc.FileMax, 12);
    EXPECT_EQ(api_.activeKinds.back(), 1);
    EXPECT_NE(Ini().find("DataDir=" + data_.path()), std::string::npos);
    EXPECT_EQ(pcDialog(), nullptr);
    EXPECT_EQ(engine().PcDialogShown, 0);
    EXPECT_EQ(engine().EngineState, kStateConnecting);
    ASSERT_NE(stepWindow(), nullptr);
    EXPECT_FALSE(main().isEnabled()) << "now the step window holds it";
    EXPECT_EQ(data_.Names(), std::vector<std::string>{}) << "the write test left nothing";
}

TEST_F(PcLinkDialog, ABadPortTextIsRefusedWithoutAMessage) {
    for (const char* port : {"COM1234", "COMx"}) {
        Fill(port, data_.path(), "Ky", "");
        Accept();
        EXPECT_TRUE(api_.opened.empty()) << port;
        EXPECT_EQ(Box(), nullptr) << port;
        EXPECT_EQ(d().focusWidget(), d().cmbPort) << port;
        EXPECT_TRUE(d().isVisible());
    }
}

TEST_F(PcLinkDialog, MaximumFileCountsZeroAndOneAreRefusedSilentlyATailedNumberWithAMessage) {
    for (const char* max : {"0", "1"}) {
        Fill("COM1", data_.path(), "Ky", max);
        Accept();
        EXPECT_EQ(Box(), nullptr) << max;
        EXPECT_EQ(d().focusWidget(), d().txtFileMax) << max;
    }
    Fill("COM1", data_.path(), "Ky", "12a");
    Accept();
    ASSERT_NE(Box(), nullptr);
    EXPECT_EQ(Box()->lblMessege->text(), "最大ファイル数 [12a] は有効ではありません！");
    EXPECT_EQ(Box()->windowTitle(), "モニタ");
    EXPECT_FALSE(d().isEnabled()) << "the dialog waits for the box";
    Box()->cmdOk->click();
    EXPECT_TRUE(d().isEnabled());
    EXPECT_EQ(d().focusWidget(), d().txtFileMax);
    EXPECT_TRUE(api_.opened.empty());
}

TEST_F(PcLinkDialog, APortThatWillNotOpenIsClosedAndReported) {
    api_.openResult = 0;
    const int closesBefore = api_.commCloses;
    Fill("COM3", data_.path(), "Ky", "");
    Accept();
    EXPECT_EQ(api_.commCloses, closesBefore + 2) << "closed before the open and after it failed";
    ASSERT_NE(Box(), nullptr);
    EXPECT_EQ(Box()->lblMessege->text(), "通信ポートをオープンすることが出来ません！");
    EXPECT_EQ(engine().Pc.PortNumber, 1);
}

TEST_F(PcLinkDialog, AMissingFolderIsReportedAndNothingIsCommitted) {
    const std::string missing = data_ / "nowhere";
    Fill("COM2", missing, "Ky", "");
    Accept();
    ASSERT_NE(Box(), nullptr);
    EXPECT_EQ(Box()->lblMessege->text().toStdString(), "[" + missing + "] フォルダがありません！");
    Box()->cmdOk->click();
    EXPECT_EQ(d().focusWidget(), d().txtDataDirectory) << "back on the field in error";
    EXPECT_EQ(engine().Pc.PortNumber, 1);
    EXPECT_FALSE(d().SettingAccepted);
}

TEST_F(PcLinkDialog, TheWriteTestLeavesTheUsersOwnTmpFileAlone) {
    TempFolder::WriteAll(data_ / "Ky.tmp", "not ours");
    Fill("COM1", data_.path(), "Ky", "");
    Accept();
    EXPECT_EQ(TempFolder::ReadAll(data_ / "Ky.tmp"), "not ours");
    EXPECT_EQ(data_.Names(), std::vector<std::string>{"Ky.tmp"});
    EXPECT_EQ(engine().Pc.DataDir, data_.path());
}

TEST_F(PcLinkDialog, APlainFileAsFolderOrAnEmptyNameFailSilently) {
    TempFolder::WriteAll(data_ / "plain", "x");
    Fill("COM1", data_ / "plain", "Ky", "");
    Accept();
    EXPECT_EQ(Box(), nullptr);
    EXPECT_EQ(d().focusWidget(), d().txtFileName);
    Fill("COM1", data_.path(), "", "");
    Accept();
    EXPECT_EQ(Box(), nullptr);
    EXPECT_TRUE(d().isVisible());
    EXPECT_FALSE(d().SettingAccepted);
}

TEST_F(PcLinkDialog, ExistingHistoryFilesAskFirst) {
    TempFolder::WriteAll(data_ / "Ky_00.ky2", "");
    Fill("COM4", data_.path(), "Ky", "");
    AnswerQuestion(false);
    Accept();
    EXPECT_TRUE(d().isVisible());
    EXPECT_EQ(engine().Pc.PortNumber, 1) << "いいえ commits nothing";

    AnswerQuestion(true);
    Accept();
    EXPECT_EQ(pcDialog(), nullptr);
    EXPECT_EQ(engine().Pc.PortNumber, 4);
    EXPECT_EQ(engine().EngineState, kStateConnecting);
}

TEST_F(PcLinkDialog, CancelLeavesTheEngineIdleAndFreesTheMainWindow) {
    QTest::keyClick(&d(), Qt::Key_Escape);
    EXPECT_EQ(pcDialog(), nullptr);
    EXPECT_EQ(engine().EngineState, kStateIdle);
    EXPECT_TRUE(main().isEnabled());
    EXPECT_TRUE(api_.opened.empty());
}

TEST_F(PcLinkDialog, ALineCutClosesTheDialog) {
    api_.dsr = 0;
    app_.Driver().Tick();
    EXPECT_EQ(pcDialog(), nullptr);
    EXPECT_EQ(main().Panels.Text("Status"), "回線切断！");
    EXPECT_FALSE(main().isEnabled()) << "the step window shows the cut";
}

TEST_F(PcLinkDialog, TheMaximumFileCountTakesDigitsOnly) {
    d().txtFileMax->clear();
    QTest::keyClicks(d().txtFileMax, "1a2-3");
    EXPECT_EQ(d().txtFileMax->text(), "123");
}

// What a window manager does: it puts a new window in place as the window
// appears, after the program asked for it to be shown.
class WindowManagerPlaces : public QObject {
public:
    WindowManagerPlaces(QWidget& window, QPoint at) : window_(window), at_(at) { window.installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Show) {
            window_.removeEventFilter(this);
            QTimer::singleShot(0, &window_, [this] { window_.move(at_); });
        }
        return false;
    }

private:
    QWidget& window_;
    QPoint at_;
};

TEST(PcLinkDialogAtStartUp, OpensAgainstTheMainWindowWhereItAppeared) {
    TempFolder dir;
    test::FakePortello api;
    test::FakeClock clock;
    CapturoApp app(api, clock, dir.path());
    const QPoint at(40, 30);
    WindowManagerPlaces manager(app.MainWindow(), at);
    app.Start(false);
    app.Driver().Stop();
    QCoreApplication::processEvents();
    const QPoint main = app.MainWindow().geometry().topLeft();
    ASSERT_GE(main.x(), at.x()) << "the window manager has placed the window";
    frmSetKyPc* dialog = app.MainWindow().SetKyPcWindow();
    ASSERT_NE(dialog, nullptr);
    const int step = platform::TwipsToPixels(300, dialog);
    EXPECT_EQ(dialog->geometry().topLeft(), main + QPoint(step, step)) << "300 twips right of and below it";
    app.Finish();
}

}  // namespace
}  // namespace mon
