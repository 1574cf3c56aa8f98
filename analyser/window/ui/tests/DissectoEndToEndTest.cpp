// Dissecto as a user runs it on a capture: the monitor's engine records a
// line from the simulated unit through the real device library; the
// conversion dialog cuts the history at CR LF and opens the frames; a link
// table names the rows; the filter keeps the send data; the detail window
// decodes the first row, and a second one decodes it again as PPP.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdio>

#include "DialogsFixture.h"
#include "UnitCapture.h"
#include "clsFrameConfig.h"
#include "clsProtocol.h"
#include "frmChange.h"
#include "frmFileConvert.h"
#include "frmFilter.h"
#include "frmdetails.h"

namespace analyser::ui::test {
namespace {

constexpr int kLines = 8;  // each a question on SD and its answer on RD

// "Q00" CR LF from the host, "A00" CR LF back, and so on.
unitsim::Scenario Questions() {
    unitsim::Scenario s;
    s.endByItself = true;
    for (int k = 0; k < kLines; ++k) {
        unitsim::ScenarioRecord record{k, {}};
        char q[8];
        char a[8];
        std::snprintf(q, sizeof q, "Q%02d\r\n", k);
        std::snprintf(a, sizeof a, "A%02d\r\n", k);
        for (int i = 0; i < 5; ++i) record.units.push_back({0x80, static_cast<uint8_t>(q[i]), i == 0 ? 0 : -1, 25});
        for (int i = 0; i < 5; ++i) record.units.push_back({0x82, static_cast<uint8_t>(a[i])});
        s.records.push_back(std::move(record));
    }
    return s;
}

class DissectoEndToEnd : public DialogsTest {
protected:
    frames::test::UnitCapture unit_;
};

std::string Text(const QString& s) { return s.toStdString(); }

TEST_F(DissectoEndToEnd, ACaptureConvertedNamedFilteredAndDecoded) {
    ASSERT_TRUE(unit_.Connect());
    ASSERT_TRUE(unit_.Capture(Questions())) << "the unit ends the run by itself";
    ASSERT_TRUE(unit_.HistoriesWritten({"Ky_00_be.ky2"}));
    const std::string history = unit_.History("Ky_00_be.ky2");

    // A line: its kind, its number and its end.
    frames::clsFrameConfig line;
    line.FrameName("行");
    line.ItemMax(3);
    const char* names[] = {"種別", "番号", "終端"};
    const int16_t types[] = {0, 2, 2};
    for (int i = 0; i < 3; ++i) {
        line.ItemName(i, names[i]);
        line.ItemType(i, types[i]);
        line.ItemSize(i, 16);
    }
    line.ItemSize(0, 8);
    ASSERT_TRUE(line.FrameWrite(folder / "line.kyf"));
    const std::string table = WriteLink(folder / "lines.kyl", "行の名前", {{'Q', "問合せ", 1, 0xFF}, {'A', "応答", 2, 0xFF00}});

    // The conversion dialog: CR LF ends a frame, the result opens.
    w.RunCommand(w.mnuToolConvert);
    frmFileConvert* convert = dialogs->ConvertDialog();
    ASSERT_NE(convert, nullptr);
    opens = {history};
    convert->cmdKY2file->click();
    picks = {{folder / "line.kyf", folder.path()}};
    convert->cmdKYF->click();
    convert->chkFrameCondition[0]->setChecked(true);
    convert->chkAndOpen->setChecked(true);
    saves = {folder / "capture.kyp"};
    convert->cmdOK->click();
    QApplication::processEvents();
    ASSERT_TRUE(w.State().gFileOpen) << LastMessage();
    EXPECT_TRUE(messages.empty()) << LastMessage();
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(w.State().gRowCount, 2 * kLines);
    EXPECT_EQ(Text(w.lblFrameMax->text()), "/ 16");
    EXPECT_EQ(w.Chart().SlotEntry(0).Caption, "51 30 30 0D 0A") << "the bytes before a link table names them";

    // The link table names the rows.
    picks = {{table, folder.path()}};
    w.RunCommand(w.mnuEditRelationSet);
    ASSERT_TRUE(w.mnuEditRelationSet->isChecked());
    EXPECT_EQ(w.Chart().SlotEntry(0).Caption, "問合せ");
    EXPECT_EQ(w.Chart().SlotEntry(1).Caption, "応答");
    EXPECT_EQ(w.Chart().SlotEntry(1).Direction, 2);

    // The filter keeps the send data.
    w.RunCommand(w.mnuEditFilter);
    frmFilter* filter = dialogs->FilterDialog();
    ASSERT_NE(filter, nullptr);
    filter->chkFilDirection->setChecked(true);
    filter->cmbFilDirection->setCurrentText("SD");
    filter->cmdOK->click();
    QApplication::processEvents();
    ASSERT_EQ(w.State().gRowCount, kLines);
    for (int r = 0; r < kLines; ++r) EXPECT_EQ(w.Chart().SlotEntry(r).Caption, "問合せ") << r;

    // The detail window of row 1.
    w.fCurrentFrameChange(0);
    w.RunCommand(w.mnuViewDetail);
    ASSERT_EQ(dialogs->DetailWindows().size(), 1u) << LastMessage();
    frmdetails& d = *dialogs->DetailWindows()[0];
    EXPECT_EQ(Text(d.windowTitle()), "行 - 問合せ");
    ASSERT_EQ(d.ListView1->topLevelItemCount(), 3);
    const char* expected[3][3] = {{"種別", "81 (0x51)", "8"}, {"番号", "12336 (0x3030)", "16"}, {"終端", "3338 (0xD0A)", "16"}};
    for (int i = 0; i < 3; ++i) {
        for (int c = 0; c < 3; ++c) EXPECT_EQ(Text(d.ListView1->topLevelItem(i)->text(c)), expected[i][c]) << i << "," << c;
    }
    const char* dump[] = {"51", "30", "30", "0D", "0A"};
    for (int m = 0; m < 5; ++m) EXPECT_EQ(Text(d.VSFlexGrid1->TextMatrix(0, 2 + m)), dump[m]);
    EXPECT_EQ(Text(d.VSFlexGrid1->TextMatrix(0, 7)), "");
    EXPECT_EQ(Text(d.VSFlexGrid1->TextMatrix(0, 20)), "Q00･･");
    EXPECT_EQ(Text(d.StatusPanels.Text("DispChanel")), "SD");
    d.ItemSelect(2);
    EXPECT_EQ(d.VSFlexGrid1->Col(), 5) << "the end of the line starts at its fourth byte";

    // A second window decodes the frame again as PPP, from its first byte.
    ASSERT_TRUE(frames::clsFrameConfig().FramePPPWrite(folder / "ppp.kyf"));
    dialogs->ChangeRun = [&](frmChange& c) {
        c.txtFramefile->setText(QString::fromStdString(folder / "ppp.kyf"));
        c.cmdOK->click();
    };
    d.VSFlexGrid1->SetCurrentCell(0, 2);
    d.mnuRightChange_Click();
    ASSERT_EQ(dialogs->DetailWindows().size(), 2u) << LastMessage();
    frmdetails& ppp = *dialogs->DetailWindows()[1];
    EXPECT_EQ(Text(ppp.windowTitle()), "ＰＰＰプロトコル -  ---");
    ASSERT_EQ(ppp.ListView1->topLevelItemCount(), 7);
    EXPECT_EQ(Text(ppp.ListView1->topLevelItem(0)->text(1)), "81 (0x51)");
    EXPECT_EQ(Text(ppp.ListView1->topLevelItem(3)->text(0)), "プロトコル");
    EXPECT_EQ(Text(ppp.ListView1->topLevelItem(3)->text(1)), "3338 (0xD0A)");
    EXPECT_EQ(Text(ppp.ListView1->topLevelItem(5)->text(1)), "") << "the FCS is past the bytes";
    EXPECT_EQ(ppp.DumpBytes(), "Q00\r\n");
    EXPECT_EQ(Text(ppp.StatusPanels.Text("DispChanel")), "SD");
    EXPECT_EQ(Text(ppp.StatusPanels.Text("DispCTime")), "-");
    EXPECT_EQ(dialogs->DetailWindows()[0], &d) << "the first window stays open beside it";
}

}  // namespace
}  // namespace analyser::ui::test
