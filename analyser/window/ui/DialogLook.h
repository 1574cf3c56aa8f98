// What the analyser's dialogs share of their look and placement.
#pragma once

#include <cstdint>

#include "platform/ui/Placement.h"

class QWidget;

namespace analyser::ui {

// Fills widget's background (and a text box's base) with a stored colour.
void BackgroundColour(QWidget* widget, uint32_t stored);

// Places window at r (twips on the desktop), pulled back so that it does
// not reach past the right or the bottom of the screen main is on.
void PlaceOnScreen(QWidget* window, platform::TwipsRect r, const QWidget* main);

}  // namespace analyser::ui
