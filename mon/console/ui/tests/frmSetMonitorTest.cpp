#include "frmSetMonitor.h"

#include <gtest/gtest.h>

#include <QTest>

#include "ConsoleFixture.h"
#include "Engine.h"
#include "frmBaud.h"
#include "frmBaudN5.h"
#include "frmTrig.h"

namespace mon {
namespace {

class SetMonitor : public test::ConsoleFixture {};

TEST_F(SetMonitor, TheToolbarOpensItOnTheCommittedSettingsWithTheMainWindowDisabled) {
    engine().CommittedSettings.BaudRate = 134.5f;
    engine().CommittedSettings.Code = 3;
    engine().CommittedSettings.Interface = 1;
    engine().CommittedSettings.ErrStop = -1;
    frmSetMonitor& d = OpenSettings();
    EXPECT_EQ(d.windowTitle(), "モニタ設定");
    EXPECT_FALSE(main().isEnabled());
    EXPECT_EQ(engine().MonitorDialogShown, -1);
    EXPECT_EQ(d.txtBaudRate->text(), "134.5");
    EXPECT_EQ(d.cmbCode->currentText(), "ＪＩＳ７");
    EXPECT_EQ(d.Draft.Code, 2) << "the kana form of JIS7 comes out as JIS7";
    EXPECT_TRUE(d.optInterface[1]->isChecked());
    EXPECT_EQ(d.optInterface[1]->text(), "RS-422");
    EXPECT_EQ(d.cmdDetail->text(), "詳細");
    EXPECT_TRUE(d.chkErrStop->isChecked());
    EXPECT_EQ(d.SSTab1->currentIndex(), 0);
    EXPECT_FALSE(d.DTPickerDate[0]->isEnabled()) << "the range is off";
    d.chkRangeDate->setChecked(true);
    EXPECT_TRUE(d.DTPickerTime[1]->isEnabled());

    main().mnuSetmonitor->trigger();
    EXPECT_EQ(Settings(), &d) << "a second opening raises the same dialog";
}

TEST_F(SetMonitor, CancelStoresNothingAndGivesTheMainWindowBack) {
    const MonitorSettings before = engine().WorkingSettings;
    frmSetMonitor& d = OpenSettings();
    d.cmbCode->setCurrentIndex(0);
    d.txtBaudRate->setText("19200");
    d.cmdCancel->click();
    EXPECT_EQ(Settings(), nullptr);
    EXPECT_EQ(engine().WorkingSettings, before);
    EXPECT_TRUE(main().isEnabled());
    EXPECT_EQ(engine().MonitorDialogShown, 0);
    EXPECT_EQ(engine().EngineState, kStateIdle);
}

TEST_F(SetMonitor, ARefusedSetBeepsOnItsFieldAndStoresNothing) {
    const MonitorSettings before = engine().WorkingSettings;
    frmSetMonitor& d = OpenSettings();
    d.activateWindow();
    ASSERT_TRUE(test::WaitActive(d));
    d.optDirection[2]->setChecked(true);
    d.txtBaudRate->setText("-9600");
    d.SSTab1->setCurrentIndex(1);
    d.cmdSet->click();
    EXPECT_EQ(Settings(), &d) << "the dialog stays";
    EXPECT_EQ(d.SSTab1->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), d.txtBaudRate);
    EXPECT_EQ(engine().WorkingSettings, before) << "the direction read before the baud is not kept";
    EXPECT_EQ(engine().EngineState, kStateIdle);

    d.txtBaudRate->setText("9600");
    d.chkRangeDate->setChecked(true);
    d.DTPickerDate[0]->setDate(QDate(2002, 1, 2));
    d.DTPickerDate[1]->setDate(QDate(2002, 1, 1));
    d.cmdSet->click();
    EXPECT_EQ(d.SSTab1->currentIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), d.DTPickerDate[1]);
    EXPECT_EQ(engine().WorkingSettings, before);
}

TEST_F(SetMonitor, SetGivesTheWholeRecordToTheDownload) {
    frmSetMonitor& d = OpenSettings();
    d.txtBaudRate->setText("9601");
    d.cmbParity->setCurrentIndex(2);
    d.optMemoryMode[2]->setChecked(true);
    d.cmdSet->click();
    EXPECT_EQ(Settings(), nullptr);
    EXPECT_EQ(engine().WorkingSettings.BaudRate, 9700);
    EXPECT_EQ(engine().WorkingSettings.Parity, 2);
    EXPECT_EQ(engine().WorkingSettings.MemoryMode, 2);
    EXPECT_EQ(engine().EngineState, kStateParamDownload);
    EXPECT_NE(engine().CommittedSettings.BaudRate, 9700) << "committed only by the download";
    EXPECT_FALSE(main().isEnabled()) << "the step window keeps it";
    EXPECT_EQ(engine().MonitorDialogShown, 0);
}

