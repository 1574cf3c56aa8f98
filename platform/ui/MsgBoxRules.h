// What a message box does with its values: which buttons it offers, what
// each answer is, where everything goes. No widgets here; sizes are twips.
#ifndef PLATFORM_UI_MSG_BOX_RULES_H
#define PLATFORM_UI_MSG_BOX_RULES_H

#include <cstdint>
#include <optional>
#include <string>

#include "Placement.h"

namespace platform {

// MsgType
inline constexpr int16_t kMsgTypeOk = 1;
inline constexpr int16_t kMsgTypeCancel = 2;
inline constexpr int16_t kMsgTypeYesNo = 3;

// Icon
inline constexpr int16_t kMsgIconNone = 0;
inline constexpr int16_t kMsgIconCritical = 16;
inline constexpr int16_t kMsgIconQuestion = 32;
inline constexpr int16_t kMsgIconExclamation = 48;
inline constexpr int16_t kMsgIconInformation = 64;

// Rezult
inline constexpr int16_t kRezultOk = 1;
inline constexpr int16_t kRezultCancel = 2;
inline constexpr int16_t kRezultYes = 6;
inline constexpr int16_t kRezultNo = 7;

// aTitle, or the program's own name for its boxes when it is empty.
std::string MsgBoxTitle(const std::string& aTitle, const std::string& defaultTitle);

// aIcon when it is one of the four icons, else none.
int16_t MsgBoxIcon(int16_t aIcon);

// The answers a caller can be given: 1 to 7.
bool IsRezult(int16_t value);

// "Critical", "Question", "Exclamation" or "Information"; empty for none.
std::string MsgBoxIconKey(int16_t icon);

enum class MsgButton { None, Ok, Cancel };

// The buttons a message type offers, and the answer that stands when the
// window is closed without one.
struct MsgBoxButtons {
    bool okVisible = true;
    bool cancelVisible = true;
    std::string okCaption = "OK";
    std::string cancelCaption = "ｷｬﾝｾﾙ";
    std::optional<int16_t> rezultAtLoad;  // none: Rezult stays as it was
    MsgButton escape = MsgButton::None;   // the button Esc presses
};

MsgBoxButtons MsgBoxButtonsFor(int16_t msgType);

// The answer a pressed button gives: Yes/No for type 3, OK/Cancel otherwise.
int16_t MsgBoxAnswer(int16_t msgType, MsgButton pressed);

struct MsgBoxLayout {
    int width = 0;  // client area of the window
    int height = 0;
    TwipsRect picture;
    TwipsRect label;
    TwipsRect ok;
    TwipsRect cancel;
};

// Messages wider than this wrap.
inline constexpr int kMsgWrapWidth = 7200;

// The window around a message whose text takes textWidth x textHeight.
// The label never gets narrower than its design width, so that both
// buttons always fit beside each other.
MsgBoxLayout LayOutMsgBox(int16_t msgType, int textWidth, int textHeight);

}  // namespace platform

#endif
