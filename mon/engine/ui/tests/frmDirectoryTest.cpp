#include "frmDirectory.h"

#include <gtest/gtest.h>

#include <QStorageInfo>
#include <QTest>

#include <filesystem>

#include "TextUtil.h"
#include "clsMsgBox.h"
#include "frmCreateDir.h"
#include "frmMsgBox.h"
#include "platform/file/tests/TempFolder.h"

namespace mon {
namespace {

class FolderChooser : public ::testing::Test {
protected:
    void SetUp() override { owner_.show(); }

    QWidget owner_;
    clsMsgBox box_;
    TempFolder program_;
    TempFolder data_;
};

TEST_F(FolderChooser, OkWithoutAChangeWritesTheOpenFolderBack) {
    std::string path = data_.path();
    frmDirectory chooser(&owner_, path, program_.path(), box_, "Capturo");
    EXPECT_EQ(chooser.windowTitle(), "フォルダの指定");
    EXPECT_EQ(chooser.OpenFolder(), data_.path());
    path = "changed by someone";
    QTest::mouseClick(chooser.cmdOK, Qt::LeftButton);
    EXPECT_EQ(path, data_.path());
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
}

TEST_F(FolderChooser, AFolderThatIsGoneOpensTheProgramFolderAndCancelKeepsThePath) {
    std::string path = data_ / "gone";
    frmDirectory chooser(&owner_, path, program_.path(), box_, "Capturo");
    EXPECT_EQ(chooser.OpenFolder(), program_.path());
    EXPECT_EQ(chooser.lblDirectory->text().toStdString(), PathShorten(program_.path(), 40));
    QTest::keyClick(&chooser, Qt::Key_Escape);
    EXPECT_EQ(path, data_ / "gone");
}

TEST_F(FolderChooser, TheLabelShowsALongFolderShortened) {
    std::string deep = data_.path();
    for (const char* part : {"history", "monitor", "line-one", "today"})
        deep += std::string("/") + part;
    std::filesystem::create_directories(deep);
    std::string path = deep;
    frmDirectory chooser(&owner_, path, program_.path(), box_, "Capturo");
    EXPECT_EQ(chooser.lblDirectory->text().toStdString(), PathShorten(deep, 40));
    EXPECT_LE(chooser.lblDirectory->text().size(), 40);
    EXPECT_EQ(chooser.Drive1->currentData().toString().toStdString(),
              QStorageInfo(QString::fromStdString(deep)).rootPath().toStdString());
}

TEST_F(FolderChooser, ANewFolderIsMadeInsideTheBase) {
    frmCreateDir creator(&owner_, data_.path() + "/", box_);
    EXPECT_EQ(creator.windowTitle(), "フォルダの作成");
    creator.show();
    creator.txtNewDirectory->setText("new one");
    QTest::mouseClick(creator.cmdOK, Qt::LeftButton);
    EXPECT_TRUE(std::filesystem::is_directory(data_ / "new one")) << "no doubled separator";
    EXPECT_EQ(creator.result(), QDialog::Accepted);
    EXPECT_EQ(box_.Window(), nullptr);
}

TEST_F(FolderChooser, AFolderThatCannotBeMadeIsReportedAndTheWindowStays) {
    frmCreateDir creator(&owner_, data_.path(), box_);
    creator.show();
    creator.txtNewDirectory->setText("");  // the base itself, which exists
    QTest::mouseClick(creator.cmdOK, Qt::LeftButton);
    frmMsgBox* box = box_.Window();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->lblMessege->text(), "フォルダが作成出来ません！");
    EXPECT_TRUE(creator.isVisible());
    EXPECT_FALSE(creator.isEnabled());
    box->cmdOk->click();
    EXPECT_TRUE(creator.isEnabled());
    creator.txtNewDirectory->setText("a/b");
    QTest::mouseClick(creator.cmdOK, Qt::LeftButton);
    EXPECT_TRUE(creator.isVisible()) << "a missing parent fails as well";
    box_.Window()->close();
}

TEST_F(FolderChooser, EnterInTheNameMovesToOkWithoutPressingIt) {
    frmCreateDir creator(&owner_, data_.path(), box_);
    creator.show();
    creator.activateWindow();
    creator.txtNewDirectory->setFocus();
    creator.txtNewDirectory->setText("later");
    QTest::keyClick(creator.txtNewDirectory, Qt::Key_Return);
    EXPECT_FALSE(std::filesystem::exists(data_ / "later"));
    EXPECT_TRUE(creator.isVisible());
    EXPECT_EQ(creator.focusWidget(), creator.cmdOK);
}

}  // namespace
}  // namespace mon
