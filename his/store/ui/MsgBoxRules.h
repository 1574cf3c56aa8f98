// The viewer's message-box rules: the shared ones, and the viewer's own
// title for boxes shown without one.
#pragma once

#include <string>

#include "platform/ui/MsgBoxRules.h"

namespace store {

using platform::IsRezult;
using platform::kMsgIconCritical;
using platform::kMsgIconExclamation;
using platform::kMsgIconInformation;
using platform::kMsgIconNone;
using platform::kMsgIconQuestion;
using platform::kMsgTypeCancel;
using platform::kMsgTypeOk;
using platform::kMsgTypeYesNo;
using platform::kMsgWrapWidth;
using platform::kRezultCancel;
using platform::kRezultNo;
using platform::kRezultOk;
using platform::kRezultYes;
using platform::LayOutMsgBox;
using platform::MsgBoxAnswer;
using platform::MsgBoxButtons;
using platform::MsgBoxButtonsFor;
using platform::MsgBoxIcon;
using platform::MsgBoxIconKey;
using platform::MsgBoxLayout;
using platform::MsgButton;

inline constexpr char kMsgDefaultTitle[] = "ヒストリ";

// aTitle, or the viewer's name when it is empty.
std::string MsgBoxTitle(const std::string& aTitle);

}  // namespace store
