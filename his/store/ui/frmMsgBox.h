// The message box window. It reads its texts and type from clsMsgBox when
// it loads and writes the answer back; the rules live in MsgBoxRules.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSize>

#include "MsgBoxRules.h"

class QKeyEvent;

namespace store {

class clsMsgBox;

class frmMsgBox : public QDialog {
    Q_OBJECT

public:
    frmMsgBox(clsMsgBox& box, QWidget* owner);

    // The form's controls, open to callers like a designed form's.
    QLabel* const lblMessege = new QLabel(this);
    QPushButton* const cmdOk = new QPushButton(this);
    QPushButton* const cmdCancel = new QPushButton(this);
    QLabel* const Picture1 = new QLabel(this);

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
    void PressEscape();

    clsMsgBox& box_;
    MsgButton escape_ = MsgButton::None;
};

}  // namespace store
