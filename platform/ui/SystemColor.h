// Colours as the forms and files store them: a value whose top byte is
// 0x80 names a system colour by its index (&H80000005 the window
// background, &H80000008 the window text, ...), any other value is a
// plain 0x00BBGGRR colour.
#ifndef PLATFORM_UI_SYSTEM_COLOR_H
#define PLATFORM_UI_SYSTEM_COLOR_H

#include <QColor>
#include <QPalette>

#include <cstdint>

class QWidget;

namespace platform {

inline constexpr uint32_t kSysWindow = 0x80000005;
inline constexpr uint32_t kSysWindowText = 0x80000008;
inline constexpr uint32_t kSysHighlight = 0x8000000D;
inline constexpr uint32_t kSysHighlightText = 0x8000000E;
inline constexpr uint32_t kSysButtonFace = 0x8000000F;
inline constexpr uint32_t kSysButtonShadow = 0x80000010;

bool IsSystemColor(uint32_t value);

// The palette role that stands for a system colour index; the window
// text role for an index the map does not know.
QPalette::ColorRole SystemColorRole(uint32_t value);

// The colour a stored value shows as, system colours taken from palette.
QColor StoredColor(uint32_t value, const QPalette& palette);
// The same from reference's palette (the application's without one).
QColor StoredColor(uint32_t value, const QWidget* reference = nullptr);

}  // namespace platform

#endif
