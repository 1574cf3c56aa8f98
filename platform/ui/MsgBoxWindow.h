// The message box window. It reads its texts and type from the box object
// when it loads and writes the answer back; the rules live in MsgBoxRules.
// It is a window of its own, placed on and tied to the owner, never the
// owner's child, so that disabling the owner leaves the box usable.
#ifndef PLATFORM_UI_MSG_BOX_WINDOW_H
#define PLATFORM_UI_MSG_BOX_WINDOW_H

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSize>

#include "MsgBoxRules.h"

class QKeyEvent;

namespace platform {

class MsgBoxCore;

class MsgBoxWindow : public QDialog {
    Q_OBJECT

public:
    explicit MsgBoxWindow(MsgBoxCore& box);
    ~MsgBoxWindow() override;

    // The form's controls, open to callers like a designed form's.
    QLabel* const lblMessege = new QLabel(this);
    QPushButton* const cmdOk = new QPushButton(this);
    QPushButton* const cmdCancel = new QPushButton(this);
    QLabel* const Picture1 = new QLabel(this);

    // Every way the box closes ends here: buttons, Esc and the close box.
    void done(int r) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Design();
    void Form_Load();
    void cmdOk_Click();
    void cmdCancel_Click();

    QSize MessegeTwips() const;
    void ShowButtons(const MsgBoxButtons& buttons);
    void ShowIcon();
    void Arrange(const MsgBoxLayout& layout);
    void OwnerDisable();
    void OwnerRelease();
    void PressEscape();

    MsgBoxCore& box_;
    MsgButton escape_ = MsgButton::None;
    QPointer<QWidget> disabledOwner_;
};

}  // namespace platform

#endif
