#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace platform {

namespace {

constexpr double kFallbackDpi = 96.0;

const QScreen* ScreenOf(const QWidget* widget) {
    if (widget != nullptr) {
        if (const QScreen* screen = widget->screen()) return screen;
    }
    if (qGuiApp == nullptr) return nullptr;
    return QGuiApplication::primaryScreen();
}

int Scale(int value, double from, double to) {
    return static_cast<int>(std::lround(static_cast<double>(value) * to / from));
}

}  // namespace

double LogicalDpi(const QWidget* reference) {
    const QScreen* screen = ScreenOf(reference);
    if (screen == nullptr) return kFallbackDpi;
    const double dpi = screen->logicalDotsPerInchX();
    return dpi > 0.0 ? dpi : kFallbackDpi;
}

int TwipsToPixels(int twips, const QWidget* reference) {
    return Scale(twips, kTwipsPerInch, LogicalDpi(reference));
}

int PixelsToTwips(int px, const QWidget* reference) {
    return Scale(px, LogicalDpi(reference), kTwipsPerInch);
}

QRect TwipsToPixels(const QRect& twips, const QWidget* reference) {
    return {TwipsToPixels(twips.x(), reference), TwipsToPixels(twips.y(), reference),
            TwipsToPixels(twips.width(), reference), TwipsToPixels(twips.height(), reference)};
}

QRect PixelsToTwips(const QRect& px, const QWidget* reference) {
    return {PixelsToTwips(px.x(), reference), PixelsToTwips(px.y(), reference),
            PixelsToTwips(px.width(), reference), PixelsToTwips(px.height(), reference)};
}

QRect ScreenTwips(const QWidget* widget) {
    const QScreen* screen = ScreenOf(widget);
    if (screen == nullptr) return {};
    return PixelsToTwips(screen->geometry(), widget);
}

}  // namespace platform
