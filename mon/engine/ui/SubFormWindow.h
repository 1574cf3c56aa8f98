// Puts a sub-window where its opener's placement rule says, on the screen
// the opener is on. The rule itself is SubFormPlace's.
#pragma once

#include <string_view>

class QWidget;

namespace mon {

// Places form, at its present size, against owner by the rule of its form
// name. mainWindow is the window the step window centres on; without one
// the owner stands in for it. Without an owner the screen does.
void SubFormPlaceWindow(QWidget* form, const QWidget* owner, std::string_view formName,
                        const QWidget* mainWindow = nullptr);

// The pickers' placement: beside a point of the desktop (the pointer over
// the trigger grids), given in twips.
void SubFormPlaceAtAnchor(QWidget* form, const QWidget* owner, std::string_view formName,
                          float anchorX, float anchorY);

}  // namespace mon
