// The four message icons, addressed by the keys the forms use:
// "Critical", "Question", "Exclamation" and "Information".
#ifndef PLATFORM_UI_MESSAGE_ICONS_H
#define PLATFORM_UI_MESSAGE_ICONS_H

#include <QPixmap>
#include <QString>

class QWidget;

namespace platform {

// Icon edge in pixels at 96 dpi (480 twips).
inline constexpr int kMessageIconSize = 32;

bool IsMessageIconKey(const QString& key);

// The style's icon for key, sizePx pixels square, drawn by reference's
// style (the application's without one). A null pixmap for an unknown key.
QPixmap MessageIcon(const QString& key, const QWidget* reference = nullptr,
                    int sizePx = kMessageIconSize);

}  // namespace platform

#endif
