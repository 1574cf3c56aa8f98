// The conversion dialog: its checks and refusals, the time box and the
// byte row, and a conversion opened in the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>

#include "DialogsFixture.h"
#include "CommentEditor.h"
#include "HexByteRow.h"
#include "Ky2History.h"
#include "WindowAnswer.h"
#include "ProtectedTargets.h"
#include "clsProtocol.h"
#include "frmFileConvert.h"
#include "his/store/ui/frmBar.h"

namespace analyser::ui::test {
namespace {

using frames::test::kRd;
using frames::test::kSd;

class Convert : public DialogsTest {
protected:
    std::string history;
    frmFileConvert* d = nullptr;

    void SetUp() override {
        DialogsTest::SetUp();
        frames::test::Ky2History h;
        h.Units(kSd, {'E', 'N', 'Q', 0x0D, 0x0A}).Units(kRd, {'A', 'C', 'K', 0x0D, 0x0A});
        h.Units(kSd, {'S', 'T', 'X', 0x0D, 0x0A});
        history = h.Save(folder / "line.KY2");
        w.RunCommand(w.mnuToolConvert);
        d = dialogs->ConvertDialog();
        ASSERT_NE(d, nullptr);
        QApplication::processEvents();
    }
    void Fill(const std::string& source, const std::string& kyf, const std::string& kyl = "") {
        d->txtKY2file->setText(QString::fromStdString(source));
        d->txtKYF->setText(QString::fromStdString(kyf));
        d->txtKYL->setText(QString::fromStdString(kyl));
    }
    // Presses OK and answers its save dialog.
    void Ok(const std::string& destination) {
        saves = {destination};
        messages.clear();
        d->cmdOK->click();
        QApplication::processEvents();
    }
    bool Gone() { return dialogs->ConvertDialog() == nullptr || !dialogs->ConvertDialog()->isVisible(); }
};

TEST_F(Convert, TheDialogKeepsTheMainWindowDisabledUntilItCloses) {
    EXPECT_EQ(d->windowTitle().toStdString(), "ファイル変換");
    EXPECT_EQ(d->tabMain->tabText(0).toStdString(), "ファイル(&F)");
    EXPECT_EQ(d->tabMain->tabText(1).toStdString(), "フレーム区切り条件(&L)");
    EXPECT_EQ(d->tabMain->currentIndex(), 0);
    EXPECT_EQ(d->txtConditionTime->text().toStdString(), "0");
    for (QCheckBox* box : d->chkFrameCondition) EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(d->chkAndOpen->isChecked());
    EXPECT_FALSE(w.isEnabled());
    EXPECT_TRUE(d->isEnabled()) << "the dialog belongs to no window";
    d->close();
    QApplication::processEvents();
    EXPECT_TRUE(w.isEnabled()) << "the close box too";
    EXPECT_EQ(dialogs->ConvertDialog(), nullptr);

    w.RunCommand(w.mnuToolConvert);
    ASSERT_NE(dialogs->ConvertDialog(), nullptr);
    EXPECT_FALSE(w.isEnabled());
    QTest::keyClick(dialogs->ConvertDialog(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(w.isEnabled()) << "and Escape";
    EXPECT_EQ(dialogs->ConvertDialog(), nullptr);
}

TEST_F(Convert, SourceAndConfigurationAreCheckedBeforeTheDestinationIsAsked) {
    Fill("", config);
    Ok(folder / "out.kyp");
    EXPECT_EQ(LastMessage(), "変換元ファイル名が不正です");
    EXPECT_EQ(d->tabMain->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), d->txtKY2file);
    EXPECT_EQ(saves.size(), 1u) << "no destination asked";
    Fill(folder / "line.ky2x", config);
    Ok(folder / "out.kyp");
    EXPECT_EQ(LastMessage(), "変換元ファイル名が不正です") << "a longer extension";
    Fill(folder / "missing.ky2", config);
    Ok(folder / "out.kyp");
    EXPECT_EQ(LastMessage(), "変換元ファイル名が不正です");
    Fill(history, folder / "missing.kyf");
    Ok(folder / "out.kyp");
    EXPECT_EQ(LastMessage(), "フレーム構成ファイル名が不正です");
    EXPECT_EQ(d->txtKYF->selectedText(), d->txtKYF->text());

    // Without a destination nothing happens; the dialog stays as it was.
    Fill(history, config);
    Ok("");
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(Gone());
    EXPECT_EQ(d->txtKY2file->text().toStdString(), history);
}

TEST_F(Convert, AUserByteStringRuleWithoutBytesIsRefused) {
    Fill(history, config);
    d->chkFrameCondition[2]->setChecked(true);
    Ok(folder / "out.kyp");
    EXPECT_EQ(LastMessage(), "区切りデータが設定されていません。");
    EXPECT_EQ(d->tabMain->currentIndex(), 1);
    EXPECT_EQ(saves.size(), 1u) << "refused before the destination is asked";
    EXPECT_FALSE(Gone());
}

TEST_F(Convert, TheTimeBoxTakesDigitsUpToTheLimit) {
    d->tabMain->setCurrentIndex(1);
    QLineEdit* box = d->txtConditionTime;
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "12a3");
    EXPECT_EQ(box->text().toStdString(), "123");
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text().toStdString(), "123") << "Backspace does nothing";
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->text().toStdString(), "23") << "Delete works";
    box->selectAll();
    QTest::keyClicks(box, "99999999");
    EXPECT_EQ(box->text().toStdString(), "10240000");
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, "5");
    EXPECT_EQ(box->text().toStdString(), "10240000") << "a ninth digit is cut off";
    d->udConditionTime->Up->click();
    EXPECT_EQ(box->text().toStdString(), "10240000") << "the arrows stop at the end";
    d->udConditionTime->Down->click();
    EXPECT_EQ(box->text().toStdString(), "10239999");

    // A box emptied (as by a paste) is refused when it is left and at OK.
    box->setText("");
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(LastMessage(), "文字間時間の値が不正です。");
    EXPECT_EQ(QApplication::focusWidget(), box);
    Fill(history, config);
    Ok(folder / "out.kyp");
    EXPECT_EQ(LastMessage(), "文字間時間の値が不正です。");
    EXPECT_EQ(saves.size(), 1u);
}

