// The shared box window in the mode only one program uses: modeless, with
// its owner disabled while it is up.
#include "MsgBoxCore.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "MsgBoxWindow.h"

namespace platform {
namespace {

class ModelessBox : public ::testing::Test {
protected:
    void SetUp() override { owner_.show(); }

    QWidget owner_;
    MsgBoxCore box_{"Title", true};
};

TEST_F(ModelessBox, ReturnsAtOnceAndKeepsTheOwnerDisabledUntilClosed) {
    EXPECT_EQ(box_.Show("message", kMsgTypeYesNo, &owner_, 48, "", false), kRezultNo);
    MsgBoxWindow* window = box_.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(owner_.isEnabled());
    EXPECT_EQ(window->windowTitle(), "Title");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    QTest::mouseClick(window->cmdOk, Qt::LeftButton);
    EXPECT_TRUE(owner_.isEnabled());
    EXPECT_EQ(box_.Rezult(), kRezultYes);
    EXPECT_EQ(box_.Form(), &owner_) << "the values of the last call are kept";
}

TEST_F(ModelessBox, TheCloseBoxGivesTheOwnerBackToo) {
    box_.Show("message", kMsgTypeOk, &owner_, 16, "", false);
    box_.Window()->close();
    EXPECT_TRUE(owner_.isEnabled());
    EXPECT_EQ(box_.Rezult(), kRezultCancel);
}

TEST_F(ModelessBox, ASecondShowReplacesTheBoxAndTheLastOwnerIsReleased) {
    QWidget other;
    other.show();
    box_.Show("first", kMsgTypeOk, &owner_, 0, "", false);
    MsgBoxWindow* first = box_.Window();
    box_.Show("second", kMsgTypeOk, &other, 0, "", false);
    EXPECT_NE(box_.Window(), first);
    EXPECT_TRUE(owner_.isEnabled()) << "the replaced box gave its owner back";
    EXPECT_FALSE(other.isEnabled());
    QTest::keyClick(box_.Window()->cmdOk, Qt::Key_Escape);
    EXPECT_TRUE(other.isEnabled());
    EXPECT_EQ(box_.Rezult(), kRezultOk);
}

TEST(MsgBoxCore, ReleasingTheObjectClosesItsBoxAndFreesTheOwner) {
    QWidget owner;
    owner.show();
    {
        MsgBoxCore box("Title", true);
        box.Show("left open", kMsgTypeOk, &owner, 64, "", false);
        EXPECT_FALSE(owner.isEnabled());
    }
    EXPECT_TRUE(owner.isEnabled());
}

TEST(MsgBoxCore, TheBoxIsNoChildOfItsOwner) {
    QWidget owner;
    owner.show();
    MsgBoxCore box("Title", true);
    box.Show("over a disabled owner", kMsgTypeOk, &owner, 0, "", false);
    EXPECT_EQ(box.Window()->parentWidget(), nullptr);
    EXPECT_TRUE(box.Window()->isEnabled()) << "disabling the owner must not reach the box";
    box.Window()->close();
}

}  // namespace
}  // namespace platform
