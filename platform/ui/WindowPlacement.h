// Placement rules applied to real windows: reads a window's rectangle in
// twips and puts one where a TwipsRect says.
//
// All rectangles here are client areas on the desktop. The frame the window
// system draws around a window is not known before it is first shown (and
// on some systems not even then), so placing by the frame would centre a
// window differently on its first and second showing.
#ifndef PLATFORM_UI_WINDOW_PLACEMENT_H
#define PLATFORM_UI_WINDOW_PLACEMENT_H

#include "Placement.h"

class QWidget;

namespace platform {

// The client rectangle of widget's window, in twips on the desktop.
TwipsRect WindowTwips(const QWidget* widget);

// Gives window's client area rect, converted to pixels.
void ApplyTwips(QWidget* window, const TwipsRect& rect);

// Sizes window to width x height twips and centres it on owner's window
// with CentreOnOwner, against the screen owner is on. Without an owner it
// centres on the screen.
void CentreWindowOnOwner(QWidget* window, const QWidget* owner, int width, int height);

// The same against an owner rectangle in twips on the desktop, on the
// screen that holds the rectangle's middle (the primary one when none
// does).
void CentreWindowOnRect(QWidget* window, const TwipsRect& owner, int width, int height);
// A newly shown window is put in place by the window system when it first
// appears; until then its position reads as the desktop's corner. Serves
// the window system until window has appeared, maxMs at most, so that what
// is placed against it next lands where it really is.
void AwaitShown(QWidget* window, int maxMs = 2000);

}  // namespace platform

#endif
