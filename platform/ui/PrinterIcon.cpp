#include "PrinterIcon.h"

#include <QPainter>
#include <QPixmap>

namespace platform {

QIcon PrinterIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(50, 50, 50), 2));
    p.setBrush(Qt::white);
    p.drawRect(9, 3, 14, 10);  // paper in
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(3, 12, 26, 12, 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(9, 20, 14, 9);  // paper out
    p.end();
    return QIcon(pixmap);
}

}  // namespace platform
