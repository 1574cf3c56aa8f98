#include "frmOpen.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>

#include "platform/ui/NoThrow.h"
#include "platform/ui/UiFont.h"

namespace viewer::ui {

frmOpen::frmOpen(const QString& appTitle) {
    setObjectName(QStringLiteral("frmOpen"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(SplashPicture(appTitle));
    Picture1->installEventFilter(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(kShowMs);
    connect(Timer1, &QTimer::timeout, this,
            [this] { platform::NoThrow("frmOpen", [&] { Timer1_Timer(); }); });
    Form_Load();
}

void frmOpen::Form_Load() {
    Picture1->move(0, 0);
    Picture1->adjustSize();
    setFixedSize(Picture1->size());
    Timer1->start();
}

bool frmOpen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Picture1 && event->type() == QEvent::MouseButtonRelease) {
        platform::NoThrow("frmOpen", [&] { Picture1_Click(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmOpen::Timer1_Timer() { Unload(); }

void frmOpen::Picture1_Click() { Unload(); }

// Whichever of timer and click comes second finds the timer stopped and
// the window gone, and does nothing.
void frmOpen::Unload() {
    if (!Timer1->isActive() && !isVisible()) return;
    Timer1->stop();
    accept();
}

QPixmap SplashPicture(const QString& appTitle) {
    QPixmap picture(480, 240);
    picture.fill(QColor(0x1F, 0x3A, 0x5F));
    QPainter painter(&picture);
    painter.setPen(Qt::white);
    painter.setFont(platform::UiFont(28));
    painter.drawText(QRect(0, 40, 480, 90), Qt::AlignCenter, appTitle);
    painter.setFont(platform::UiFont(12));
    painter.drawText(QRect(0, 140, 480, 40), Qt::AlignCenter,
                     QStringLiteral("ヒストリビューア  KY-N4 / KY-N5"));
    return picture;
}

}  // namespace viewer::ui
