// Windows that belong to another window without being its children.
//
// A window that is a Qt child of its owner is disabled together with it,
// and the programs disable their main window while a dialog is up. So the
// dialogs and message boxes are top-level windows of their own, tied to
// their owner only for the window system: they stay above it, and a box
// opened over a modal dialog is not blocked by that dialog.
#ifndef PLATFORM_UI_WINDOW_OWNER_H
#define PLATFORM_UI_WINDOW_OWNER_H

class QWidget;

namespace platform {

// Makes window a transient of owner's window. Nothing happens when either
// is missing or owner's window has not been created yet.
void TieToOwner(QWidget* window, const QWidget* owner);

// Shows a modeless window that keeps its owner disabled (or raises it when
// it is up already) and asks the window system to make it the active
// window, so that the keyboard goes to it. Left to itself the keyboard
// would stay with the disabled owner wherever nothing else hands a new
// window the focus (no window manager, or one that keeps the focus where
// it is).
void ShowActive(QWidget* window);

}  // namespace platform

#endif
