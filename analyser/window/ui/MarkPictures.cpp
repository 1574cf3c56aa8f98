#include "MarkPictures.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

#include "platform/ui/PrinterIcon.h"

namespace analyser::ui {
namespace {

// A pennant on a pole, with the mark's number or letter.
QPixmap Pennant(const QColor& colour, const QString& text, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(QPen(QColor(60, 60, 60), qMax(1.0, s / 16)));
    p.drawLine(QPointF(s * 0.2, s * 0.1), QPointF(s * 0.2, s * 0.95));
    QPainterPath flag;
    flag.moveTo(s * 0.22, s * 0.1);
    flag.lineTo(s * 0.95, s * 0.35);
    flag.lineTo(s * 0.22, s * 0.6);
    flag.closeSubpath();
    p.fillPath(flag, colour);
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPixelSize(qMax(6, size * 2 / 5));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(s * 0.22, s * 0.12, s * 0.5, s * 0.46), Qt::AlignCenter, text);
    return pixmap;
}

QIcon Drawn(void (*draw)(QPainter&)) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return QIcon(pixmap);
}

void DrawMagnifier(QPainter& p) {
    p.setPen(QPen(QColor(50, 50, 50), 3));
    p.setBrush(QColor(200, 225, 255));
    p.drawEllipse(4, 4, 16, 16);
    p.setPen(QPen(QColor(50, 50, 50), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(19, 19, 28, 28);
}

void DrawHelp(QPainter& p) {
    p.setPen(QPen(QColor(30, 90, 180), 2));
    p.setBrush(QColor(225, 238, 255));
    p.drawEllipse(3, 3, 26, 26);
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPixelSize(20);
    p.setFont(font);
    p.drawText(QRect(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace

QPixmap MarkPixmap(int picture, int sizePx) {
    if (sizePx < 1) return {};
    if (picture >= 1 && picture <= 5) {
        return Pennant(QColor(30, 110, 200), QString::number(picture), sizePx);
    }
    if (picture == 6) return Pennant(QColor(20, 150, 60), QStringLiteral("B"), sizePx);
    if (picture == 7) return Pennant(QColor(200, 50, 40), QStringLiteral("E"), sizePx);
    return {};
}

QIcon ToolbarIcon(int picture) {
    QStyle* style = QApplication::style();
    switch (picture) {
        case 1: return style->standardIcon(QStyle::SP_DialogOpenButton);
        case 2: return style->standardIcon(QStyle::SP_DialogSaveButton);
        case 3: return platform::PrinterIcon();
        case 4: return Drawn(DrawMagnifier);
        case 5: return style->standardIcon(QStyle::SP_FileDialogInfoView);
        case 6: return Drawn(DrawHelp);
        default: return {};
    }
}

QIcon WindowIconMake() {
    return Drawn([](QPainter& p) {
        p.fillRect(0, 0, 32, 32, QColor(250, 250, 250));
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.drawRect(0, 0, 31, 31);
        p.setPen(QPen(QColor(30, 90, 180), 2));
        for (int y : {8, 16, 24}) p.drawLine(5, y, 27, y);
        p.drawLine(27, 8, 22, 5);
        p.drawLine(27, 8, 22, 11);
        p.drawLine(5, 16, 10, 13);
        p.drawLine(5, 16, 10, 19);
        p.drawLine(27, 24, 22, 21);
        p.drawLine(27, 24, 22, 27);
    });
}

}  // namespace analyser::ui
