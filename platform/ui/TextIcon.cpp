#include "TextIcon.h"

#include <QPainter>
#include <QPixmap>

#include "UiFont.h"

namespace platform {

QIcon TextIcon(const QString& text, const QColor& ink) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF frame(0.5, 0.5, size - 1.0, size - 1.0);
        p.setPen(QPen(ink, size / 16.0));
        p.setBrush(QColor(255, 255, 255, 230));
        p.drawRoundedRect(frame, size / 8.0, size / 8.0);
        QFont font = UiFont();
        font.setBold(true);
        font.setPixelSize(size * 9 / 16);
        p.setFont(font);
        p.drawText(frame, Qt::AlignCenter, text);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace platform
