// Colours as the settings files keep them: 0x00BBGGRR, red in the low byte.
#ifndef PLATFORM_UI_BGR_COLOR_H
#define PLATFORM_UI_BGR_COLOR_H

#include <QColor>

#include <cstdint>

namespace platform {

// The top byte is ignored.
QColor ColorFromBgr(uint32_t bgr);
// 0 for an invalid colour.
uint32_t BgrFromColor(const QColor& color);

}  // namespace platform

#endif
