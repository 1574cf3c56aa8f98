// The grid as the user sees it: cell texts and colours of a page in a few
// display codes, and where paging and the first/last commands land.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include "HistoryGrid.h"
#include "PageModel.h"
#include "UiTestHistory.h"

namespace viewer::ui::test {
namespace {

class Grid : public ::testing::Test {
protected:
    ViewerFixture f;
    frmMain& w = *f.Main;
    ViewerState& st = f.Ctx->State;

    void Open(const HistoryPlan& plan) {
        const std::string path = f.Folder / "grid.ky2";
        ASSERT_TRUE(HistoryWrite(path, plan));
        w.HistoryFileOpen(path);
        ASSERT_TRUE(st.FileLoaded);
    }
    std::string Text(int row, int col) const { return w.Page->CellText(row, col).toStdString(); }
    QColor Back(int row, int col) const { return w.Page->CellBack(row, col); }
};

TEST_F(Grid, ADualPageShowsSdAndRdRowsWithHexAndText) {
    HistoryPlan plan;
    plan.sd = Letters(20);
    plan.rdEvery = 5;  // record 5 is RD "5"
    Open(plan);
    EXPECT_EQ(Text(0, 1), "No.");
    EXPECT_EQ(Text(0, 3), "0");
    EXPECT_EQ(Text(1, 1), "00001");
    EXPECT_EQ(Text(1, 2), "S");
    EXPECT_EQ(Text(2, 2), "R");
    EXPECT_EQ(Text(1, 3), " 41");
    EXPECT_EQ(Text(2, 3), "") << "no RD character at position 0";
    EXPECT_EQ(Text(2, 8), " 35") << "the RD record after five SD records";
    EXPECT_EQ(Text(1, 8), "");
    EXPECT_EQ(Text(1, st.TextCol).rfind("ＡＢＣＤＥ", 0), 0u) << Text(1, st.TextCol);
    EXPECT_TRUE(w.VSFlexGrid1->isRowHidden(4)) << "the fourth row of a line is hidden";
}

TEST_F(Grid, MarksTriggerAndRowsHaveTheirColours) {
    HistoryPlan plan;
    plan.sd = Letters(20);
    plan.rdEvery = 5;
    plan.triggerAt = 2;
    Open(plan);
    EXPECT_EQ(Back(1, 3), QColor(255, 128, 0)) << "mark BEGIN on record 0";
    EXPECT_EQ(Back(1, 5), QColor(255, 0, 255)) << "the trigger record";
    EXPECT_EQ(Back(1, 4), QColor(255, 255, 255)) << "an S row";
    EXPECT_EQ(Back(2, 4), QColor(128, 255, 255)) << "an R row";
}

TEST_F(Grid, OtherDisplayCodesChangeTheTextColumnAndTheCodePanel) {
    HistoryPlan plan;
    plan.sd = {0xC1, 0xC2, 0x93, 0xFA, 0x96, 0x7B};
    Open(plan);
    w.mnuDspCodeEbcdic->trigger();
    EXPECT_EQ(w.Panels.Text("Code").toStdString(), "EBCDIC");
    EXPECT_TRUE(w.mnuDspCodeEbcdic->isChecked());
    EXPECT_EQ(Text(1, st.TextCol).rfind("ＡＢ", 0), 0u) << Text(1, st.TextCol);
    w.mnuDspCodeShift->trigger();
    EXPECT_FALSE(w.mnuDspCodeEbcdic->isChecked());
    EXPECT_NE(Text(1, st.TextCol).find("日本"), std::string::npos) << Text(1, st.TextCol);
    EXPECT_EQ(Text(1, 5), " 93") << "the data cells stay hex";
}

TEST_F(Grid, PageDownEndAndTopLandWhereThePagingRulesSay) {
    HistoryPlan plan;
    plan.sd = Letters(3000);
    Open(plan);
    const int p = st.LinesPerPage;
    const int c = st.CharsPerLine;
    ASSERT_TRUE(w.VScroll1->isEnabled());
    w.VSFlexGrid1->setFocus();
    QTest::keyClick(w.VSFlexGrid1, Qt::Key_PageDown);
    EXPECT_EQ(st.Scroll.Value, p);
    EXPECT_EQ(w.VScroll1->value(), p);
    EXPECT_EQ(Text(1, 1), LineNumberText(p + 1));
    EXPECT_EQ(st.TopRecord, p * c);

    w.mnuBottom->trigger();
    EXPECT_EQ(st.Scroll.Value, st.Scroll.Max);
    EXPECT_EQ(w.VScroll1->value(), st.Scroll.Max);
    EXPECT_EQ(Text(w.VSFlexGrid1->Row(), w.VSFlexGrid1->Col()), " 4A") << "the last record, J";
    const int lastLine = (3000 - 1) / c;
    EXPECT_EQ(w.VSFlexGrid1->Row(), 4 * (lastLine - st.Scroll.Value) + 1);
    EXPECT_EQ(w.VSFlexGrid1->Col(), (3000 - 1) % c + 3);
    EXPECT_FALSE(w.Panels.Text("DateTime").isEmpty()) << "the time panels follow the cursor";

    QTest::keyClick(w.VSFlexGrid1, Qt::Key_PageDown);
    EXPECT_EQ(st.Scroll.Value, st.Scroll.Max) << "Page Down on the last page stays";

    w.mnuTop->trigger();
    EXPECT_EQ(st.Scroll.Value, 0);
    EXPECT_EQ(w.VScroll1->value(), 0);
    EXPECT_EQ(w.VSFlexGrid1->Row(), 1);
    EXPECT_EQ(w.VSFlexGrid1->Col(), 3);
    EXPECT_EQ(Text(1, 1), "00001");
}

TEST_F(Grid, MovingDownFromAnRRowSkipsTheSpacerRow) {
    HistoryPlan plan;
    plan.sd = Letters(200);
    plan.rdEvery = 2;
    Open(plan);
    w.VSFlexGrid1->setFocus();
    w.VSFlexGrid1->CursorSet(2, 3);
    QTest::keyClick(w.VSFlexGrid1, Qt::Key_Down);
    EXPECT_EQ(w.VSFlexGrid1->Row(), 5) << "from line 1's R row to line 2's S row";
}

TEST_F(Grid, TheMainWindowScreenshotShowsAHistory) {
    HistoryPlan plan;
    plan.sd = {0x93, 0xFA, 0x96, 0x7B, 0x8C, 0xEA};  // 日本語 in Shift-JIS
    for (uint8_t b : Letters(300)) plan.sd.push_back(b);
    plan.rdEvery = 7;
    plan.triggerAt = 9;
    Open(plan);
    w.mnuDspCodeShift->trigger();
    w.resize(1100, 640);
    QApplication::processEvents();
    const QImage shot = w.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QStringLiteral(KY_BINARY_DIR "/rewindo-main-window.png")));
}

}  // namespace
}  // namespace viewer::ui::test
