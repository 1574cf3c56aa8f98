#include "frmColor.h"

#include <gtest/gtest.h>

namespace viewer::ui::test {
namespace {

TEST(frmColor, PreviewCellsSelectTheColourTheyShow) {
    EXPECT_EQ(frmColor::ComboIndexForCell(1, 4), 2) << "the mark sample";
    EXPECT_EQ(frmColor::ComboIndexForCell(2, 8), 3) << "the trigger sample";
    EXPECT_EQ(frmColor::ComboIndexForCell(1, 6), 0);
    EXPECT_EQ(frmColor::ComboIndexForCell(2, 3), 1);
    EXPECT_EQ(frmColor::ComboIndexForCell(0, 4), -1) << "the header selects nothing";
}

TEST(frmColor, AChosenColourChangesOnlyTheWorkingCopysField) {
    const ColorRecord start = DefaultColors();
    frmColor dialog(nullptr, start);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "表示色設定");
    EXPECT_EQ(dialog.cmbColor->count(), 4);
    EXPECT_EQ(dialog.cmbColor->currentIndex(), 0);
    dialog.cmbColor->setCurrentIndex(3);
    dialog.ChooseColor = [](const QColor&) { return QColor(0x10, 0x20, 0x30); };
    dialog.cmdChng->click();
    ColorRecord want = start;
    want.TrigBack = 0x00302010;
    EXPECT_EQ(dialog.Working(), want);
    EXPECT_EQ(dialog.VSFlexGrid1->item(2, 8)->background().color(), QColor(0x10, 0x20, 0x30));
}

TEST(frmColor, ACancelledChooserKeepsTheColour) {
    frmColor dialog(nullptr, DefaultColors());
    QColor offered;
    dialog.ChooseColor = [&](const QColor& from) {
        offered = from;
        return QColor();
    };
    dialog.cmdChng->click();
    EXPECT_EQ(offered, QColor(255, 255, 255)) << "the chooser starts from the odd-row colour";
    EXPECT_EQ(dialog.Working(), DefaultColors());
}

}  // namespace
}  // namespace viewer::ui::test
