// Waits until window is the application's active window.
//
// QTest::qWaitForWindowActive counts a dialog as active as soon as the window
// it is a transient of is, so over an active main window it returns before
// the dialog's own activation has been delivered; the keyboard focus is not
// in the dialog yet then.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace mon::test {

[[nodiscard]] inline bool WaitActive(QWidget& window, int timeoutMs = 5000) {
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == window.window(); }, timeoutMs);
}

}  // namespace mon::test
