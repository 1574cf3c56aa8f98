// The font names the programs were designed with, mapped to the faces this
// system ships: a name of the classic Japanese faces gives its IPA
// counterpart of the same pitch; any other name stands as it is.
#ifndef PLATFORM_UI_FONT_MAP_H
#define PLATFORM_UI_FONT_MAP_H

#include <QFont>
#include <QString>

#include <string_view>

namespace platform {

// "ＭＳ 明朝" -> IPAMincho (fixed pitch, the printed listings),
// "ＭＳ ゴシック" / "MS GOTHIC" -> IPAGothic (fixed pitch),
// "ＭＳ Ｐゴシック" -> IPAPGothic (proportional). Case and the width of
// the letters "MS" do not matter.
QString MappedFontFamily(std::string_view designName);

// A font of the mapped family at the given size in points; a family that
// is missing falls back to the nearest face of the same pitch.
QFont MappedFont(std::string_view designName, double pointSize);

}  // namespace platform

#endif
