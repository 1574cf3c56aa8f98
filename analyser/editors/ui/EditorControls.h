// The pieces both editors' windows are built of: controls placed in twips
// inside their parent, captioned frames and buttons, menu items whose
// shortcuts work anywhere in the window.
#pragma once

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>

namespace analyser::editors::ui {

void PlaceTwips(QWidget* widget, int left, int top, int width, int height);
// A frame of the edit panel: 120 twips in, 2775 wide.
QGroupBox* PanelFrame(QWidget* parent, const char* name, const char* caption, int top, int height);
// A button that Enter in the window does not press.
QPushButton* PanelButton(QWidget* parent, const char* name, const char* caption, int left, int top, int width,
                         int height);
// An item of menu, its shortcut (if any) taken by window.
QAction* MenuItem(QWidget* window, QMenu* menu, const char* name, const char* caption, const char* key = nullptr);

}  // namespace analyser::editors::ui
