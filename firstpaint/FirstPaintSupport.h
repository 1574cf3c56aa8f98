// What every first-paint check needs: waiting for a window's first paint
// without touching its size, and the findings as one message.
#pragma once

#include <QWidget>

#include <string>
#include <vector>

namespace firstpaint {

// What every program's main() does about language before its windows: the
// Japanese locale and Qt's translation, once per test program. The locale
// part runs at start-up, before the application object exists, as in main().
void ProgramLanguageSet();

// Runs the event loop until widget has painted at least once (at most
// seconds); false when it never did.
bool WaitForFirstPaint(QWidget* widget, int seconds = 10);

// Stands in for the desktop's window manager while it lives: whenever no
// window of the program is active, the newest visible top-level window is
// activated, enabled or not (the window system knows nothing of a window
// that is disabled for a while), as a desktop activates a window that
// shows or gives the keys back when a window over it closes. Offscreen
// nobody else does this.
class Desktop {
public:
    Desktop();
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

private:
    void* timer_;
};

// Activates window and waits until it is the active window.
bool Activate(QWidget* window);

// The findings, one a line, for a test's failure message.
std::string Lines(const std::vector<std::string>& findings);

}  // namespace firstpaint
