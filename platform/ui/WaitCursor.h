// Shows the hourglass for as long as the guard lives, and puts the previous
// cursor back however the scope is left.
#ifndef PLATFORM_UI_WAIT_CURSOR_H
#define PLATFORM_UI_WAIT_CURSOR_H

#include <QCursor>
#include <QGuiApplication>

namespace platform {

class WaitCursor {
public:
    WaitCursor() : active_(qGuiApp != nullptr) {
        if (active_) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~WaitCursor() {
        if (active_ && qGuiApp != nullptr) QGuiApplication::restoreOverrideCursor();
    }

    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool active_;
};

}  // namespace platform

#endif
