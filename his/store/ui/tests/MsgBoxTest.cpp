#include "clsMsgBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <string>

#include "MsgBoxRules.h"
#include "frmMsgBox.h"
#include "platform/ui/Twips.h"

namespace store {
namespace {

// What the window looked like while it was open.
struct Seen {
    std::string caption;
    bool okVisible = false;
    bool cancelVisible = false;
    std::string okText;
    std::string cancelText;
    bool hasPicture = false;
    QRect ok;  // twips
    QRect cancel;
    int width = 0;
    QRect geometry;
    QWidget* form = nullptr;
};

// True when inner's middle is within a pixel of outer's: twips and whole
// pixels cannot meet more exactly than that.
bool CentredOn(const QRect& inner, const QRect& outer) {
    const double dx = (inner.x() + inner.width() / 2.0) - (outer.x() + outer.width() / 2.0);
    const double dy = (inner.y() + inner.height() / 2.0) - (outer.y() + outer.height() / 2.0);
    return std::abs(dx) <= 1.0 && std::abs(dy) <= 1.0;
}

frmMsgBox* OpenMsgBox() {
    if (auto* modal = qobject_cast<frmMsgBox*>(QApplication::activeModalWidget())) return modal;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<frmMsgBox*>(w); form != nullptr && form->isVisible()) return form;
    }
    return nullptr;
}

Seen Look(const frmMsgBox& form, const clsMsgBox& box) {
    Seen s;
    s.caption = form.windowTitle().toStdString();
    s.okVisible = form.cmdOk->isVisible();
    s.cancelVisible = form.cmdCancel->isVisible();
    s.okText = form.cmdOk->text().toStdString();
    s.cancelText = form.cmdCancel->text().toStdString();
    s.hasPicture = !form.Picture1->pixmap().isNull();
    s.ok = platform::PixelsToTwips(form.cmdOk->geometry());
    s.cancel = platform::PixelsToTwips(form.cmdCancel->geometry());
    s.width = platform::PixelsToTwips(form.width());
    s.geometry = form.geometry();
    s.form = box.Form();
    return s;
}

// Shows a message and, once its window is up, records how it looks and
// lets answer close it.
int16_t ShowAndAnswer(clsMsgBox& box, const std::string& msg, int16_t type, QWidget* owner,
                      int16_t icon, const std::string& title, Seen& seen,
                      const std::function<void(frmMsgBox&)>& answer) {
    QTimer::singleShot(0, [&] {
        frmMsgBox* form = OpenMsgBox();
        if (form == nullptr) {
            ADD_FAILURE() << "the message window did not open";
            return;
        }
        seen = Look(*form, box);
        answer(*form);
    });
    return box.Show(msg, type, owner, icon, title);
}

void PressEsc(frmMsgBox& form) {
    QWidget* target = form.focusWidget() != nullptr ? form.focusWidget() : &form;
    QTest::keyClick(target, Qt::Key_Escape);
}
void CloseBox(frmMsgBox& form) { form.close(); }
void ClickOk(frmMsgBox& form) { QTest::mouseClick(form.cmdOk, Qt::LeftButton); }
void ClickCancel(frmMsgBox& form) { QTest::mouseClick(form.cmdCancel, Qt::LeftButton); }

TEST(clsMsgBox, StartsEmptyAndAcceptsOnlyKnownAnswers) {
    clsMsgBox box;
    EXPECT_EQ(box.Messege(), "");
    EXPECT_EQ(box.MsgType(), 1);
    EXPECT_EQ(box.Form(), nullptr);
    EXPECT_EQ(box.Title(), "");
    EXPECT_EQ(box.Icon(), 0);
    EXPECT_EQ(box.Rezult(), 1);
    box.Rezult(8);
    EXPECT_EQ(box.Rezult(), 1);
    box.Rezult(0);
    EXPECT_EQ(box.Rezult(), 1);
    box.Rezult(7);
    EXPECT_EQ(box.Rezult(), 7);
}

TEST(MsgBoxRules, TwoButtonsAreCentredAsAPairOneButtonAlone) {
    const MsgBoxLayout yesNo = LayOutMsgBox(kMsgTypeYesNo, 6000, 300);
    EXPECT_EQ(yesNo.width, 6000 + 900 + 300);
    EXPECT_EQ(yesNo.ok.left, (yesNo.width - yesNo.ok.width - yesNo.cancel.width) / 2);
    EXPECT_EQ(yesNo.cancel.left, yesNo.ok.left + yesNo.cancel.width + 100);

    const MsgBoxLayout ok = LayOutMsgBox(kMsgTypeOk, 6001, 300);
    EXPECT_EQ(ok.ok.left, (6001 + 1200 - ok.ok.width) / 2);

    // A one-word message still leaves room for both buttons.
    const MsgBoxLayout tiny = LayOutMsgBox(kMsgTypeYesNo, 200, 300);
    EXPECT_GE(tiny.ok.left, 0);
    EXPECT_LE(tiny.cancel.left + tiny.cancel.width, tiny.width);
    EXPECT_GT(tiny.ok.top, tiny.label.top + tiny.label.height);
    EXPECT_GT(tiny.height, tiny.ok.top + tiny.ok.height);
}

