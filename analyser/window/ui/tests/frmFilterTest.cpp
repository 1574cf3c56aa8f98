// The filter dialog and its link-name picker: what they show, what Apply
// writes and refuses, and the rows the chart shows after.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "DialogsFixture.h"
#include "HexByteRow.h"
#include "TwoListPicker.h"
#include "VbDate.h"
#include "clsFilter.h"
#include "clsProtocol.h"
#include "frmFilter.h"
#include "frmFilterRelation.h"

namespace analyser::ui::test {
namespace {

std::string Text(const QString& s) { return s.toStdString(); }

class Filter : public DialogsTest {
protected:
    frmFilter* f = nullptr;

    void OpenFilter() {
        w.RunCommand(w.mnuEditFilter);
        f = dialogs->FilterDialog();
        ASSERT_NE(f, nullptr);
        QApplication::processEvents();
    }
    void Reopen() {
        f->close();
        QApplication::processEvents();
        OpenFilter();
    }
    void Apply() {
        messages.clear();
        f->cmdApply->click();
        QApplication::processEvents();
    }
    QStringList Directions() const {
        QStringList items;
        for (int i = 0; i < f->cmbFilDirection->count(); ++i) items << f->cmbFilDirection->itemText(i);
        return items;
    }
    const frames::clsFilter& Applied() const {
        return dynamic_cast<const frames::clsFilter&>(*w.State().gFilter);
    }
};

TEST_F(Filter, OpensFromTheFilterWithItsConditionsOff) {
    Open(Frames("f.kyp", 20, link));
    OpenFilter();
    EXPECT_EQ(Text(f->windowTitle()), "フィルタ");
    const char* tabs[] = {"関連付け項目", "フレームデータ", "範囲指定時刻", "方向"};
    for (int t = 0; t < 4; ++t) EXPECT_EQ(Text(f->tabFilter->tabText(t)), tabs[t]);
    for (QCheckBox* box : {f->chkFilRelation, f->chkFilData, f->chkFilDate, f->chkFilDirection}) {
        EXPECT_FALSE(box->isChecked());
    }
    EXPECT_TRUE(f->chkFilRelation->isEnabled()) << "a link table is associated";
    EXPECT_FALSE(f->cmdSetRelation->isEnabled());
    EXPECT_FALSE(f->fgFilData->isEnabled());
    EXPECT_FALSE(f->cmbFilDirection->isEnabled());
    EXPECT_FALSE(f->optFilRelation[0]->isVisible());
    EXPECT_TRUE(f->optFilRelation[1]->isChecked());
    EXPECT_EQ(Directions(), (QStringList{"なし", "→", "←", "SD", "RD"}));
    EXPECT_EQ(Text(f->cmbFilDirection->currentText()), "なし");
    const platform::DateParts last = platform::SplitDate(45000.5 + 19 / 86400.0);
    EXPECT_EQ(f->DTPickerTime[1]->time(), QTime(last.hour, last.minute, last.second)) << "the last row's time";
    EXPECT_EQ(f->DTPickerDate[0]->displayFormat().toStdString(), "yyyy/MM/dd");
    f->chkFilData->setChecked(true);
    EXPECT_TRUE(f->fgFilData->isEnabled()) << "a ticked box switches its controls on";

    w.fFileOpenFlgChange(false);
    QApplication::processEvents();
    EXPECT_EQ(dialogs->FilterDialog(), nullptr) << "the filter goes with the open file";
}

TEST_F(Filter, LinkNamesArePickedAndAnEmptyListIsRefused) {
    Open(Frames("f.kyp", 20, link));
    OpenFilter();
    f->chkFilRelation->setChecked(true);
    Apply();
    EXPECT_EQ(LastMessage(), "関連付け名が選択されていません。");
    EXPECT_EQ(w.State().gRowCount, 20) << "nothing was run";
    f->cmdOK->click();
    EXPECT_TRUE(f->isVisible()) << "OK stays for the names";
    EXPECT_TRUE(f->cmdApply->isEnabled());

    f->cmdSetRelation->click();
    frmFilterRelation* picker = f->RelationPicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_FALSE(f->isEnabled()) << "the filter waits for its picker";
    EXPECT_EQ(Text(picker->windowTitle()), "フィルタ対象項目の選択");
    widgets::TwoListPicker* lists = picker->Lists;
    using Side = widgets::TwoLists::Side;
    EXPECT_EQ(lists->Entries(Side::Left), (QStringList{"問合せ", "応答"}));
    EXPECT_TRUE(lists->Entries(Side::Right).isEmpty());
    lists->cmdAdd->click();
    EXPECT_TRUE(lists->Entries(Side::Right).isEmpty()) << "no current entry: nothing moves";
    lists->cmdAddAll->click();
    EXPECT_EQ(lists->Entries(Side::Right), (QStringList{"問合せ", "応答"}));
    lists->listSelectItem->setCurrentRow(0);
    lists->cmdDel->click();
    EXPECT_EQ(lists->Entries(Side::Left), QStringList{"問合せ"});
    EXPECT_EQ(lists->Entries(Side::Right), QStringList{"応答"});
    picker->cmdOK->click();
    QApplication::processEvents();
    EXPECT_TRUE(f->isEnabled());
    ASSERT_EQ(f->listItemList->count(), 1);
    EXPECT_EQ(Text(f->listItemList->item(0)->text()), "応答");

    Apply();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w.State().gRowCount, 10);
    EXPECT_EQ(Applied().FilterOption(0), 2) << "a whole name";
    EXPECT_EQ(w.State().gFilter->FilterNo(0), 1);
    EXPECT_EQ(w.CurrentRow(), 0);

