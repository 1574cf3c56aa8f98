#include "frmTrig.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "CodeTable.h"
#include "frmString.h"
#include "platform/ui/Twips.h"

namespace mon {
namespace {

class TriggerEditor : public ::testing::Test {
protected:
    static void SetUpTestSuite() { store::CodeTableRead(); }
    void SetUp() override {
        settings.Trig[0].SdCharAttr = settings.Trig[0].RdCharAttr = "00000";
        settings.Trig[1].Length = 100;
    }
    std::unique_ptr<frmTrig> Open() {
        auto editor = std::make_unique<frmTrig>(nullptr, settings);
        editor->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
        return editor;
    }
    static QString Cell(frmTrig& t, int grid, int row, int col) {
        return t.VSFlexGrid[static_cast<size_t>(grid)]->TextMatrix(row, col);
    }
    static void Type(frmTrig& t, int grid, int row, int col, const char* keys) {
        platform::GridAdapter* g = t.VSFlexGrid[static_cast<size_t>(grid)];
        g->SetCurrentCell(row, col);
        QTest::keyClicks(g, keys);
    }
    static void DoubleClick(frmTrig& t, int grid, int row, int col) {
        platform::GridAdapter* g = t.VSFlexGrid[static_cast<size_t>(grid)];
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->Model().index(row, col)).center());
    }

    MonitorSettings settings;
};

TEST_F(TriggerEditor, TypedKeysFillTheHexAndTextRowsAndSetStoresThePattern) {
    settings.Code = 1;
    auto t = Open();
    t->chkTrigFlg[1]->setChecked(true);
    Type(*t, 2, 0, 0, "02");
    Type(*t, 2, 0, 1, "*");
    Type(*t, 2, 0, 2, "03");
    t->chkTrigFlg[0]->setChecked(true);
    Type(*t, 0, 1, 0, "41");
    Type(*t, 0, 1, 1, "*");
    Type(*t, 0, 1, 2, "0d");
    DoubleClick(*t, 0, 0, 1);
    EXPECT_EQ(Cell(*t, 0, 1, 0), "41");
    EXPECT_EQ(Cell(*t, 0, 2, 0), QString::fromStdString(store::CodeTable[1][0x41]));
    EXPECT_EQ(Cell(*t, 0, 1, 2), "0D");
    EXPECT_EQ(Cell(*t, 0, 0, 1), "○");
    EXPECT_EQ(Cell(*t, 0, 0, 0), "×");
    EXPECT_EQ(t->lblSdTitle[2]->text(), "ASCII");
    t->cmdSet->click();
    EXPECT_FALSE(t->isVisible());
    EXPECT_EQ(settings.Trig[0].Active, -1);
    EXPECT_EQ(settings.Trig[1].Active, 0);
    EXPECT_EQ(settings.Trig[0].SdCharAttr, "16100");
    EXPECT_EQ(settings.Trig[0].SdData, "41**0D0000");
    EXPECT_EQ(settings.Trig[1].SdData, "02**03");
}

TEST_F(TriggerEditor, TheBoxesWriteAtOnceAndCancelOrTheCloseBoxUndoesNothing) {
    settings.Trig[0].Active = settings.Trig[1].Active = -1;
    auto t = Open();
    EXPECT_FALSE(t->chkTrigFlg[0]->isChecked());
    EXPECT_TRUE(t->chkTrigFlg[1]->isChecked());
    EXPECT_EQ(settings.Trig[0].Active, 0) << "opening keeps one trigger on, and writes it";
    EXPECT_EQ(settings.Trig[1].Active, -1);
    t->chkTrigFlg[0]->setChecked(true);
    EXPECT_FALSE(t->chkTrigFlg[1]->isChecked());
    EXPECT_EQ(settings.Trig[0].Active, -1) << "written the moment the box changes";
    EXPECT_EQ(settings.Trig[1].Active, 0);
    t->txtLength[0]->setText("500");
    t->cmdCancel->click();
    EXPECT_EQ(settings.Trig[0].Active, -1) << "Cancel keeps it";
    EXPECT_EQ(settings.Trig[1].Active, 0);
    EXPECT_EQ(settings.Trig[0].Length, 0) << "fields only go in with Set";

    const MonitorSettings before = settings;
    auto closed = Open();
    EXPECT_EQ(settings, before);
    Type(*closed, 1, 1, 0, "55");
    closed->chkTrigFlg[0]->setChecked(false);
    closed->close();
    EXPECT_EQ(settings.Trig[0].Active, 0) << "the close box keeps it too";
    EXPECT_EQ(settings.Trig[0].RdData, before.Trig[0].RdData);
}

TEST_F(TriggerEditor, ARefusedSetShowsThePageAndKeepsWhatItStoredBefore) {
    auto t = Open();
    t->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.get()));
    t->chkTrigFlg[1]->setChecked(true);
    t->txtLength[0]->setText("129900");
    t->txtLength[1]->setText("1000001");
    t->cmdSet->click();
    EXPECT_TRUE(t->isVisible());
    EXPECT_EQ(t->SSTab1->currentIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), t->txtLength[1]);
    EXPECT_EQ(settings.Trig[0].Length, 129900) << "the stop page went in before the refusal";
    EXPECT_EQ(settings.Trig[1].Length, 100);
    const std::string rdBefore = settings.Trig[0].RdData;

    t->txtLength[1]->setText("5000");
    t->chkTrigFlg[0]->setChecked(true);
    t->SSTab1->setCurrentIndex(0);
    t->txtLength[0]->setText("1200");
    Type(*t, 0, 1, 0, "30");
    Type(*t, 1, 1, 0, "41");
    Type(*t, 1, 1, 2, "42");
    t->chkTrigFlg[1]->setChecked(true);
    t->SSTab1->setCurrentIndex(1);
    t->cmdSet->click();
    EXPECT_EQ(t->SSTab1->currentIndex(), 0) << "the gap in the stop RD grid";
    EXPECT_EQ(settings.Trig[0].Length, 1200);
    EXPECT_EQ(settings.Trig[0].SdData, "3000000000") << "the SD grid before the RD grid";
    EXPECT_EQ(settings.Trig[0].RdData, rdBefore) << "the refused grid is not stored";
    EXPECT_EQ(settings.Trig[1].Length, 100) << "nothing after the refusal";
    t->cmdCancel->click();
    EXPECT_EQ(settings.Trig[0].Length, 1200) << "Cancel takes nothing back";
    EXPECT_EQ(settings.Trig[1].Active, -1);
}

