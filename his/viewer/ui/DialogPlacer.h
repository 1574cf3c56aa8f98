// Puts a viewer dialog where the viewer's placement rule says, against the
// window that opens it, on the screen that window is on.
#pragma once

#include <string_view>

class QWidget;

namespace viewer::ui {

// dialogName picks the rule ("frmColor", "frmAbout", ...). The dialog's
// size must be final: the rule pulls it back inside the screen by it.
void DialogPlaceOn(QWidget* dialog, const QWidget* owner, std::string_view dialogName);
// The code picker's rule: beside the pointer position (screen twips) that
// the find window recorded over its pattern grid.
void DialogPlaceAtPointer(QWidget* dialog, const QWidget* owner, float anchorX, float anchorY);

}  // namespace viewer::ui