TEST_F(Convert, AFailedConversionOpensNothingAndSaysSo) {
    const std::string junk = folder / "junk.ky2";
    std::ofstream(junk) << "not a history";
    Fill(junk, config);
    d->chkAndOpen->setChecked(true);
    Ok(folder / "out.kyp");
    EXPECT_EQ(LastMessage(), junk + "の変換に失敗しました。");
    EXPECT_FALSE(w.State().gFileOpen);
    EXPECT_TRUE(Gone());
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(Convert, ACancelledConversionOpensNothing) {
    // Long enough for a progress window.
    frames::test::Ky2History h;
    for (int line = 0; line < 4000; ++line) h.Units(kSd, {'L', 'I', 'N', 'E', 0x0D, 0x0A});
    const std::string longer = h.Save(folder / "long.ky2");
    Fill(longer, config);
    d->chkFrameCondition[0]->setChecked(true);
    d->chkAndOpen->setChecked(true);
    bool cancelled = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* bar = qobject_cast<store::frmBar*>(top);
            if (bar == nullptr || !bar->isVisible()) continue;
            cancelled = bar->cmdCancel->isEnabled();
            bar->cmdCancel->click();
        }
    });
    Ok(folder / "cancelled.kyp");
    ASSERT_TRUE(cancelled) << "the progress window's Cancel could be pressed";
    EXPECT_EQ(LastMessage(), longer + "の変換に失敗しました。");
    EXPECT_FALSE(w.State().gFileOpen);
    EXPECT_FALSE(std::filesystem::exists(folder / "cancelled.kyp"));
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(Convert, CrLfFramesOpenAfterTheConversion) {
    Fill(history, config, folder / "no-such.kyl");
    d->chkFrameCondition[0]->setChecked(true);
    // The byte row: 1, 2, 3 in one cell leaves 23; 0D, A and an empty
    // cell give the bytes 0D 0A.
    HexByteRow* row = d->fgConditionChar;
    row->Grid->setFocus();
    row->Grid->SetCurrentCell(0, 0);
    for (const auto key : {Qt::Key_1, Qt::Key_2, Qt::Key_3}) QTest::keyClick(row->Grid, key);
    EXPECT_EQ(row->Cell(0, 0).toStdString(), "23");
    QTest::keyClick(row->Grid, Qt::Key_Delete);
    QTest::keyClick(row->Grid, Qt::Key_0);
    QTest::keyClick(row->Grid, Qt::Key_D, Qt::ShiftModifier);
    QTest::keyClick(row->Grid, Qt::Key_Right);
    QTest::keyClick(row->Grid, Qt::Key_A);
    QTest::keyClick(row->Grid, Qt::Key_G);  // no hex digit: nothing
    row->Grid->SetTextMatrix(0, 3, "FF");
    EXPECT_EQ(row->Bytes(), "\r\n");
    d->chkAndOpen->setChecked(true);
    Ok(folder / "out.kyp");
    ASSERT_TRUE(Gone()) << LastMessage();
    EXPECT_TRUE(messages.empty()) << LastMessage();
    EXPECT_TRUE(w.isEnabled());
    ASSERT_TRUE(w.State().gFileOpen);
    EXPECT_EQ(w.State().gFrameFile, folder / "out.kyp");
    EXPECT_EQ(w.State().gRowCount, 3);
    EXPECT_EQ(w.State().gProtocol->FrameDataOrg(0), "ENQ\r\n");
    EXPECT_EQ(w.State().gProtocol->FrameDataOrg(1), "ACK\r\n");
    EXPECT_EQ(w.State().gProtocol->UserChar(), "\r\n") << "the byte row went in, though not switched on";
    EXPECT_EQ(w.State().gProtocol->LinkFile(), "") << "a link table that is not there is dropped";
    EXPECT_EQ(w.State().gFrameFileFolder, folder.path());
}

