// The layout unit the forms are drawn in: 1440 twips per logical inch, so
// 15 twips per pixel on a 96 dpi screen. Window code keeps its sizes and
// positions in twips and converts only where it touches a widget.
#ifndef PLATFORM_UI_TWIPS_H
#define PLATFORM_UI_TWIPS_H

#include <QRect>

class QWidget;

namespace platform {

inline constexpr int kTwipsPerInch = 1440;

// Logical dots per inch of the screen reference is on, or of the primary
// screen without one; 96 when there is no screen at all.
double LogicalDpi(const QWidget* reference = nullptr);

// Both round to the nearest whole unit.
int TwipsToPixels(int twips, const QWidget* reference = nullptr);
int PixelsToTwips(int px, const QWidget* reference = nullptr);

QRect TwipsToPixels(const QRect& twips, const QWidget* reference = nullptr);
QRect PixelsToTwips(const QRect& px, const QWidget* reference = nullptr);

// The whole screen the widget is on (the primary one for nullptr), in
// twips. Its origin is that screen's place on the virtual desktop.
QRect ScreenTwips(const QWidget* widget);

}  // namespace platform

#endif
