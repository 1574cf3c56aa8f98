#include "frmMain.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "CapturoFixture.h"
#include "platform/ui/BgrColor.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowPlacement.h"
#include "platform/ui/frmAbout.h"

namespace mon {
namespace {

using test::CapturoFixture;

QColor LampOf(const frmMain& w) { return w.PictureConnect->palette().color(QPalette::Window); }
QColor ForeOf(const QLabel* l) { return l->palette().color(QPalette::WindowText); }

TEST_F(CapturoFixture, StartUpShowsTheSettingsTheGreyLampAndThePcLinkDialog) {
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(main().windowTitle(), "モニタ - [無題]");
    EXPECT_EQ(main().Panels.Text("Code"), "ASCII");
    EXPECT_EQ(main().Panels.Text("MemoryMode"), "RESTART");
    EXPECT_EQ(main().Panels.Text("Direction"), "DUAL");
    EXPECT_EQ(main().Panels.Text("RangeStart"), "-");
    EXPECT_EQ(main().Panels.Text("SdCount"), "SD:000000");
    EXPECT_EQ(main().Panels.Panel("DualCount")->toolTip(), "トータルカウント");
    EXPECT_EQ(LampOf(main()), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(ForeOf(main().ldlSdColor), QColor(0, 0, 0));
    EXPECT_EQ(ForeOf(main().lblRdColor), QColor(0, 0x80, 0xFF));
    ASSERT_NE(pcDialog(), nullptr);
    EXPECT_FALSE(main().isEnabled()) << "the PC-link dialog disables the main window";
    EXPECT_EQ(engine().PcDialogShown, -1);
}

TEST_F(CapturoFixture, LoadLeavesTheIdleToolbarAndTheDetailMode) {
    PcDialogCancel();
    const auto enabled = [&](const char* key) { return main().Buttons.Button(key)->isEnabled(); };
    EXPECT_TRUE(enabled("Start"));
    EXPECT_FALSE(enabled("Stop"));
    EXPECT_FALSE(enabled("Kill"));
    EXPECT_TRUE(enabled("KyPc"));
    EXPECT_EQ(main().Buttons.Button("KyPc")->toolTip(), "KY_PC設定");
    EXPECT_TRUE(main().mnuSet->menuAction()->isEnabled());
    EXPECT_TRUE(enabled("Monitor"));
    EXPECT_EQ(main().Buttons.Button("Monitor")->toolTip(), "モニタ設定");
    EXPECT_EQ(main().Buttons.Keys(), QStringList({"Start", "Stop", "Kill", "Monitor", "KyPc"}));
    EXPECT_EQ(main().mnuFileSave->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_TRUE(main().mnuSetDspDetail->isChecked());
    EXPECT_FALSE(main().mnuSetDspData->isChecked());
    EXPECT_EQ(main().VSFlexGrid->columnCount(), 13);
}

TEST_F(CapturoFixture, DisabledMenusStayDisabledWhenADialogGivesTheWindowBack) {
    main().MonitorControlsSet(kMonitoringControls);
    PcDialogCancel();
    EXPECT_TRUE(main().isEnabled());
    EXPECT_FALSE(main().mnuSet->menuAction()->isEnabled());
    EXPECT_FALSE(main().Buttons.Button("Start")->isEnabled());
    EXPECT_TRUE(main().Buttons.Button("Stop")->isEnabled());
    main().MonitorControlsSet(kIdleControls);
    EXPECT_TRUE(main().mnuSet->menuAction()->isEnabled());
}

TEST_F(CapturoFixture, TheLampFollowsTheEnginesLampState) {
    engine().LampState = kLampGreen;
    engine().ConnectLampSet();
    EXPECT_EQ(LampOf(main()), QColor(0, 0xFF, 0));
    engine().LampState = kLampOrange;
    engine().ConnectLampSet();
    EXPECT_EQ(LampOf(main()), QColor(0xFF, 0x80, 0));
    engine().LampState = 9;
    engine().ConnectLampSet();
    EXPECT_EQ(LampOf(main()), QColor(0xFF, 0x80, 0)) << "an unknown state leaves the colour";
}

TEST_F(CapturoFixture, APowerFailureLineShowsInTheStatusPanelLampAndStepWindow) {
    PcDialogCancel();
    api_.Queue("e\r\n");
    app_.Driver().Tick();
    EXPECT_EQ(main().Panels.Text("Status"), "電源異常発生");
    EXPECT_EQ(LampOf(main()), QColor(0xFF, 0, 0));
    ASSERT_NE(stepWindow(), nullptr);
    EXPECT_EQ(stepWindow()->windowTitle(), "メッセージ");
    EXPECT_EQ(stepWindow()->lblStatus->text(), "状況： ");
    EXPECT_EQ(stepWindow()->lblMessage->text(), "ＫＹ本体の電源が異常です！確認して下さい。");
    EXPECT_EQ(stepWindow()->cmdCancel->text(), "OK");
    EXPECT_FALSE(main().isEnabled());
}

TEST_F(CapturoFixture, CloseIsRefusedWhileTheEngineWorks) {
    PcDialogCancel();
    for (int16_t state : {kStateConnecting, kStateMonitoring, kStateParamDownload}) {
        engine().EngineState = state;
        EXPECT_FALSE(main().close()) << state;
        EXPECT_TRUE(main().isVisible());
        EXPECT_EQ(engine().ExitRequested, 0);
    }
    engine().EngineState = kStateIdle;
    EXPECT_TRUE(main().close());
    EXPECT_EQ(engine().ExitRequested, -1);
}

TEST_F(CapturoFixture, TheStepWindowsButtonAbandonsTheOperationAndFreesTheMainWindow) {
    PcDialogCancel();
    main().mnuSetAgain_Click();
    EXPECT_EQ(engine().EngineState, kStateConnecting);
    ASSERT_NE(stepWindow(), nullptr);
    EXPECT_EQ(stepWindow()->lblMessage->text(), "ＫＹ－Ｎ４接続中");
    EXPECT_EQ(stepWindow()->cmdCancel->text(), "ｷｬﾝｾﾙ");
    EXPECT_FALSE(main().isEnabled());
    frmMessage* shown = stepWindow();
    engine().MessageShow("次の段階", 0);
    EXPECT_EQ(stepWindow(), shown) << "a second message updates the window";
    EXPECT_EQ(shown->cmdCancel->text(), "OK");

    QTest::mouseClick(shown->cmdCancel, Qt::LeftButton);
    EXPECT_EQ(engine().EngineState, kStateIdle);
    EXPECT_EQ(engine().MessageShown, 0);
    EXPECT_EQ(stepWindow(), nullptr);
    EXPECT_TRUE(main().isEnabled());
}

TEST_F(CapturoFixture, ClosingTheStepWindowLeavesTheMainWindowToAnOpenPcLinkDialog) {
    engine().MessageShow("ＫＹ－Ｎ４接続中", 1);
    ASSERT_NE(stepWindow(), nullptr);
    stepWindow()->close();
    EXPECT_FALSE(main().isEnabled());
    PcDialogCancel();
    EXPECT_TRUE(main().isEnabled());
}

TEST_F(CapturoFixture, DisplayModesLayTheGridOutAndRecordItsSize) {
    PcDialogCancel();
    main().mnuSetDspData->trigger();
    EXPECT_EQ(engine().DisplayMode, kDisplayData);
    EXPECT_TRUE(main().mnuSetDspData->isChecked());
    EXPECT_FALSE(main().mnuSetDspDetail->isChecked());
    const int width = platform::PixelsToTwips(main().VSFlexGrid->width(), &main());
    EXPECT_EQ(main().GridCols, FittingCount(width / 400.0 - 1));
    EXPECT_EQ(engine().GridCols, main().GridCols);
    EXPECT_EQ(main().VSFlexGrid->item(0, 0)->text(), "");

    main().mnuSetDspDetail->trigger();
    EXPECT_EQ(main().GridCols, 13);
    EXPECT_EQ(main().VSFlexGrid->item(0, 3)->text(), "DATA");
    EXPECT_EQ(main().VSFlexGrid->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(engine().GridRows, main().VSFlexGrid->rowCount());
}

TEST_F(CapturoFixture, AChosenColourIsSavedAndShownACancelledOneChangesNothing) {
    PcDialogCancel();
    const std::string before = TempFolder::ReadAll(engine().IniPath());
    main().DataColorChosen(true, QColor());
    main().DataColorChosen(false, platform::ColorFromBgr(0xFF8000));
    EXPECT_EQ(TempFolder::ReadAll(engine().IniPath()), before) << "cancelled or unchanged";

    main().DataColorChosen(true, QColor(255, 0, 0));
    EXPECT_EQ(engine().Pc.SdForeColor, 0x0000FF);
    EXPECT_EQ(ForeOf(main().ldlSdColor), QColor(255, 0, 0));
    EXPECT_NE(TempFolder::ReadAll(engine().IniPath()).find("SdForeColor=000000FF"),
              std::string::npos);
}

TEST_F(CapturoFixture, KillTurnsTheLampRedAndLeavesTheEngineIdle) {
    PcDialogCancel();
    engine().LampState = kLampGreen;
    engine().ConnectLampSet();
    main().Toolbar1_ButtonClick("Kill");
    EXPECT_EQ(engine().LampState, kLampRed);
    EXPECT_EQ(LampOf(main()), QColor(0xFF, 0, 0));
    EXPECT_EQ(engine().EngineState, kStateIdle);
}

TEST_F(CapturoFixture, TheMainWindowCannotBeMadeSmallerThanItsMinimum) {
    PcDialogCancel();
    main().resize(50, 50);
    const platform::TwipsRect r = platform::WindowTwips(&main());
    EXPECT_GE(r.width, kMainMinWidth - 15);
    EXPECT_GE(r.height, kMainMinHeight - 15);
}

TEST_F(CapturoFixture, TheVersionWindowNamesTheProgram) {
    PcDialogCancel();
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* about = qobject_cast<platform::frmAbout*>(modal);
        if (about == nullptr) {
            ADD_FAILURE() << "the version window did not open";
            if (modal != nullptr) modal->close();
            return;
        }
        EXPECT_EQ(about->windowTitle(), "Capturoのﾊﾞｰｼﾞｮﾝ情報");
        about->cmdOK->click();
    });
    main().mnuHelpVersion->trigger();
}

TEST_F(CapturoFixture, TheExitStepsCloseThePortAndFreeTheRingOnce) {
    PcDialogCancel();
    app_.Finish();
    app_.Finish();
    EXPECT_EQ(api_.appendClears, 0) << "appends of files closed just before are left to finish";
    EXPECT_EQ(api_.closeMaps, 1);
}

TEST(CapturoApp, TheProgramFolderCanBeSetForTests) {
    qputenv("CAPTURO_PROGRAM_DIR", "/tmp/capturo-folder/");
    EXPECT_EQ(CapturoApp::ProgramFolder(), "/tmp/capturo-folder");
    qunsetenv("CAPTURO_PROGRAM_DIR");
    EXPECT_EQ(CapturoApp::ProgramFolder(), QCoreApplication::applicationDirPath().toStdString());
}

}  // namespace
}  // namespace mon
