// The font the dialogs draw their Japanese texts in. Naming the IPA faces
// first keeps kana, kanji and Latin letters in one face (the default sans
// face has no Japanese glyphs and would mix two), and makes text sizes
// the same on every machine that has the font installed.
#ifndef PLATFORM_UI_UI_FONT_H
#define PLATFORM_UI_UI_FONT_H

#include <QFont>

namespace platform {

inline constexpr int kUiFontPointSize = 9;

QFont UiFont(int pointSize = kUiFontPointSize);

}  // namespace platform

#endif
