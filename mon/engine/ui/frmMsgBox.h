// The monitor's message box window is the shared one; the name stays so
// that the monitor's code reads as its forms are called.
#pragma once

#include "platform/ui/MsgBoxWindow.h"

namespace mon {

using frmMsgBox = platform::MsgBoxWindow;

}  // namespace mon