TEST_F(SetMonitor, TheUpDownStepsTheTableForModel1AndByAHundredForModel2) {
    frmSetMonitor& d = OpenSettings();
    d.txtBaudRate->setText("230400");
    d.UpDownBaudRate->Up->click();
    EXPECT_EQ(d.txtBaudRate->text(), "10");
    d.UpDownBaudRate->Down->click();
    EXPECT_EQ(d.txtBaudRate->text(), "230400");
    d.cmdCancel->click();

    engine().Pc.ModelNumber = 2;
    frmSetMonitor& n5 = OpenSettings();
    EXPECT_EQ(n5.optInterface[1]->text(), "RS-422/485");
    EXPECT_EQ(n5.cmdDetail->text(), "基準");
    n5.txtBaudRate->setText("687450");
    n5.UpDownBaudRate->Up->click();
    EXPECT_EQ(n5.txtBaudRate->text(), "10");
    n5.txtBaudRate->setText("1050");
    n5.UpDownBaudRate->Down->click();
    EXPECT_EQ(n5.txtBaudRate->text(), "950");
}

TEST_F(SetMonitor, TheDetailButtonOpensTheModelsBaudWindowOnTheTypedRate) {
    frmSetMonitor& d = OpenSettings();
    d.txtBaudRate->setText("9601");
    OnModal<frmBaud>([](frmBaud& w) {
        EXPECT_EQ(w.List1->item(ChosenRow(*w.List1))->text(), "  10400");
        EXPECT_EQ(w.List2->item(ChosenRow(*w.List2))->text(), "   9700");
        w.cmdSetting->click();
    });
    d.cmdDetail->click();
    EXPECT_EQ(d.txtBaudRate->text(), "9700");
    d.cmdCancel->click();

    engine().Pc.ModelNumber = 2;
    frmSetMonitor& n5 = OpenSettings();
    n5.txtBaudRate->setText("500000");
    OnModal<frmBaudN5>([](frmBaudN5& w) {
        EXPECT_EQ(w.List1->item(ChosenRow(*w.List1))->text(), " 687500");
        w.cmdClose->click();
    });
    n5.cmdDetail->click();
    EXPECT_EQ(n5.txtBaudRate->text(), "500000") << "Cancel leaves the box";
}

// Opened above the highest rate, a baud window chooses nothing, although
// its list takes the focus; its Set then leaves the typed rate.
TEST_F(SetMonitor, TheDetailButtonAboveTheHighestRateChoosesNothing) {
    frmSetMonitor& d = OpenSettings();
    d.txtBaudRate->setText("230401");
    bool seen = false;
    OnModal<frmBaud>([&](frmBaud& w) {
        w.activateWindow();
        EXPECT_TRUE(test::WaitActive(w));
        w.List1->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        EXPECT_EQ(ChosenRow(*w.List1), -1);
        EXPECT_EQ(w.List2->count(), 0) << "List2 stays empty";
        w.cmdSetting->click();
        seen = w.isVisible();
        w.cmdClose->click();
    });
    d.cmdDetail->click();
    EXPECT_TRUE(seen) << "Set without a choice keeps the window";
    EXPECT_EQ(d.txtBaudRate->text(), "230401");
    d.cmdCancel->click();

    engine().Pc.ModelNumber = 2;
    frmSetMonitor& n5 = OpenSettings();
    n5.txtBaudRate->setText("687501");
    seen = false;
    OnModal<frmBaudN5>([&](frmBaudN5& w) {
        w.activateWindow();
        EXPECT_TRUE(test::WaitActive(w));
        w.List1->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        EXPECT_EQ(ChosenRow(*w.List1), -1);
        w.cmdSetting->click();
        seen = w.isVisible();
        w.cmdClose->click();
    });
    n5.cmdDetail->click();
    EXPECT_TRUE(seen);
    EXPECT_EQ(n5.txtBaudRate->text(), "687501");
}

TEST_F(SetMonitor, TheTriggerEditorEditsTheDialogsCopyOnly) {
    const MonitorSettings before = engine().WorkingSettings;
    frmSetMonitor& d = OpenSettings();
    OnModal<frmTrig>([](frmTrig& t) {
        t.chkTrigFlg[0]->setChecked(true);
        t.cmdSet->click();
    });
    d.cmdTrig->click();
    EXPECT_EQ(d.Draft.Trig[0].Active, -1);
    EXPECT_EQ(engine().WorkingSettings, before) << "nothing before the dialog's own Set";
    d.cmdSet->click();
    EXPECT_EQ(engine().WorkingSettings.Trig[0].Active, -1);
}

TEST_F(SetMonitor, ALineCutClosesIt) {
    OpenSettings();
    engine().View.SettingsDialogsUnload();
    EXPECT_EQ(Settings(), nullptr);
    EXPECT_TRUE(main().isEnabled());
}

}  // namespace
}  // namespace mon
