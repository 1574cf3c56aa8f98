// The link table change, opening with a chosen frame configuration, and
// the frame detail windows with their change dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <filesystem>

#include "DialogsFixture.h"
#include "DissectoApp.h"
#include "FrameChart.h"
#include "VbDate.h"
#include "his/store/ui/frmBar.h"
#include "clsFilter.h"
#include "clsFrameConfig.h"
#include "clsProtocol.h"
#include "frmChange.h"
#include "frmdetails.h"

namespace analyser::ui::test {
namespace {

using Dialogs = DialogsTest;

std::string Text(const QString& s) { return s.toStdString(); }

std::string Caption(const frmMain& w, int slot) { return w.Chart().SlotEntry(slot).Caption; }

TEST(DissectoProgram, StartsWithTheDialogsCommands) {
    TempFolder program;
    DissectoApp app(program.path());
    app.Start("");
    frmMain& main = app.MainWindow();
    for (QAction* on : {main.mnuFileOpenWithKYF, main.mnuToolConvert}) EXPECT_TRUE(on->isEnabled());
    for (QAction* handled : {main.mnuEditFilter, main.mnuEditRelationSet, main.mnuEditRelationUndo, main.mnuViewDetail}) {
        EXPECT_TRUE(main.HasCommand(handled)) << Text(handled->objectName());
    }
    // The real picker, cancelled: it answers no file but the folder it listed.
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    const FilePick pick = app.Dialogs().PickFile(kPickFrameConfig);
    EXPECT_EQ(pick.Path, "");
    EXPECT_EQ(pick.Folder, program.path()) << "it opened in the remembered folder, the program's";
    main.hide();
}

TEST_F(Dialogs, TheirCommandsAreOnWhereTheFileAllowsThem) {
    for (QAction* on : {w.mnuFileOpenWithKYF, w.mnuToolConvert}) EXPECT_TRUE(on->isEnabled()) << Text(on->objectName());
    for (QAction* off : {w.mnuViewDetail, w.mnuEditFilter}) EXPECT_FALSE(off->isEnabled()) << Text(off->objectName());
    EXPECT_FALSE(w.mnuEditRelation->menuAction()->isEnabled());
    Open(Frames("f.kyp", 4));
    for (QAction* on : {w.mnuViewDetail, w.mnuEditFilter, w.mnuEditRelationSet, w.mnuEditRelationUndo,
                        w.mnuRightOpen}) {
        EXPECT_TRUE(on->isEnabled()) << Text(on->objectName());
    }
}

TEST_F(Dialogs, ThePickerWorksWhileTheMainWindowWaitsForIt) {
    Open(Frames("f.kyp", 4));
    dialogs->FilePicker = [this](int16_t kind, const std::string& start) {
        return frmFileOpen::fFileOpen(kind, start, &w);
    };
    bool pickerEnabled = false;
    QTimer::singleShot(0, [&] {
        auto* picker = qobject_cast<frmFileOpen*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        pickerEnabled = picker->isEnabled() && picker->cmdCancel->isEnabled();
        EXPECT_FALSE(w.isEnabled()) << "the main window is disabled meanwhile";
        picker->cmdCancel->click();
    });
    w.RunCommand(w.mnuEditRelationSet);
    EXPECT_TRUE(pickerEnabled);
    EXPECT_TRUE(w.isEnabled());
}

// The progress windows of the reads and the filter runs come up after the
// main window is disabled for them, and can still be cancelled.
TEST_F(Dialogs, ProgressWindowsCanBeCancelledOverTheDisabledMainWindow) {
    const std::string kyp = Frames("long.kyp", 5000);
    std::vector<std::pair<bool, bool>> seen;  // main enabled, cancel enabled
    const auto look = [&] {
        QTimer::singleShot(0, [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                auto* bar = qobject_cast<store::frmBar*>(top);
                if (bar != nullptr && bar->isVisible()) seen.emplace_back(w.isEnabled(), bar->cmdCancel->isEnabled());
            }
        });
    };
    opens = {kyp};
    look();
    w.RunCommand(w.mnuFileOpen);
    ASSERT_TRUE(w.State().gFileOpen);
    picks = {{link, folder.path()}};
    look();
    w.RunCommand(w.mnuEditRelationSet);
    ASSERT_EQ(seen.size(), 2u) << "a progress window was up for the read and for the filter";
    for (const auto& [mainEnabled, cancelEnabled] : seen) {
        EXPECT_FALSE(mainEnabled);
        EXPECT_TRUE(cancelEnabled);
    }
}

TEST_F(Dialogs, OpenWithAChosenFrameConfiguration) {
    const std::string other = WriteConfig(folder / "other.kyf", "別の構成");
    const std::string kyp = Frames("f.kyp", 3);
    picks = {{other, folder.path()}};
    opens = {kyp};
    w.RunCommand(w.mnuFileOpenWithKYF);
    ASSERT_TRUE(w.State().gFileOpen) << LastMessage();
    EXPECT_EQ(w.State().gFrameConfigFile, other);
    EXPECT_EQ(Text(w.Panels.Text("FrameConfig")), "別の構成");
    ASSERT_EQ(pickAsks.size(), 1u);
    EXPECT_EQ(pickAsks[0].first, kPickFrameConfig);
    EXPECT_EQ(pickAsks[0].second, folder.path()) << "the picker opens in the remembered folder";
    picks = {FilePick{}};
    w.RunCommand(w.mnuFileOpenWithKYF);  // a cancelled pick changes nothing
    EXPECT_EQ(w.State().gFrameConfigFile, other);
}

TEST_F(Dialogs, ALinkTableNamesTheRowsAndDropsTheFilterUntilUndone) {
    Open(Frames("f.kyp", 20));
    EXPECT_EQ(Caption(w, 0), "05 00 00");
    // A filter the user had set: the receive frames only.
    auto rd = std::make_unique<frames::clsFilter>();
    rd->FilterOption(3, 1);
    rd->Direc(4);
    std::string none;
    rd->Filter(*w.State().gProtocol, none);
    w.State().gFilter = std::move(rd);
    w.State().gRowCount = w.State().gFilter->FilterMax();
    w.fCurrentFrameChange(0);
    ASSERT_EQ(w.State().gRowCount, 10);

    // A cancelled pick leaves it all.
    picks = {FilePick{"", folder / "elsewhere"}};
    w.RunCommand(w.mnuEditRelationSet);
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(w.State().gRowCount, 10);
    EXPECT_EQ(w.State().gLinkFile, "");

    std::filesystem::create_directories(folder / "tables");
    const std::string moved = folder / "tables/names.kyl";
    std::filesystem::copy_file(link, moved);
    picks = {{moved, folder / "tables"}};
    w.RunCommand(w.mnuEditRelationSet);
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(w.State().gLinkFile, moved);
    EXPECT_EQ(w.State().gLinkTableFolder, folder / "tables");
    EXPECT_EQ(w.State().gRowCount, 20) << "every frame is a row again";
    EXPECT_EQ(Caption(w, 0), "問合せ");
    EXPECT_EQ(Caption(w, 1), "応答");
    EXPECT_TRUE(w.mnuEditRelationSet->isChecked());
    EXPECT_FALSE(w.mnuEditRelationUndo->isChecked());
    for (QAction* code : {w.mnuViewHex, w.mnuViewAscii, w.mnuViewUnicode, w.mnuViewShiftJIS, w.mnuViewLine3}) {
        EXPECT_FALSE(code->isVisible());
    }
    EXPECT_EQ(Text(w.Panels.Text("LinkTable")), "名前表");
    EXPECT_EQ(w.Marks().Begin, 0);
    EXPECT_EQ(w.Marks().End, 19);

    // Undo keeps a filter set meanwhile and shows the bytes again.
    auto sd = std::make_unique<frames::clsFilter>();
    sd->FilterOption(3, 1);
    sd->Direc(3);
    sd->Filter(*w.State().gProtocol, none);
    w.State().gFilter = std::move(sd);
    w.State().gRowCount = 10;
    w.RunCommand(w.mnuEditRelationUndo);
    EXPECT_EQ(w.State().gLinkFile, "");
    EXPECT_EQ(w.State().gRowCount, 10);
    EXPECT_EQ(Caption(w, 1), "05 00 02");
    EXPECT_FALSE(w.mnuEditRelationSet->isChecked());
    EXPECT_TRUE(w.mnuEditRelationUndo->isChecked());
    EXPECT_TRUE(w.mnuViewHex->isVisible());
    EXPECT_EQ(w.CurrentRow(), 0);
}

TEST_F(Dialogs, TheDetailWindowDecodesTheCurrentFrame) {
    Open(Frames("f.kyp", 20));
    w.fCurrentFrameChange(3);
    QTest::keyClick(w.picFrameView, Qt::Key_Return);
    ASSERT_EQ(dialogs->DetailWindows().size(), 1u);
    frmdetails& d = *dialogs->DetailWindows()[0];
    EXPECT_EQ(Text(d.windowTitle()), "テスト構成 - 06 00 03");
    ASSERT_EQ(d.ListView1->topLevelItemCount(), 2);
    const QTreeWidgetItem* code = d.ListView1->topLevelItem(0);
    EXPECT_EQ(Text(code->text(0)), "コード");
    EXPECT_EQ(Text(code->text(1)), "6 (0x6)");
    EXPECT_EQ(Text(code->text(2)), "8");
    const QTreeWidgetItem* data = d.ListView1->topLevelItem(1);
    EXPECT_EQ(Text(data->text(1)), "") << "a variable item without a length item holds no bytes";
    EXPECT_EQ(Text(data->text(2)), "可変");
    EXPECT_EQ(Text(d.ListView1->headerItem()->text(2)), "サイズ（ビット）");
    EXPECT_EQ(d.VSFlexGrid1->Rows(), 1);
    EXPECT_EQ(Text(d.VSFlexGrid1->TextMatrix(0, 0)), "000000");
    EXPECT_EQ(Text(d.VSFlexGrid1->TextMatrix(0, 2)), "06");
    EXPECT_EQ(Text(d.VSFlexGrid1->TextMatrix(0, 4)), "03");
    EXPECT_EQ(Text(d.VSFlexGrid1->TextMatrix(0, 5)), "");
    EXPECT_EQ(Text(d.VSFlexGrid1->TextMatrix(0, 10)), "-");
    EXPECT_EQ(Text(d.VSFlexGrid1->TextMatrix(0, 20)), "･･･");
    EXPECT_EQ(Text(d.StatusPanels.Text("DispDate")), platform::FormatDateTime(45000.5 + 3 / 86400.0));
    EXPECT_EQ(Text(d.StatusPanels.Text("DispChanel")), "RD");
    EXPECT_EQ(Text(d.StatusPanels.Text("DispTrig")), "なし");
    EXPECT_EQ(Text(d.StatusPanels.Text("DispError")), "-");
    d.VSFlexGrid1->SetCurrentCell(0, 4);
    d.ItemSelect(1);
    EXPECT_EQ(d.VSFlexGrid1->Col(), 4) << "an item without bytes leaves the cursor";
    d.ItemSelect(0);
    EXPECT_EQ(d.VSFlexGrid1->Col(), 2);

    // A second window beside it; END closes one.
    w.fCurrentFrameChange(4);
    w.RunCommand(w.mnuViewDetail);
    ASSERT_EQ(dialogs->DetailWindows().size(), 2u);
    EXPECT_EQ(Text(dialogs->DetailWindows()[1]->windowTitle()), "テスト構成 - 05 00 04");
    d.cmd_end->click();
    QApplication::processEvents();
    EXPECT_EQ(dialogs->DetailWindows().size(), 1u);
}

TEST_F(Dialogs, ChoosingAnItemPutsTheCursorOnItsFirstByte) {
    frames::clsFrameConfig fixed;
    fixed.FrameName("固定");
    fixed.ItemMax(3);
    const int16_t sizes[] = {8, 12, 16};
    for (int i = 0; i < 3; ++i) {
        fixed.ItemName(i, "項目" + std::to_string(i));
        fixed.ItemType(i, 2);
        fixed.ItemSize(i, sizes[i]);
    }
    ASSERT_TRUE(fixed.FrameWrite(folder / "fixed.kyf"));
    std::vector<FrameSpec> frames(1);
    frames[0].Bytes = std::string(20, '\x41');
    Open(WriteFrames(folder / "fixed.kyp", folder / "fixed.kyf", "", frames));
    w.RunCommand(w.mnuViewDetail);
    ASSERT_EQ(dialogs->DetailWindows().size(), 1u);
    frmdetails& d = *dialogs->DetailWindows()[0];
    EXPECT_EQ(d.VSFlexGrid1->Rows(), 2) << "20 bytes, 16 a row";
    EXPECT_EQ(Text(d.VSFlexGrid1->TextMatrix(1, 5)), "41");
    EXPECT_EQ(Text(d.VSFlexGrid1->TextMatrix(1, 6)), "");
    EXPECT_EQ(Text(d.VSFlexGrid1->TextMatrix(0, 20)), "AAAAAAAAAAAAAAAA");
    EXPECT_EQ(Text(d.ListView1->topLevelItem(1)->text(1)), "1044 (0x414)");
    d.ItemSelect(1);
    EXPECT_EQ(d.VSFlexGrid1->Col(), 3);
    d.ItemSelect(2);
    EXPECT_EQ(d.VSFlexGrid1->Col(), 4) << "8 + 12 bit positions: the third byte";
    // Keys in the list move the selection and the cursor with it.
    d.ListView1->setFocus();
    QTest::keyClick(d.ListView1, Qt::Key_Up);
    EXPECT_EQ(d.VSFlexGrid1->Col(), 3);
    QTest::keyClick(d.ListView1, Qt::Key_Up);
    EXPECT_EQ(d.VSFlexGrid1->Col(), 2);
}

TEST_F(Dialogs, ADetailWindowKeepsItsDocumentWhenAnotherFileOpens) {
    Open(Frames("first.kyp", 20));
    w.fCurrentFrameChange(2);
    w.RunCommand(w.mnuViewDetail);
    ASSERT_EQ(dialogs->DetailWindows().size(), 1u);
    frmdetails* d = dialogs->DetailWindows()[0];
    const frames::clsProtocol* first = d->Document().get();
    Open(Frames("second.kyp", 3));
    ASSERT_NE(w.State().gProtocol.get(), first);
    EXPECT_EQ(d->Document()->FrameMax(), 20) << "the first document lives on for its window";

    // It decodes again from its own document, with the configuration chosen.
    const std::string ppp = folder / "ppp.kyf";
    ASSERT_TRUE(frames::clsFrameConfig().FramePPPWrite(ppp));
    dialogs->ChangeRun = [&](frmChange& c) {
        c.txtFramefile->setText(QString::fromStdString(ppp));
        c.cmdOK->click();
    };
    d->VSFlexGrid1->SetCurrentCell(0, 3);
    d->mnuRightChange_Click();
    ASSERT_EQ(dialogs->DetailWindows().size(), 2u) << LastMessage();
    frmdetails& again = *dialogs->DetailWindows()[1];
    EXPECT_EQ(Text(again.windowTitle()), "ＰＰＰプロトコル -  ---");
    EXPECT_EQ(again.DumpBytes(), std::string("\x00\x02", 2)) << "the bytes from the chosen one on";
    EXPECT_EQ(again.Document(), d->Document());
    EXPECT_EQ(Text(again.StatusPanels.Text("DispCTime")), "-");
    EXPECT_EQ(again.Panels().Date, d->Panels().Date);
    ASSERT_EQ(again.ListView1->topLevelItemCount(), 7);
    EXPECT_EQ(Text(again.ListView1->topLevelItem(0)->text(1)), "0 (0x0)");
    EXPECT_EQ(Text(again.ListView1->topLevelItem(3)->text(1)), "") << "past the bytes";
}

TEST_F(Dialogs, TheChangeDialogRefusesAndRemembers) {
    Open(Frames("f.kyp", 5));
    w.RunCommand(w.mnuViewDetail);
    ASSERT_EQ(dialogs->DetailWindows().size(), 1u);
    frmdetails* d = dialogs->DetailWindows()[0];
    const std::string noCodes = folder / "nocodes.kyf";
    {
        frames::clsFrameConfig c;
        c.FrameName("コードなし");
        c.ItemMax(1);
        c.ItemName(0, "全部");
        c.ItemType(0, 2);
        ASSERT_TRUE(c.FrameWrite(noCodes));
    }
    std::vector<std::pair<std::string, std::string>> shown;  // the boxes as each opening shows them
    std::pair<std::string, std::string> typed;
    bool stayed = false;
    dialogs->ChangeRun = [&](frmChange& c) {
        c.show();
        shown.emplace_back(Text(c.txtFramefile->text()), Text(c.txtLinkfile->text()));
        c.txtFramefile->setText(QString::fromStdString(typed.first));
        c.txtLinkfile->setText(QString::fromStdString(typed.second));
        c.cmdOK->click();
        stayed = c.isVisible();
        c.close();
    };
    const auto convert = [&](const std::string& kyf, const std::string& kyl) {
        typed = {kyf, kyl};
        messages.clear();
        d->VSFlexGrid1->SetCurrentCell(0, 2);
        d->mnuRightChange_Click();
    };
    convert("", link);
    EXPECT_EQ(LastMessage(), "ファイル名が不正です");
    EXPECT_TRUE(stayed) << "the dialog stays for a frame configuration";
    convert(folder / "missing.kyf", "");
    EXPECT_EQ(LastMessage(), "フレームファイル読込失敗しました。");
    convert(config, folder / "missing.kyl");
    EXPECT_EQ(LastMessage(), "リンクファイルの読込に失敗しました。");
    convert(noCodes, "");
    EXPECT_TRUE(messages.empty()) << "no code items: nothing opens, without a message";
    EXPECT_EQ(dialogs->DetailWindows().size(), 1u);
    convert(config, link);
    ASSERT_EQ(dialogs->DetailWindows().size(), 2u);
    EXPECT_EQ(Text(dialogs->DetailWindows()[1]->windowTitle()), "テスト構成 - 問合せ");
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0], (std::pair<std::string, std::string>{"", ""})) << "empty the first time";
    EXPECT_EQ(shown[1], (std::pair<std::string, std::string>{"", ""})) << "a refused OK confirms nothing";
    EXPECT_EQ(shown[2].first, folder / "missing.kyf");
    EXPECT_EQ(dialogs->ChangeMemory().g_frmFilename, config);
    EXPECT_EQ(dialogs->ChangeMemory().g_linkFileName, link);

    // Its pickers fill the boxes; a cancelled pick keeps the text.
    picks = {{folder / "picked.kyf", folder.path()}, FilePick{}};
    dialogs->ChangeRun = [&](frmChange& c) {
        c.cmdFrameFile->click();
        c.cmdLinkfile->click();
        shown.emplace_back(Text(c.txtFramefile->text()), Text(c.txtLinkfile->text()));
    };
    d->mnuRightChange_Click();
    EXPECT_EQ(shown.back(), (std::pair<std::string, std::string>{folder / "picked.kyf", link}));
    ASSERT_EQ(pickAsks.size(), 2u);
    EXPECT_EQ(pickAsks[0].first, kPickFrameConfig);
    EXPECT_EQ(pickAsks[1].first, kPickLinkTable);
}

