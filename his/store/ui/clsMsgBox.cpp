#include "clsMsgBox.h"

#include <QApplication>

#include "MsgBoxRules.h"
#include "frmMsgBox.h"

namespace store {

int16_t clsMsgBox::Show(const std::string& aMsg, int16_t aType, QWidget* aFrm, int16_t aIcon,
                        const std::string& aTitle) {
    try {
        Store(aMsg, aType, aFrm, aIcon, aTitle);
        RunWindow();
    } catch (...) {
        // Out of memory at worst. The caller gets the answer that stood
        // before, as if the window had been closed without one.
    }
    form_ = nullptr;
    return rezult_;
}

void clsMsgBox::Rezult(int16_t value) {
    if (IsRezult(value)) rezult_ = value;
}

void clsMsgBox::Store(const std::string& aMsg, int16_t aType, QWidget* aFrm, int16_t aIcon,
                      const std::string& aTitle) {
    messege_ = aMsg;
    msgType_ = aType;
    form_ = aFrm;
    title_ = MsgBoxTitle(aTitle);
    icon_ = MsgBoxIcon(aIcon);
}

void clsMsgBox::RunWindow() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return;
    // On the heap and watched: closing the owner deletes its children,
    // this window among them, before exec() returns.
    QPointer<frmMsgBox> window = new frmMsgBox(*this, form_.data());
    window->exec();
    delete window.data();
}

}  // namespace store
