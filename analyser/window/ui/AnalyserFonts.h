// The fonts the analyser's windows are designed in, through the shared
// font map.
#pragma once

#include <QFont>

#include "platform/ui/FontMap.h"

namespace analyser::ui {

// The proportional design font of the dialogs.
inline QFont DialogFont() { return platform::MappedFont("ＭＳ Ｐゴシック", 9); }
// The fixed-pitch font of the detail window's list and dump.
inline QFont FixedFont() { return platform::MappedFont("ＭＳ ゴシック", 9); }

}  // namespace analyser::ui
