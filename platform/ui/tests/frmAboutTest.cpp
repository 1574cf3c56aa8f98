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
    about.show();
    QTest::mouseClick(about.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace platform
