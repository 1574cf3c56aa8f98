#include "clsBar.h"

#include <QApplication>

#include <algorithm>
#include <utility>

#include "frmBar.h"

namespace store {

clsBar::clsBar(QWidget* mainWindow, BarRules rules) : mainWindow_(mainWindow), rules_(std::move(rules)) {}

clsBar::~clsBar() {
    Clear();
    // Visible may have been written false while the window was still up;
    // it must not outlive the object it reports to.
    if (form_) form_->Unload();
}

void clsBar::Show(int32_t aMax, const std::string& aTitle) {
    if (rules_.emptyTotalShowsNothing && aMax < 1) return;
    maximum_ = aMax;
    try {
        frmBar* form = LoadedForm();
        if (form == nullptr) return;
        if (!aTitle.empty()) form->setWindowTitle(QString::fromStdString(aTitle));
        form->SetRange(aMax);
        // A window already up only needs to come to the front.
        if (form->isVisible()) {
            form->raise();
        } else {
            form->show();
        }
    } catch (...) {
        // Out of memory at worst: the work goes on without a window.
    }
}

void clsBar::Clear() {
    if (visible_ && form_) form_->Unload();
}

void clsBar::PosValue(int32_t value) {
    if (value < 0) return;
    posValue_ = std::min(value, maximum_);
    if (form_) form_->ShowValue(posValue_);
}

void clsBar::Yield() { yielder_.Yield(); }

void clsBar::FormUnloaded(const frmBar* form) {
    if (form != form_) return;
    visible_ = false;
    form_ = nullptr;
}

frmBar* clsBar::LoadedForm() {
    if (form_) return form_.data();
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return nullptr;
    form_ = new frmBar(*this, mainWindow_.data(), rules_);
    return form_.data();
}

}  // namespace store
