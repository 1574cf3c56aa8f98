#include "WindowPlacement.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include "Twips.h"

namespace platform {

namespace {

TwipsRect FromQRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

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
    // The rule knows a single screen starting at 0,0; on a desktop of
    // several screens work relative to the owner's screen and shift back.
    const QRect screen = ScreenTwips(owner != nullptr ? owner : window);
    TwipsRect ownerRect = owner != nullptr ? WindowTwips(owner) : FromQRect(screen);
    ownerRect.left -= screen.x();
    ownerRect.top -= screen.y();
    TwipsRect placed = CentreOnOwner(ownerRect, width, height, screen.width(), screen.height());
    placed.left += screen.x();
    placed.top += screen.y();
    ApplyTwips(window, placed);
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
