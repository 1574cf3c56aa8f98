#include "TwoListPicker.h"

#include <gtest/gtest.h>

#include <QTest>

namespace analyser::widgets {
namespace {

using Side = TwoLists::Side;

TEST(TwoListPicker, ButtonsMoveWhatIsSelected) {
    TwoListPicker picker(true);
    picker.SetLabels(QStringLiteral("項目一覧"), QStringLiteral("対象項目"));
    picker.SetEntries(Side::Left, {QStringLiteral("1 - a"), QStringLiteral("2 - b"), QStringLiteral("10 - j")});
    picker.show();
    EXPECT_EQ(picker.lblItemList->text(), QStringLiteral("項目一覧"));
    ASSERT_EQ(picker.listItemList->count(), 3);
    EXPECT_EQ(picker.listItemList->item(1)->text(), QStringLiteral("10 - j"));

    // Highlighted but no current entry: 追加 does nothing.
    picker.listItemList->item(0)->setSelected(true);
    picker.listItemList->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    QTest::mouseClick(picker.cmdAdd, Qt::LeftButton);
    EXPECT_EQ(picker.listSelectItem->count(), 0);

    // Click, then Ctrl+click: both move, in list order.
    const QRect first = picker.listItemList->visualItemRect(picker.listItemList->item(0));
    const QRect last = picker.listItemList->visualItemRect(picker.listItemList->item(2));
    QTest::mouseClick(picker.listItemList->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseClick(picker.listItemList->viewport(), Qt::LeftButton, Qt::ControlModifier, last.center());
    QTest::mouseClick(picker.cmdAdd, Qt::LeftButton);
    EXPECT_EQ(picker.Entries(Side::Right), QStringList({QStringLiteral("1 - a"), QStringLiteral("2 - b")}));
    EXPECT_EQ(picker.Entries(Side::Left), QStringList({QStringLiteral("10 - j")}));

    QTest::mouseClick(picker.cmdAddAll, Qt::LeftButton);
    EXPECT_EQ(picker.listSelectItem->count(), 3);
    EXPECT_EQ(picker.listSelectItem->item(0)->text(), QStringLiteral("1 - a"));
    EXPECT_EQ(picker.listSelectItem->item(1)->text(), QStringLiteral("10 - j"));
    picker.listSelectItem->setCurrentRow(1);
    QTest::mouseClick(picker.cmdDel, Qt::LeftButton);
    EXPECT_EQ(picker.Entries(Side::Left), QStringList({QStringLiteral("10 - j")}));
    QTest::mouseClick(picker.cmdDelAll, Qt::LeftButton);
    EXPECT_EQ(picker.listItemList->count(), 3);
    EXPECT_EQ(picker.listSelectItem->count(), 0);
}

}  // namespace
}  // namespace analyser::widgets
