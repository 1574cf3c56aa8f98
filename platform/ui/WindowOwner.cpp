#include "WindowOwner.h"

#include <QWidget>
#include <QWindow>

namespace platform {

void TieToOwner(QWidget* window, const QWidget* owner) {
    if (window == nullptr || owner == nullptr) return;
    QWindow* ownerHandle = owner->window()->windowHandle();
    if (ownerHandle == nullptr) return;
    // The native window must exist before it can name its transient parent.
    window->winId();
    if (QWindow* handle = window->windowHandle()) handle->setTransientParent(ownerHandle);
}

void ShowActive(QWidget* window) {
    if (window == nullptr) return;
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace platform