// Character times with range codes 6 and 7 carry no time: a time cut of
// 1 ms passes over them; the overflow mark (range 5) still cuts.
TEST_F(Convert, ATimeCutPassesOverRangeCodesSixAndSeven) {
    frames::test::Ky2History h;
    h.Unit(kSd, 'A');
    h.Unit(kSd, 'B', 5, 0x2A7);  // range 6 once rewritten
    h.Unit(kSd, 'C', 5, 0x1B3);  // range 7 once rewritten
    h.Unit(kSd, 'D', 5, 0x2A7);
    h.Unit(kSd, 'E', 0, 3);      // 3 ms
    h.Unit(kSd, 'F', 5, 0);      // too long to measure
    const std::string timed = h.Save(folder / "timed.ky2");
    ASSERT_EQ(frames::test::Ky2History::RangeCodeRewrite(timed, 0x2A7, 6), 2);
    ASSERT_EQ(frames::test::Ky2History::RangeCodeRewrite(timed, 0x1B3, 7), 1);
    Fill(timed, config);
    d->tabMain->setCurrentIndex(1);
    d->chkFrameCondition[1]->setChecked(true);
    d->txtConditionTime->setFocus();
    d->txtConditionTime->selectAll();
    QTest::keyClicks(d->txtConditionTime, "1");
    d->chkAndOpen->setChecked(true);
    Ok(folder / "timed.kyp");
    ASSERT_TRUE(Gone()) << LastMessage();
    ASSERT_TRUE(w.State().gFileOpen);
    ASSERT_EQ(w.State().gRowCount, 3);
    EXPECT_EQ(w.State().gProtocol->FrameDataOrg(0), "ABCD");
    EXPECT_EQ(w.State().gProtocol->FrameDataOrg(1), "E");
    EXPECT_EQ(w.State().gProtocol->FrameDataOrg(2), "F");
}

