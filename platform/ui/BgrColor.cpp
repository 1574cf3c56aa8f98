#include "BgrColor.h"

namespace platform {

QColor ColorFromBgr(uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

uint32_t BgrFromColor(const QColor& color) {
    if (!color.isValid()) return 0;
    return static_cast<uint32_t>(color.red()) | (static_cast<uint32_t>(color.green()) << 8) |
           (static_cast<uint32_t>(color.blue()) << 16);
}

}  // namespace platform
