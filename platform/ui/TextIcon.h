// A toolbar icon drawn from a few characters, for commands the style has
// no picture for.
#ifndef PLATFORM_UI_TEXT_ICON_H
#define PLATFORM_UI_TEXT_ICON_H

#include <QColor>
#include <QIcon>
#include <QString>

namespace platform {

// text centred in a rounded frame, in the UI font, at the common toolbar
// sizes.
QIcon TextIcon(const QString& text, const QColor& ink = QColor(0, 0, 128));

}  // namespace platform

#endif
