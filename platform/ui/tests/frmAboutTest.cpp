#include "frmAbout.h"

#include <gtest/gtest.h>

#include <QTest>

namespace platform {
namespace {

TEST(frmAbout, ShowsTitleAndVersionAndClosesWithOk) {
    QWidget owner;
    frmAbout about(&owner, "Capturo", "1.0.0");
    EXPECT_EQ(about.windowTitle(), "Capturoのﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(about.lblTitle->text(), "Capturo");
    EXPECT_EQ(about.lblVersion->text(), "ﾊﾞｰｼﾞｮﾝ 1.0.0");
    EXPECT_EQ(about.lblDescription->text(), "KY-N4 / KY-N5 データラインモニタ");
    ASSERT_FALSE(about.Image1->pixmap().isNull());
    EXPECT_EQ(about.Image1->pixmap().size(), about.Image1->size());
    about.show();
    const QRect inside = about.rect();
    for (QWidget* w : std::initializer_list<QWidget*>{about.Image1, about.lblTitle, about.lblVersion,
                                                      about.lblDescription, about.cmdOK}) {
        EXPECT_TRUE(inside.contains(w->geometry())) << w->objectName().toStdString();
    }
    EXPECT_FALSE(about.Image1->geometry().intersects(about.lblTitle->geometry()));
    EXPECT_LT(about.lblDescription->geometry().bottom(), about.cmdOK->geometry().top());
    QTest::mouseClick(about.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace platform
