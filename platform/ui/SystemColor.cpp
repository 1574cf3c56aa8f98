#include "SystemColor.h"

#include <QApplication>
#include <QWidget>

#include "BgrColor.h"

namespace platform {

bool IsSystemColor(uint32_t value) { return (value >> 24) == 0x80; }

QPalette::ColorRole SystemColorRole(uint32_t value) {
    switch (value & 0x00FFFFFFu) {
        case 0x01: return QPalette::Dark;             // desktop
        case 0x04: return QPalette::Window;           // menu
        case 0x05: return QPalette::Base;             // window background
        case 0x07: return QPalette::WindowText;       // menu text
        case 0x08: return QPalette::Text;             // window text
        case 0x0C: return QPalette::Dark;             // application workspace
        case 0x0D: return QPalette::Highlight;
        case 0x0E: return QPalette::HighlightedText;
        case 0x0F: return QPalette::Button;           // button face
        case 0x10: return QPalette::Mid;              // button shadow
        case 0x12: return QPalette::ButtonText;
        case 0x14: return QPalette::Light;            // 3-D highlight
        case 0x15: return QPalette::Shadow;           // 3-D dark shadow
        case 0x16: return QPalette::Midlight;         // 3-D light
        case 0x17: return QPalette::ToolTipText;
        case 0x18: return QPalette::ToolTipBase;
        default: return QPalette::Text;
    }
}

QColor StoredColor(uint32_t value, const QPalette& palette) {
    if (!IsSystemColor(value)) return ColorFromBgr(value);
    if ((value & 0x00FFFFFFu) == 0x11) {  // grey text
        return palette.color(QPalette::Disabled, QPalette::Text);
    }
    return palette.color(QPalette::Active, SystemColorRole(value));
}

QColor StoredColor(uint32_t value, const QWidget* reference) {
    return StoredColor(value, reference != nullptr ? reference->palette() : QApplication::palette());
}

}  // namespace platform
