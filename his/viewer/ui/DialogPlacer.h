// Puts a viewer dialog where the viewer's placement rule says, against the
// window that opens it, on the screen that window is on.
#pragma once

#include <string_view>

class QWidget;

namespace viewer::ui {

// dialogName picks the rule ("frmColor", "frmAbout", ...). The dialog's
// size must be final: the rule pulls it back inside the screen by it.
void DialogPlaceOn(QWidget* dialog, const QWidget* owner, std::string_view dialogName);

}  // namespace viewer::ui
