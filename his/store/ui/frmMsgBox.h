// The viewer's message box window is the shared one; the name stays so
// that the viewer's code reads as its forms are called.
#pragma once

#include "platform/ui/MsgBoxWindow.h"

namespace store {

using frmMsgBox = platform::MsgBoxWindow;

}  // namespace store