    // Cancel in the picker leaves the names.
    f->cmdSetRelation->click();
    f->RelationPicker()->cmdCancel->click();
    QApplication::processEvents();
    EXPECT_TRUE(f->isEnabled());
    EXPECT_EQ(f->listItemList->count(), 1);
}

TEST_F(Filter, EveryByteOfTheByteConditionIsKept) {
    std::vector<FrameSpec> frames = Numbered(6);
    const std::string twelve = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C";
    frames[4].Bytes = "\x05" + twelve + "\x7F";
    frames[5].Bytes = "\x06" + twelve.substr(0, 10);  // only the first ten
    Open(WriteFrames(folder / "bytes.kyp", config, "", frames));
    OpenFilter();
    f->chkFilData->setChecked(true);
    Apply();
    EXPECT_FALSE(f->chkFilData->isChecked()) << "no byte: the condition goes off";
    EXPECT_EQ(w.State().gRowCount, 6);

    f->chkFilData->setChecked(true);
    HexByteRow* row = f->fgFilData;
    row->Grid->setFocus();
    row->Grid->SetCurrentCell(0, 0);
    for (int b = 1; b <= 12; ++b) {
        const QString hex = QString("%1").arg(b, 2, 16, QChar('0')).toUpper();
        for (const QChar c : hex) QTest::keyClick(row->Grid, c.toLatin1());
        QTest::keyClick(row->Grid, Qt::Key_Return);
    }
    EXPECT_EQ(row->Grid->Rows(), 2) << "Enter past the last cell adds a row";
    EXPECT_EQ(row->Bytes(), twelve);
    Apply();
    EXPECT_EQ(w.State().gRowCount, 1);
    EXPECT_EQ(w.State().gFilter->FilterNo(0), 4);

    Reopen();
    EXPECT_TRUE(f->chkFilData->isChecked());
    EXPECT_EQ(f->fgFilData->Bytes(), twelve) << "the dialog shows all twelve bytes it applied";
    Apply();
    EXPECT_EQ(w.State().gRowCount, 1) << "and a second Apply filters with all of them";
    EXPECT_EQ(Applied().FrameData(), twelve);

    f->cmdReset->click();
    EXPECT_FALSE(f->chkFilData->isChecked());
    EXPECT_EQ(f->fgFilData->Cell(0, 0).toStdString(), "");
    EXPECT_EQ(f->fgFilData->Grid->Rows(), 2) << "the rows stay";
    EXPECT_EQ(w.State().gRowCount, 1) << "reset leaves the filter until the next Apply";
}

TEST_F(Filter, TheDirectionStaysAsChosenWithoutALinkTable) {
    Open(Frames("f.kyp", 20));
    OpenFilter();
    EXPECT_FALSE(f->chkFilRelation->isEnabled());
    EXPECT_EQ(Directions(), (QStringList{"SD", "RD"}));
    f->chkFilDirection->setChecked(true);
    f->cmbFilDirection->setCurrentText("RD");
    Apply();
    EXPECT_EQ(w.State().gRowCount, 10);
    EXPECT_EQ(w.State().gFilter->FilterNo(0), 1);
    EXPECT_EQ(Applied().Direc(), 4);
    Reopen();
    EXPECT_TRUE(f->chkFilDirection->isChecked());
    EXPECT_EQ(Text(f->cmbFilDirection->currentText()), "RD") << "as applied, not SD";
    f->cmdOK->click();
    QApplication::processEvents();
    EXPECT_EQ(dialogs->FilterDialog(), nullptr);
    EXPECT_EQ(w.State().gRowCount, 10);
}

TEST_F(Filter, ATimeRangeAndAFilterThatPassesNothing) {
    Open(Frames("f.kyp", 20));
    OpenFilter();
    f->chkFilDate->setChecked(true);
    for (size_t k = 0; k < 2; ++k) {
        const platform::DateParts p = platform::SplitDate(45000.5 + (k == 0 ? 5 : 8) / 86400.0);
        f->DTPickerDate[k]->setDate(QDate(p.year, p.month, p.day));
        f->DTPickerTime[k]->setTime(QTime(p.hour, p.minute, p.second));
    }
    Apply();
    EXPECT_EQ(w.State().gRowCount, 4);
    EXPECT_EQ(w.State().gFilter->FilterNo(0), 5);
    f->DTPickerTime[1]->setTime(f->DTPickerTime[0]->time().addSecs(-1));
    Apply();
    EXPECT_EQ(w.State().gRowCount, 0);
    EXPECT_EQ(Text(w.txtCurrentFrame->text()), "0");
}

}  // namespace
}  // namespace analyser::ui::test
