#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include "Twips.h"

namespace platform {

namespace {

TwipsRect FromQRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

// The rule knows a single screen starting at 0,0; on a desktop of several
// screens work relative to the owner's screen and shift back.
void CentreWithinScreen(QWidget* window, TwipsRect owner, const QRect& screen, int width, int height) {
    owner.left -= screen.x();
    owner.top -= screen.y();
    TwipsRect placed = CentreOnOwner(owner, width, height, screen.width(), screen.height());
    placed.left += screen.x();
    placed.top += screen.y();
    ApplyTwips(window, placed);
}

}  // namespace

TwipsRect WindowTwips(const QWidget* widget) {
    if (widget == nullptr) return {};
    const QWidget* window = widget->window();
    return FromQRect(PixelsToTwips(window->geometry(), window));
}

void ApplyTwips(QWidget* window, const TwipsRect& rect) {
    if (window == nullptr) return;
    window->setGeometry(TwipsToPixels(QRect(rect.left, rect.top, rect.width, rect.height), window));
}

void CentreWindowOnOwner(QWidget* window, const QWidget* owner, int width, int height) {
    if (window == nullptr) return;
    const QRect screen = ScreenTwips(owner != nullptr ? owner : window);
    CentreWithinScreen(window, owner != nullptr ? WindowTwips(owner) : FromQRect(screen), screen, width, height);
}

void CentreWindowOnRect(QWidget* window, const TwipsRect& owner, int width, int height) {
    if (window == nullptr) return;
    const QPoint middle = TwipsToPixels(QRect(owner.left, owner.top, owner.width, owner.height), window).center();
    const QScreen* on = QGuiApplication::screenAt(middle);
    const QRect screen = on != nullptr ? PixelsToTwips(on->geometry(), window) : ScreenTwips(nullptr);
    CentreWithinScreen(window, owner, screen, width, height);
}

void AwaitShown(QWidget* window, int maxMs) {
    if (window == nullptr || !window->isVisible()) return;
    const QWindow* handle = window->windowHandle();
    if (handle == nullptr) return;
    QElapsedTimer waited;
    waited.start();
    QCoreApplication::processEvents();
    while (!handle->isExposed() && waited.elapsed() < maxMs) {
        QThread::msleep(2);
        QCoreApplication::processEvents();
    }
    // The window's final place arrives with or right after its first showing.
    QCoreApplication::processEvents();
}

}  // namespace platform
