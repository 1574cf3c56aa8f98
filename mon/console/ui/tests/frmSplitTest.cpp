#include "frmSplit.h"

#include <gtest/gtest.h>

#include <QTest>

#include "ConsoleFixture.h"
#include "Engine.h"
#include "MainWindowRules.h"
#include "frmDirectory.h"

namespace mon {
namespace {

class SaveDestinationDialog : public test::ConsoleFixture {
protected:
    std::unique_ptr<frmSplit> Open() {
        auto d = std::make_unique<frmSplit>(&main(), engine(), app_.MsgBox(), "Capturo");
        d->show();
        d->activateWindow();
        EXPECT_TRUE(test::WaitActive(*d));
        return d;
    }
    std::string Ini() { return TempFolder::ReadAll(engine().IniPath()); }

    TempFolder data_;
};

TEST_F(SaveDestinationDialog, SetStoresFolderAndNameTogetherAndWritesTheIni) {
    TempFolder::WriteAll(data_ / "Cap.tmp", "a capture's only copy");
    auto d = Open();
    EXPECT_EQ(d->windowTitle(), "保存先設定");
    EXPECT_EQ(d->txtDataDirectory->text().toStdString(), engine().Pc.DataDir);
    EXPECT_EQ(d->txtFileName->text(), "Ky");
    d->txtDataDirectory->setText(QString::fromStdString(data_.path()));
    d->txtFileName->setText("Cap");
    d->cmdSetting->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(engine().Pc.DataDir, data_.path());
    EXPECT_EQ(engine().Pc.FileName, "Cap");
    EXPECT_NE(Ini().find("DataDir=" + data_.path() + "\r\n"), std::string::npos);
    EXPECT_NE(Ini().find("FileName=Cap\r\n"), std::string::npos);
    EXPECT_EQ(TempFolder::ReadAll(data_ / "Cap.tmp"), "a capture's only copy");
    EXPECT_EQ(data_.Names(), std::vector<std::string>{"Cap.tmp"});
}

TEST_F(SaveDestinationDialog, AnAcceptedFolderStaysStoredWhenALaterStepRefuses) {
    const PcSettings before = engine().Pc;
    const std::string ini = Ini();
    auto d = Open();
    d->txtDataDirectory->setText(QString::fromStdString(data_ / "missing"));
    d->txtFileName->setText("Cap");
    d->cmdSetting->click();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), d->txtDataDirectory);
    EXPECT_EQ(engine().Pc, before) << "a refused folder stores nothing";

    d->txtDataDirectory->setText(QString::fromStdString(data_.path()));
    for (const char* bad : {"", "../Cap", "a/b"}) {
        d->txtFileName->setText(bad);
        d->cmdSetting->click();
        EXPECT_TRUE(d->isVisible()) << bad;
        EXPECT_EQ(QApplication::focusWidget(), d->txtFileName) << bad;
        EXPECT_EQ(engine().Pc.DataDir, data_.path()) << "the accepted folder is stored at once: " << bad;
    }
    EXPECT_EQ(engine().Pc.FileName, before.FileName);
    EXPECT_EQ(Ini(), ini) << "Capturo.ini is written only by a Set that passes";
    d->cmdCancel->click();
    EXPECT_EQ(engine().Pc.DataDir, data_.path()) << "Cancel does not undo it";
    EXPECT_EQ(engine().Pc.FileName, before.FileName);
}

TEST_F(SaveDestinationDialog, AFailedWriteTestKeepsTheNewFolderButNotTheName) {
    const PcSettings before = engine().Pc;
    auto d = Open();
    d->txtDataDirectory->setText(QString::fromStdString(data_.path()));
    d->txtFileName->setText(QString(250, QLatin1Char('n')));  // the test path runs past 256
    d->cmdSetting->click();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), d->txtFileName);
    EXPECT_EQ(engine().Pc.DataDir, data_.path());
    EXPECT_EQ(engine().Pc.FileName, before.FileName);
    EXPECT_TRUE(data_.Names().empty()) << "no test file left behind";
}

TEST_F(SaveDestinationDialog, BrowsingFromAFolderThatIsGoneStartsInTheProgramFolder) {
    auto d = Open();
    d->txtDataDirectory->setText(QString::fromStdString(data_ / "gone"));
    OnModal<frmDirectory>([](frmDirectory& chooser) { chooser.cmdCancel->click(); });
    d->cmdSansyo->click();
    EXPECT_EQ(d->txtDataDirectory->text().toStdString(), engine().ProgramDir);

    d->txtDataDirectory->setText(QString::fromStdString(data_.path()));
    OnModal<frmDirectory>([](frmDirectory& chooser) { chooser.cmdOK->click(); });
    d->cmdSansyo->click();
    EXPECT_EQ(d->txtDataDirectory->text().toStdString(), data_.path());
}

TEST_F(SaveDestinationDialog, CtrlSOpensItUnlessMonitoringHasTheFileMenuOff) {
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    bool opened = false;
    OnModal<frmSplit>([&](frmSplit& d) {
        opened = true;
        d.cmdCancel->click();
    });
    QTest::keyClick(&main(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(opened);

    main().MonitorControlsSet(kMonitoringControls);
    opened = false;
    // Closes what would wrongly open, so the test fails instead of waiting.
    QTimer::singleShot(100, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            opened = true;
            w->close();
        }
    });
    QTest::keyClick(&main(), Qt::Key_S, Qt::ControlModifier);
    main().mnuFileSave->trigger();
    QTest::qWait(150);
    EXPECT_FALSE(opened);
    main().MonitorControlsSet(kIdleControls);
}

TEST_F(SaveDestinationDialog, TheFileMenuOpensItModal) {
    OnModal<frmSplit>([](frmSplit& d) {
        EXPECT_TRUE(d.isModal());
        d.cmdCancel->click();
    });
    main().mnuFileSave->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace mon
