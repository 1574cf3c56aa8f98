#include "MsgBoxRules.h"

#include <algorithm>

namespace platform {

namespace {

// Design of the window, in twips.
constexpr int kPictureLeft = 240;
constexpr int kPictureTop = 240;
constexpr int kPictureSize = 480;
constexpr int kLabelLeft = 900;
constexpr int kLabelTop = 300;
constexpr int kLabelRightMargin = 300;
constexpr int kLabelMinWidth = 2400;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;
constexpr int kButtonGap = 100;
constexpr int kButtonsBelowText = 300;
constexpr int kBottomMargin = 240;
constexpr int kOkDesignLeft = kLabelLeft;
constexpr int kCancelDesignLeft = kOkDesignLeft + kButtonWidth + kButtonGap;

bool OneButton(int16_t msgType) { return msgType == kMsgTypeOk || msgType == kMsgTypeCancel; }

void PlaceButtons(int16_t msgType, MsgBoxLayout& box) {
    box.ok.left = kOkDesignLeft;
    box.cancel.left = kCancelDesignLeft;
    if (OneButton(msgType)) {
        box.ok.left = (box.width - box.ok.width) / 2;
        box.cancel.left = (box.width - box.cancel.width) / 2;
    } else if (msgType == kMsgTypeYesNo) {
        box.ok.left = (box.width - box.ok.width - box.cancel.width) / 2;
        box.cancel.left = box.ok.left + box.cancel.width + kButtonGap;
    }
}

}  // namespace

std::string MsgBoxTitle(const std::string& aTitle, const std::string& defaultTitle) {
    return aTitle.empty() ? defaultTitle : aTitle;
}

int16_t MsgBoxIcon(int16_t aIcon) {
    switch (aIcon) {
        case kMsgIconCritical:
        case kMsgIconQuestion:
        case kMsgIconExclamation:
        case kMsgIconInformation:
            return aIcon;
        default:
            return kMsgIconNone;
    }
}

bool IsRezult(int16_t value) { return value >= 1 && value <= 7; }

std::string MsgBoxIconKey(int16_t icon) {
    switch (icon) {
        case kMsgIconCritical: return "Critical";
        case kMsgIconQuestion: return "Question";
        case kMsgIconExclamation: return "Exclamation";
        case kMsgIconInformation: return "Information";
        default: return {};
    }
}

MsgBoxButtons MsgBoxButtonsFor(int16_t msgType) {
    MsgBoxButtons b;
    switch (msgType) {
        case kMsgTypeOk:
            b.cancelVisible = false;
            b.rezultAtLoad = kRezultCancel;
            b.escape = MsgButton::Ok;
            break;
        case kMsgTypeCancel:
            b.okVisible = false;
            b.rezultAtLoad = kRezultCancel;
            b.escape = MsgButton::Cancel;
            break;
        case kMsgTypeYesNo:
            b.okCaption = "はい";
            b.cancelCaption = "いいえ";
            b.rezultAtLoad = kRezultNo;
            b.escape = MsgButton::Cancel;
            break;
        default:
            break;
    }
    return b;
}

int16_t MsgBoxAnswer(int16_t msgType, MsgButton pressed) {
    const bool yesNo = msgType == kMsgTypeYesNo;
    if (pressed == MsgButton::Ok) return yesNo ? kRezultYes : kRezultOk;
    return yesNo ? kRezultNo : kRezultCancel;
}

MsgBoxLayout LayOutMsgBox(int16_t msgType, int textWidth, int textHeight) {
    MsgBoxLayout box;
    box.picture = {kPictureLeft, kPictureTop, kPictureSize, kPictureSize};
    box.label = {kLabelLeft, kLabelTop, std::max(textWidth, kLabelMinWidth), std::max(textHeight, 0)};
    box.width = box.label.width + kLabelLeft + kLabelRightMargin;
    const int textBottom = std::max(kLabelTop + box.label.height, kPictureTop + kPictureSize);
    const int buttonTop = textBottom + kButtonsBelowText;
    box.ok = {0, buttonTop, kButtonWidth, kButtonHeight};
    box.cancel = box.ok;
    box.height = buttonTop + kButtonHeight + kBottomMargin;
    PlaceButtons(msgType, box);
    return box;
}

}  // namespace platform
