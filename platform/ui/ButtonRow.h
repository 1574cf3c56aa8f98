// The row of buttons at the foot of a dialog, pushed to the right. None of
// them is pressed by Enter in another control: the dialogs say themselves
// what Enter does.
#ifndef PLATFORM_UI_BUTTON_ROW_H
#define PLATFORM_UI_BUTTON_ROW_H

#include <initializer_list>

class QHBoxLayout;
class QPushButton;

namespace platform {

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

}  // namespace platform

#endif