TEST_F(Dialogs, ADetailWindowNeedsTheDocumentsFrameConfiguration) {
    Open(Frames("f.kyp", 5));
    std::filesystem::remove(config);
    w.RunCommand(w.mnuViewDetail);
    EXPECT_EQ(LastMessage(), "フレーム読込失敗しました");
    EXPECT_TRUE(dialogs->DetailWindows().empty());
}

TEST_F(Dialogs, AnEmptyFrameShowsOneDumpRow) {
    Open(WriteFrames(folder / "empty.kyp", config, "", {FrameSpec{}}));
    w.RunCommand(w.mnuViewDetail);
    ASSERT_EQ(dialogs->DetailWindows().size(), 1u);
    frmdetails& d = *dialogs->DetailWindows()[0];
    EXPECT_EQ(d.VSFlexGrid1->Rows(), 1);
    EXPECT_EQ(Text(d.VSFlexGrid1->TextMatrix(0, 0)), "000000");
    EXPECT_EQ(Text(d.VSFlexGrid1->TextMatrix(0, 10)), "-");
    EXPECT_EQ(Text(d.VSFlexGrid1->TextMatrix(0, 2)), "");
    EXPECT_FALSE(d.CurrentCellIsByte());
    d.mnuRightChange_Click();  // no byte: no change dialog
    EXPECT_TRUE(dialogs->ChangeMemory().g_frmFilename.empty());
    EXPECT_EQ(Text(d.windowTitle()), "テスト構成 -  ---") << "an empty caption";
}

}  // namespace
}  // namespace analyser::ui::test