TEST_F(Convert, ThePickersRememberTheirFolderEvenWhenCancelled) {
    picks = {FilePick{"", folder / "browsed"}, FilePick{folder / "t.kyl", folder / "tables"}};
    d->cmdKYF->click();
    EXPECT_EQ(d->txtKYF->text().toStdString(), "");
    EXPECT_EQ(w.State().gFrameConfigFolder, folder / "browsed");
    d->cmdKYL->click();
    EXPECT_EQ(d->txtKYL->text().toStdString(), folder / "t.kyl");
    EXPECT_EQ(w.State().gLinkTableFolder, folder / "tables");
    opens = {history};
    d->cmdKY2file->click();
    EXPECT_EQ(d->txtKY2file->text().toStdString(), history);
    EXPECT_EQ(w.State().gHistoryFileFolder, folder.path());
}

// The result would replace the open document: changed comments are asked
// about before anything is converted, in a box that can be answered
// although the main window is disabled.
TEST_F(Convert, ConvertingIntoAWindowWithChangedCommentsAsksFirst) {
    const std::string open = WriteFrames(folder / "open.kyp", config, "", Numbered(6));
    ASSERT_TRUE(w.fFileOpenKYP(open));
    w.lblComments_Click(0, 1);
    w.txtEditComments[0]->setPlainText(QString::fromUtf8("変換前の注記"));  // the box is still open
    Fill(history, config);
    d->chkFrameCondition[0]->setChecked(true);
    d->chkAndOpen->setChecked(true);

    std::vector<std::string> asked;
    bool usable = true;
    QMessageBox::StandardButton press = QMessageBox::Cancel;
    const platform::test::WindowAnswer<QMessageBox> answer([&](QMessageBox& box) {
        asked.push_back(box.text().toStdString());
        usable = usable && box.isEnabled() && box.windowTitle() == QStringLiteral("Nubera Pro");
        box.button(press)->click();
    });
    Ok(folder / "out.kyp");
    EXPECT_EQ(asked, std::vector<std::string>{"\"" + open + "\"は変更されています。保存しますか?"});
    EXPECT_TRUE(usable);
    EXPECT_FALSE(Gone()) << "Cancel leaves the dialog as it is";
    EXPECT_FALSE(std::filesystem::exists(folder / "out.kyp"));
    EXPECT_EQ(w.State().gFrameFile, open);

    press = QMessageBox::Yes;
    Ok(folder / "out.kyp");
    ASSERT_TRUE(Gone()) << LastMessage();
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_TRUE(usable);
    EXPECT_EQ(w.State().gFrameFile, folder / "out.kyp");
    frames::clsProtocol saved;
    ASSERT_EQ(saved.FileRead(open), frames::clsProtocol::kReadDone);
    EXPECT_EQ(saved.FramePostit(0, 1), "変換前の注記");
}

TEST_F(Convert, AReadOnlyDestinationRefusesTheConversionAndStaysAsItWas) {
    const std::string locked = folder / "locked.kyp";
    protected_targets::WriteReadOnly(locked, "protected");
    Fill(history, config);
    d->chkFrameCondition[0]->setChecked(true);
    d->chkAndOpen->setChecked(true);
    {
        const protected_targets::PlainPermissions plain;
        Ok(locked);
    }
    EXPECT_EQ(LastMessage(), history + "の変換に失敗しました。");
    EXPECT_FALSE(w.State().gFileOpen) << "nothing is opened";
    std::ifstream in(locked, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "protected");
}

}  // namespace
}  // namespace analyser::ui::test
