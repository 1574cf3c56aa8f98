#include "frmCode.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QApplication>
#include <QTest>

namespace platform {
namespace {

std::vector<std::array<std::string, 2>> Rows() {
    std::vector<std::array<std::string, 2>> rows;
    for (int v = 0; v < 256; ++v) rows.push_back({std::to_string(v), "c" + std::to_string(v)});
    rows.push_back({"**", "**"});
    rows.push_back({"--", "--"});
    return rows;
}

QPoint RowCentre(frmCode& picker, int row) {
    return picker.ListView1->visualItemRect(picker.ListView1->topLevelItem(row)).center();
}

// The picker as its callers run it: opened modal, answered by the user.
TEST(frmCode, ADoubleClickPicksTheRowUnderThePointer) {
    QWidget owner;
    frmCode picker(&owner, "ASCII", Rows(), 256, 256);
    picker.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    EXPECT_EQ(picker.lblMode->text(), "ASCII");
    EXPECT_EQ(picker.ListView1->topLevelItemCount(), 258);
    EXPECT_EQ(picker.ListView1->indexOfTopLevelItem(picker.ListView1->currentItem()), 256);
    EXPECT_TRUE(picker.ListView1->header()->isHidden()) << "no headings given";

    picker.ListView1->scrollToTop();
    QApplication::processEvents();
    // A double click as the window system delivers it: a click first.
    QTest::mouseClick(picker.ListView1->viewport(), Qt::LeftButton, {}, RowCentre(picker, 1));
    QTest::mouseDClick(picker.ListView1->viewport(), Qt::LeftButton, {}, RowCentre(picker, 1));
    EXPECT_EQ(picker.PickedCode(), 1);
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_FALSE(picker.isVisible());
}

TEST(frmCode, EnterAndSetPickTheSelectedRow) {
    frmCode byEnter(nullptr, "HEX", Rows(), 257, -1);
    byEnter.show();
    QTest::keyClick(byEnter.ListView1, Qt::Key_Up);
    QTest::keyClick(byEnter.ListView1, Qt::Key_Return);
    EXPECT_EQ(byEnter.PickedCode(), 256) << "from \"--\" one up is \"**\"";

    frmCode bySet(nullptr, "HEX", Rows(), 0x7F, 0x7F, {"Hex ", "Ascii"});
    bySet.show();
    EXPECT_EQ(bySet.ListView1->headerItem()->text(0), "Hex ");
    QTest::mouseClick(bySet.cmdSetting, Qt::LeftButton);
    EXPECT_EQ(bySet.PickedCode(), 0x7F);
}

TEST(frmCode, CancelAnswersNothingAndTheCloseBoxKeepsThePreset) {
    frmCode cancelled(nullptr, "JIS8", Rows(), 65, 65);
    cancelled.show();
    QTest::mouseClick(cancelled.cmdCancel, Qt::LeftButton);
    EXPECT_EQ(cancelled.PickedCode(), -1);
    EXPECT_FALSE(cancelled.isVisible());

    frmCode closed(nullptr, "JIS8", Rows(), 257, 257);
    closed.show();
    QTest::keyClick(closed.ListView1, Qt::Key_Home);
    closed.close();
    EXPECT_FALSE(closed.isVisible());
    EXPECT_EQ(closed.PickedCode(), 257) << "the caller's value is kept";
}

}  // namespace
}  // namespace platform
