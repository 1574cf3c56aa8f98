#include "clsMsgBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

#include "frmMsgBox.h"

namespace mon {
namespace {

frmMsgBox* ModalBox() { return qobject_cast<frmMsgBox*>(QApplication::activeModalWidget()); }

struct Seen {
    std::string caption;
    bool ownerEnabled = true;
};

// Shows a modal box and lets answer close it once it is up.
int16_t AskAndAnswer(clsMsgBox& box, int16_t type, QWidget* owner, const std::string& title,
                     Seen& seen, const std::function<void(frmMsgBox&)>& answer) {
    QTimer::singleShot(0, [&] {
        frmMsgBox* form = ModalBox();
        if (form == nullptr) {
            ADD_FAILURE() << "no modal box";
            return;
        }
        seen.caption = form->windowTitle().toStdString();
        seen.ownerEnabled = owner->isEnabled();
        answer(*form);
    });
    return box.Show("よろしいですか？", type, owner, 48, title, kMsgModal);
}

void ClickOk(frmMsgBox& f) { QTest::mouseClick(f.cmdOk, Qt::LeftButton); }
void ClickCancel(frmMsgBox& f) { QTest::mouseClick(f.cmdCancel, Qt::LeftButton); }
void PressEsc(frmMsgBox& f) { QTest::keyClick(&f, Qt::Key_Escape); }
void CloseBox(frmMsgBox& f) { f.close(); }

class MonitorMsgBox : public ::testing::Test {
protected:
    void SetUp() override { owner_.show(); }
    QWidget owner_;
    clsMsgBox box_;
    Seen seen_;
};

TEST_F(MonitorMsgBox, OkTypeGivesOneForOkAndEscAndTwoForTheCloseBox) {
    EXPECT_EQ(AskAndAnswer(box_, 1, &owner_, "", seen_, ClickOk), 1);
    EXPECT_EQ(AskAndAnswer(box_, 1, &owner_, "", seen_, PressEsc), 1);
    EXPECT_EQ(AskAndAnswer(box_, 1, &owner_, "", seen_, CloseBox), 2);
    EXPECT_EQ(seen_.caption, "モニタ") << "the monitor's own title when none is given";
    EXPECT_FALSE(seen_.ownerEnabled) << "a modal box disables its owner too";
    EXPECT_TRUE(owner_.isEnabled());
}

TEST_F(MonitorMsgBox, YesNoTypeGivesSixOnlyForYes) {
    EXPECT_EQ(AskAndAnswer(box_, 3, &owner_, "KY_PC設定", seen_, ClickOk), 6);
    EXPECT_EQ(seen_.caption, "KY_PC設定");
    EXPECT_EQ(AskAndAnswer(box_, 3, &owner_, "", seen_, ClickCancel), 7);
    EXPECT_EQ(AskAndAnswer(box_, 3, &owner_, "", seen_, PressEsc), 7);
    box_.Rezult(6);
    EXPECT_EQ(AskAndAnswer(box_, 3, &owner_, "", seen_, CloseBox), 7);
}

TEST_F(MonitorMsgBox, ModelessReturnsAtOnceAndTheOwnerStaysDisabledUntilTheBoxCloses) {
    const int16_t atOnce =
        box_.Show("通信ポートをオープンすることが出来ません！", 1, &owner_, 16, "", 0);
    EXPECT_EQ(atOnce, 2) << "the answer the box starts with, not the user's";
    frmMsgBox* form = box_.Window();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(owner_.isEnabled());
    EXPECT_EQ(form->lblMessege->text(), "通信ポートをオープンすることが出来ません！");
    EXPECT_FALSE(form->Picture1->pixmap().isNull());
    QTest::mouseClick(form->cmdOk, Qt::LeftButton);
    EXPECT_TRUE(owner_.isEnabled());
    EXPECT_EQ(box_.Rezult(), 1);
    EXPECT_EQ(box_.Form(), &owner_) << "the last call's values stay";
}

TEST_F(MonitorMsgBox, UnknownIconsShowNoneAndOutOfRangeAnswersAreIgnored) {
    box_.Show("x", 1, &owner_, 5, "", 0);
    EXPECT_EQ(box_.Icon(), 0);
    EXPECT_TRUE(box_.Window()->Picture1->pixmap().isNull());
    box_.Window()->close();
    box_.Rezult(9);
    EXPECT_EQ(box_.Rezult(), 2);
}

}  // namespace
}  // namespace mon
