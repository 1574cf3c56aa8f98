#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "BaudSteps.h"
#include "RealPortello.h"
#include "frmBaud.h"
#include "frmBaudN5.h"

namespace mon {
namespace {

const BaudTable& Table() {
    static const BaudTable table = BaudTable::Read(test::RealPortello());
    return table;
}

// What a list has chosen: its selected entry.
int Row(const QListWidget* list) { return ChosenRow(*list); }
QString Chosen(const QListWidget* list) {
    const int row = Row(list);
    return row >= 0 ? list->item(row)->text().trimmed() : QString();
}

// A double click as the window system delivers it: a click first.
void DoubleClick(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

class BaudWindows : public ::testing::Test {
protected:
    QWidget owner;
    QLineEdit box{&owner};
};

TEST_F(BaudWindows, Model1OpensOnTheGroupAndRateOfTheTypedBaud) {
    box.setText("9600");
    frmBaud w(&owner, Table(), box);
    EXPECT_EQ(w.windowTitle(), "モニタ回線速度設定");
    EXPECT_EQ(w.List1->count(), 41);
    EXPECT_EQ(Chosen(w.List1), "9600");
    EXPECT_EQ(w.List2->count(), 16);
    EXPECT_EQ(w.List2->item(0)->text(), "   8100");
    EXPECT_EQ(Chosen(w.List2), "9600");

    box.setText("134");
    frmBaud fraction(&owner, Table(), box);
    EXPECT_EQ(fraction.List1->item(Row(fraction.List1))->text(), "    134.5");
    EXPECT_EQ(fraction.List2->count(), 3);
    fraction.cmdSetting->click();
    EXPECT_EQ(box.text(), "134.5");

    box.setText("baud");
    frmBaud notANumber(&owner, Table(), box);
    EXPECT_EQ(Chosen(notANumber.List2), "9600");
}

TEST_F(BaudWindows, Model1ClickingAReferenceListsItsGroupAndADoubleClickPicksIt) {
    box.setText("9601");
    frmBaud w(&owner, Table(), box);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(Chosen(w.List1), "10400");
    EXPECT_EQ(Chosen(w.List2), "9700");
    w.List1->setCurrentRow(38);
    EXPECT_EQ(w.List2->count(), 139);
    EXPECT_EQ(Chosen(w.List2), "115200");

    DoubleClick(w.List2, 0);
    EXPECT_EQ(box.text(), "76900");
    EXPECT_EQ(w.result(), QDialog::Accepted);

    box.setText("9600");
    frmBaud reference(&owner, Table(), box);
    reference.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&reference));
    DoubleClick(reference.List1, 2);
    EXPECT_EQ(box.text(), "100") << "a double click on a reference rate picks it";
}

TEST_F(BaudWindows, CancelAndTheCloseBoxLeaveTheBoxAndSetWithoutAChoiceStaysOpen) {
    box.setText("4800");
    frmBaud cancelled(&owner, Table(), box);
    cancelled.show();
    cancelled.List1->setCurrentRow(40);
    cancelled.cmdClose->click();
    EXPECT_FALSE(cancelled.isVisible());
    EXPECT_EQ(box.text(), "4800");

    frmBaudN5 closed(&owner, box);
    closed.show();
    closed.List1->setCurrentRow(0);
    closed.close();
    EXPECT_EQ(box.text(), "4800");

    // Above the highest rate: the lists take the focus, which makes an
    // entry current but chooses none.
    box.setText("300000");
    frmBaud above(&owner, Table(), box);
    above.show();
    above.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&above));
    above.List1->setFocus(Qt::TabFocusReason);
    above.List2->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Row(above.List1), -1);
    EXPECT_EQ(above.List2->count(), 0);
    above.cmdSetting->click();
    EXPECT_TRUE(above.isVisible()) << "nothing chosen: the window stays";
    EXPECT_EQ(box.text(), "300000");
    DoubleClick(above.List1, 40);
    EXPECT_EQ(box.text(), "230400") << "what the user picks is taken";

    box.setText("700000");
    frmBaudN5 aboveN5(&owner, box);
    aboveN5.show();
    aboveN5.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&aboveN5));
    aboveN5.List1->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Row(aboveN5.List1), -1);
    aboveN5.cmdSetting->click();
    EXPECT_TRUE(aboveN5.isVisible());
    EXPECT_EQ(box.text(), "700000");
}

TEST_F(BaudWindows, Model2ChoosesTheFirstListedRateNotBelowTheTypedOne) {
    box.setText("101");
    frmBaudN5 w(&owner, box);
    EXPECT_EQ(w.List1->count(), 43);
    EXPECT_EQ(Chosen(w.List1), "110");
    box.setText("100");
    frmBaudN5 exact(&owner, box);
    EXPECT_EQ(Chosen(exact.List1), "100");
    exact.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&exact));
    DoubleClick(exact.List1, 42);
    EXPECT_EQ(box.text(), "687500");
}

}  // namespace
}  // namespace mon
