#include "ViewerColor.h"

#include <cstdint>

#include "platform/ui/BgrColor.h"

namespace viewer::ui {

namespace {

constexpr uint32_t kSystemBit = 0x80000000u;

// The system colour indexes the viewer's defaults and users can meet.
QColor SystemColor(uint32_t index, const QPalette& palette) {
    switch (index) {
        case 5: return palette.color(QPalette::Base);          // window background
        case 15: return palette.color(QPalette::Button);       // button face
        case 18: return palette.color(QPalette::ButtonText);   // button text
        default: return palette.color(QPalette::WindowText);   // 8, window text
    }
}

}  // namespace

QColor ScreenColor(Colour value, const QPalette& palette) {
    const auto bits = static_cast<uint32_t>(value);
    if ((bits & kSystemBit) != 0) return SystemColor(bits & 0xFFu, palette);
    return platform::ColorFromBgr(bits);
}

Colour StoredColor(const QColor& color) {
    return static_cast<Colour>(platform::BgrFromColor(color));
}

}  // namespace viewer::ui
