#include "frmFind.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QTest>

#include "HistoryGrid.h"
#include "UiTestHistory.h"
#include "frmProp.h"

namespace viewer::ui::test {
namespace {

class FindWindow : public ::testing::Test {
protected:
    ViewerFixture f;
    frmMain& w = *f.Main;
    ViewerState& st = f.Ctx->State;

    // 60 SD letters with "KY" at SD characters 41 and 42, an RD character
    // after every fifth.
    void Open() {
        HistoryPlan history;
        history.sd = Letters(60);
        history.sd[40] = 'K';
        history.sd[41] = 'Y';
        history.rdEvery = 5;
        const std::string path = f.Folder / "find.ky2";
        ASSERT_TRUE(HistoryWrite(path, history));
        w.HistoryFileOpen(path);
        ASSERT_TRUE(st.FileLoaded);
    }
    frmFind& Find() {
        w.mnuFind->trigger();
        EXPECT_NE(w.FindWindow(), nullptr);
        return *w.FindWindow();
    }
    void Type(frmFind& find, int col, const char* keys) {
        find.VSFlexGrid1->setCurrentCell(0, col);
        QTest::keyClicks(find.VSFlexGrid1, QString::fromLatin1(keys));
    }
};

TEST_F(FindWindow, APatternTypedInTheGridIsFoundAndTheGridCursorStandsOnIt) {
    Open();
    frmFind& find = Find();
    Type(find, 0, "4B");
    Type(find, 1, "59");
    EXPECT_EQ(find.VSFlexGrid1->item(0, 0)->text().toStdString(), "4B");
    EXPECT_EQ(st.FindPattern, "KY");
    find.cmdTopEnd->click();
    int32_t record = -1;
    ASSERT_TRUE(f.Ctx->gCommon->GetDirectionTrInf(1, 41, record));
    const auto want = CursorToRecord(st, *f.Ctx->gCommon, record);
    ASSERT_TRUE(want.has_value());
    EXPECT_EQ(w.VSFlexGrid1->Row(), want->Row);
    EXPECT_EQ(w.VSFlexGrid1->Col(), want->Col);
    EXPECT_EQ(w.VSFlexGrid1->Row() % 4, 1) << "on the hit's S row";
}

TEST_F(FindWindow, WhileOpenItsCommandsAreOffAndTheMainWindowStaysOpen) {
    Open();
    frmFind& find = Find();
    EXPECT_TRUE(st.FindOpen);
    EXPECT_FALSE(w.mnuFile->menuAction()->isEnabled());
    EXPECT_FALSE(w.mnuDsp->menuAction()->isEnabled());
    EXPECT_FALSE(w.mnuColor->isEnabled());
    EXPECT_FALSE(w.mnuFind->isEnabled());
    EXPECT_FALSE(w.mnuRange->isEnabled());
    EXPECT_FALSE(w.Toolbar1->isEnabled());
    EXPECT_TRUE(w.VSFlexGrid1->isEnabled()) << "the grid stays usable";
    EXPECT_FALSE(w.close()) << "closing is refused";
    EXPECT_TRUE(w.isVisible());
    find.cmdClose->click();
    EXPECT_FALSE(st.FindOpen);
    EXPECT_TRUE(w.mnuFile->menuAction()->isEnabled());
    EXPECT_TRUE(w.mnuFind->isEnabled());
    EXPECT_TRUE(w.mnuRange->isEnabled()) << "a DUAL recording";
    EXPECT_TRUE(w.Toolbar1->isEnabled());
}

TEST_F(FindWindow, ChecksRefuseAnEmptyPatternABlankCellAndNoCondition) {
    Open();
    BoxAnswerer answer;
    frmFind& find = Find();
    st.FindPattern.clear();
    st.FindKinds.clear();
    EXPECT_FALSE(find.StrPatternCheck());
    Type(find, 3, "41");
    EXPECT_FALSE(find.StrPatternCheck());
    EXPECT_EQ(find.VSFlexGrid1->currentColumn(), 0) << "the cursor goes to the first blank";
    EXPECT_FALSE(find.ErrCondCheck());
    find.chkError[1]->setChecked(true);
    EXPECT_TRUE(find.ErrCondCheck());
    ASSERT_EQ(answer.Messages.size(), 2u);
    EXPECT_EQ(answer.Messages[0], frmFind::kMsgBlank);
    EXPECT_EQ(answer.Messages[1], frmFind::kMsgNoCondition);
}

TEST_F(FindWindow, ThePatternSurvivesClosingAndReopening) {
    Open();
    frmFind& first = Find();
    Type(first, 0, "*");
    Type(first, 1, "41");
    first.cmdClose->click();
    frmFind& again = Find();
    EXPECT_EQ(again.VSFlexGrid1->item(0, 0)->text().toStdString(), "**");
    EXPECT_EQ(again.VSFlexGrid1->item(0, 1)->text().toStdString(), "41");
    EXPECT_EQ(again.cmdTopEnd->text().toStdString(), "先頭から");
    again.cmbTopDown->setCurrentIndex(0);
    EXPECT_EQ(again.cmdTopEnd->text().toStdString(), "末尾から");
    again.cmdClose->click();
}

TEST_F(FindWindow, ThePropertiesWindowAlsoKeepsTheMainWindowOpen) {
    Open();
    w.mnuHistory->trigger();
    ASSERT_NE(w.PropWindow(), nullptr);
    EXPECT_TRUE(st.PropOpen);
    EXPECT_EQ(w.PropWindow()->Value("lblDirection")->text().toStdString(), "DUAL");
    EXPECT_FALSE(w.close());
    w.PropWindow()->cmdCancel->click();
    EXPECT_FALSE(st.PropOpen);
}

}  // namespace
}  // namespace viewer::ui::test
