#include "UiFont.h"

#include <QStringList>

namespace platform {

QFont UiFont(int pointSize) {
    QFont font;
    // Proportional face first, like the classic dialog font; the fixed one
    // and the system default are fallbacks when the package is missing.
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"), font.family()});
    font.setPointSize(pointSize);
    return font;
}

}  // namespace platform
