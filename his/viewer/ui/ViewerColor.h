// The viewer's stored colours on screen. A stored value is 0x00BBGGRR or,
// with bit 31 set, one of the system's colours, which here come from the
// window's palette so that a dark desktop theme keeps readable text.
#pragma once

#include <QColor>
#include <QPalette>

#include "Colors.h"

namespace viewer::ui {

QColor ScreenColor(Colour value, const QPalette& palette);
// What a colour chooser's answer is stored as.
Colour StoredColor(const QColor& color);

}  // namespace viewer::ui