TEST(frmMsgBox, OkTypeAnswersTwoWhenClosedAndOneOnEsc) {
    QWidget owner;
    owner.setGeometry(100, 80, 600, 400);
    clsMsgBox box;
    Seen seen;
    EXPECT_EQ(ShowAndAnswer(box, "ファイルがありません", kMsgTypeOk, &owner, 5, "", seen, CloseBox),
              kRezultCancel);
    EXPECT_EQ(seen.caption, "ヒストリ");
    EXPECT_EQ(box.Title(), "ヒストリ");
    EXPECT_EQ(box.Icon(), 0);
    EXPECT_FALSE(seen.hasPicture);
    EXPECT_TRUE(seen.okVisible);
    EXPECT_FALSE(seen.cancelVisible);
    EXPECT_EQ(seen.okText, "OK");
    EXPECT_NEAR(seen.ok.x(), (seen.width - seen.ok.width()) / 2, 15);
    EXPECT_EQ(seen.form, &owner);
    EXPECT_EQ(box.Form(), nullptr);
    EXPECT_TRUE(CentredOn(seen.geometry, owner.geometry()));

    EXPECT_EQ(ShowAndAnswer(box, "ok", kMsgTypeOk, &owner, 0, "", seen, PressEsc), kRezultOk);
    EXPECT_EQ(ShowAndAnswer(box, "ok", kMsgTypeOk, &owner, 0, "", seen, ClickOk), kRezultOk);
}

TEST(frmMsgBox, YesNoTypeAnswersSixOnlyForYes) {
    QWidget owner;
    owner.setGeometry(50, 50, 300, 200);
    clsMsgBox box;
    Seen seen;
    const std::string question = "変更を保存しますか？";
    EXPECT_EQ(ShowAndAnswer(box, question, kMsgTypeYesNo, &owner, 32, "", seen, ClickOk), kRezultYes);
    EXPECT_EQ(seen.okText, "はい");
    EXPECT_EQ(seen.cancelText, "いいえ");
    EXPECT_TRUE(seen.okVisible && seen.cancelVisible);
    EXPECT_TRUE(seen.hasPicture);
    EXPECT_EQ(box.Icon(), 32);
    EXPECT_NEAR(seen.ok.x(), (seen.width - seen.ok.width() - seen.cancel.width()) / 2, 15);
    EXPECT_NEAR(seen.cancel.x(), seen.ok.x() + seen.cancel.width() + 100, 15);

    EXPECT_EQ(ShowAndAnswer(box, question, kMsgTypeYesNo, &owner, 0, "", seen, PressEsc), kRezultNo);
    box.Rezult(6);
    EXPECT_EQ(ShowAndAnswer(box, question, kMsgTypeYesNo, &owner, 0, "", seen, CloseBox), kRezultNo);
    EXPECT_EQ(ShowAndAnswer(box, question, kMsgTypeYesNo, &owner, 0, "", seen, ClickCancel),
              kRezultNo);
}

TEST(frmMsgBox, LongMessagesWrapAndTheWindowGrowsWithTheText) {
    clsMsgBox box;
    Seen shortSeen;
    Seen longSeen;
    ShowAndAnswer(box, "短い", kMsgTypeOk, nullptr, 0, "", shortSeen, ClickOk);
    std::string longText;
    for (int i = 0; i < 40; ++i) longText += "ヒストリファイルを読み込めません。";
    ShowAndAnswer(box, longText + "\r\n終了", kMsgTypeOk, nullptr, 64, "", longSeen, ClickOk);
    EXPECT_GT(longSeen.width, shortSeen.width);
    EXPECT_LE(longSeen.width, kMsgWrapWidth + 1200 + 30);
    EXPECT_GT(longSeen.ok.y(), shortSeen.ok.y() + 1000);  // several lines
    // Without an owner the window sits in the middle of the screen.
    const QRect screen = QApplication::primaryScreen()->geometry();
    EXPECT_TRUE(CentredOn(longSeen.geometry, screen));
}

}  // namespace
}  // namespace store
