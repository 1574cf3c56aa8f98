#include "DialogPlace.h"

namespace viewer {
namespace {

// Space kept free above the screen's bottom edge (a task bar) and beside
// its right edge.
constexpr float kBottomGap = 500;
constexpr float kRightGap = 100;

DialogPosition Centred(const platform::TwipsRect& o, float w, float h, ScreenSize s) {
    DialogPosition at;
    const float top = static_cast<float>(o.top) + (static_cast<float>(o.height) - h) / 2;
    at.Top = top + h <= s.Height ? top : s.Height - h - kBottomGap;
    const float left = static_cast<float>(o.left) + (static_cast<float>(o.width) - w) / 2;
    at.Left = left + w <= s.Width ? left : s.Width - w - kRightGap;
    return at;
}

DialogPosition AtPointer(float w, float h, ScreenSize s, float x, float y) {
    DialogPosition at;
    at.Top = y + h <= s.Height - kBottomGap ? y : s.Height - h - kBottomGap;
    at.Left = x + 400 + w <= s.Width ? x + 400 : x - 400 - w;
    return at;
}

DialogPosition StringPicker(const platform::TwipsRect& o, float w, float h, ScreenSize s) {
    DialogPosition at;
    const auto top = static_cast<float>(o.top);
    const auto left = static_cast<float>(o.left);
    at.Top = top + 1800 + h <= s.Height ? top + 1800 : top - 500;
    at.Left = left + 900 + w <= s.Width ? left + 900 : s.Width - w - kRightGap;
    return at;
}

DialogPosition Offset(const platform::TwipsRect& o, float w, float h, ScreenSize s) {
    DialogPosition at;
    const auto top = static_cast<float>(o.top);
    const auto left = static_cast<float>(o.left);
    at.Top = top + 300 + h <= s.Height - kBottomGap ? top + 300 : s.Height - h - kBottomGap;
    at.Left = left + 300 + w <= s.Width ? left + 300 : s.Width - w - kRightGap;
    return at;
}

}  // namespace

DialogPosition DialogPlace(std::string_view dialogName, const platform::TwipsRect& owner,
                           float dialogWidth, float dialogHeight, ScreenSize screen,
                           float anchorX, float anchorY) {
    if (dialogName == "frmPrinting" || dialogName == "frmGoto") {
        return Centred(owner, dialogWidth, dialogHeight, screen);
    }
    if (dialogName == "frmCode") return AtPointer(dialogWidth, dialogHeight, screen, anchorX, anchorY);
    if (dialogName == "frmString") return StringPicker(owner, dialogWidth, dialogHeight, screen);
    return Offset(owner, dialogWidth, dialogHeight, screen);
}

}  // namespace viewer
