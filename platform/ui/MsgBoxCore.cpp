#include "MsgBoxCore.h"

#include <QApplication>

#include <utility>

#include "MsgBoxRules.h"
#include "MsgBoxWindow.h"
#include "WindowOwner.h"

namespace platform {

MsgBoxCore::MsgBoxCore(std::string defaultTitle, bool disableOwner)
    : defaultTitle_(std::move(defaultTitle)), disableOwner_(disableOwner) {}

MsgBoxCore::~MsgBoxCore() {
    // The window writes its answer here; it must not outlive the object.
    delete window_.data();
}

int16_t MsgBoxCore::Show(const std::string& aMsg, int16_t aType, QWidget* aFrm, int16_t aIcon,
                         const std::string& aTitle, bool modal) {
    CloseOpenWindow();
    Store(aMsg, aType, aFrm, aIcon, aTitle, modal);
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return rezult_;
    if (modal) {
        RunModal();
    } else {
        ShowModeless();
    }
    return rezult_;
}

MsgBoxWindow* MsgBoxCore::Window() const { return window_.data(); }

void MsgBoxCore::Rezult(int16_t value) {
    if (IsRezult(value)) rezult_ = value;
}

void MsgBoxCore::Store(const std::string& aMsg, int16_t aType, QWidget* aFrm, int16_t aIcon,
                       const std::string& aTitle, bool modal) {
    messege_ = aMsg;
    msgType_ = aType;
    form_ = aFrm;
    title_ = MsgBoxTitle(aTitle, defaultTitle_);
    icon_ = MsgBoxIcon(aIcon);
    modal_ = modal;
}

void MsgBoxCore::CloseOpenWindow() {
    if (window_ == nullptr) return;
    window_->close();  // gives its owner back
    window_ = nullptr;
}

void MsgBoxCore::RunModal() {
    // Watched by a local pointer: a box shown while this one waits
    // replaces window_, and closes this one.
    QPointer<MsgBoxWindow> window = new MsgBoxWindow(*this);
    window_ = window;
    window->exec();
    delete window.data();
}

void MsgBoxCore::ShowModeless() {
    auto* window = new MsgBoxWindow(*this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window_ = window;
    ShowActive(window);
}

}  // namespace platform