TEST_F(TriggerEditor, AnInactivePageIsDisabledButItsBoxStaysUsable) {
    auto t = Open();
    EXPECT_FALSE(t->VSFlexGrid[0]->isEnabled());
    EXPECT_FALSE(t->txtLength[0]->isEnabled());
    EXPECT_FALSE(t->lblSdTitle[1]->isEnabled());
    EXPECT_TRUE(t->chkTrigFlg[0]->isEnabled());
    t->chkTrigFlg[0]->setChecked(true);
    EXPECT_TRUE(t->VSFlexGrid[1]->isEnabled());
    EXPECT_TRUE(t->UpDownSdCount[0]->isEnabled());
    EXPECT_FALSE(t->VSFlexGrid[2]->isEnabled());

    t->txtLength[0]->setText("129850");
    t->UpDownLength[0]->Up->click();
    EXPECT_EQ(t->txtLength[0]->text(), "129900");
    t->chkTrigFlg[1]->setChecked(true);
    t->SSTab1->setCurrentIndex(1);
    t->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.get()));
    t->txtLength[1]->setText("99");
    t->txtLength[1]->setFocus();
    t->txtSdCount[1]->setFocus();
    EXPECT_EQ(t->txtLength[1]->text(), "100") << "raised when the focus leaves";
}

TEST_F(TriggerEditor, ThePickerAndTheStringEntryFillTheGrids) {
    settings.Trig[0].Active = -1;
    auto t = Open();
    std::vector<int16_t> presets;
    int16_t answer = 0x7F;
    t->CodePickRun = [&](int16_t picked) {
        presets.push_back(picked);
        return answer;
    };
    DoubleClick(*t, 0, 2, 3);
    EXPECT_EQ(Cell(*t, 0, 1, 3), "7F");
    answer = store::kPickedNothing;
    DoubleClick(*t, 0, 1, 3);
    EXPECT_EQ(Cell(*t, 0, 1, 3), "7F") << "a cancelled picker leaves the cell";
    answer = store::kPickedAny;
    DoubleClick(*t, 0, 1, 3);
    EXPECT_EQ(Cell(*t, 0, 1, 3), "**");
    EXPECT_EQ(presets, (std::vector<int16_t>{257, 0x7F, 0x7F}));

    bool startPage = false;
    t->StringEntryRun = [&](std::string& text, bool start) {
        startPage = start;
        text = "AB";
        return true;
    };
    t->chkTrigFlg[1]->setChecked(true);
    t->SSTab1->setCurrentIndex(1);
    platform::GridAdapter* g = t->VSFlexGrid[3];
    const QPoint at = g->visualRect(g->Model().index(0, 5)).center();
    QTest::mouseMove(g->viewport(), at);
    QTest::mouseRelease(g->viewport(), Qt::RightButton, {}, at);
    ASSERT_TRUE(t->mnuRight->isVisible());
    t->mnuRightEnter->trigger();
    t->mnuRight->hide();
    EXPECT_TRUE(startPage);
    EXPECT_EQ(Cell(*t, 3, 0, 0), "41");
    EXPECT_EQ(Cell(*t, 3, 0, 1), "42");
    EXPECT_EQ(Cell(*t, 3, 0, 2), "");
    const QPoint global = g->viewport()->mapToGlobal(at);
    EXPECT_NEAR(t->PickerAnchorX, platform::PixelsToTwips(global.x(), t.get()), 15);
}

TEST(StringEntry, TakesFiveOrTwelveSingleByteCharactersWithEnter) {
    frmString stop(nullptr, "ABCDEFG", false);
    EXPECT_EQ(stop.txtTrig->text(), "ABCDE");
    EXPECT_EQ(stop.lblMsg->text(), "※リターンで決定[５文字]");
    stop.show();
    QTest::keyClicks(stop.txtTrig, "X");
    EXPECT_EQ(stop.txtTrig->text().size(), 5) << "a sixth character cannot be typed";

    frmString start(nullptr, "", true);
    EXPECT_EQ(start.lblMsg->text(), "※リターンで決定[１２文字]");
    start.show();
    start.txtTrig->setText("A漢");
    QTest::keyClick(start.txtTrig, Qt::Key_Return);
    EXPECT_TRUE(start.isVisible()) << "a double-byte character is refused";
    EXPECT_FALSE(start.Accepted());
    start.txtTrig->setText("0123456789AB");
    QTest::keyClick(start.txtTrig, Qt::Key_Return);
    EXPECT_TRUE(start.Accepted());
    EXPECT_EQ(start.Text(), "0123456789AB");

    frmString closed(nullptr, "", false);
    closed.show();
    closed.txtTrig->setText("AB");
    closed.cmdClose->click();
    EXPECT_FALSE(closed.Accepted());
}

}  // namespace
}  // namespace mon
