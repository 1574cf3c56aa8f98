#include "frmProp.h"

#include <QCloseEvent>

#include "MarkPictures.h"
#include "frmMain.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowPlacement.h"

namespace analyser::ui {

frmProp::frmProp(frmMain& main) : QDialog(&main) {
    setObjectName(QStringLiteral("frmProp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("ヒストリ情報"));
    setWindowIcon(WindowIconMake());
    setFont(main.font());
    const auto at = [this](QWidget* w, int left, int top, int width, int height) {
        w->setGeometry(platform::TwipsToPixels(QRect(left, top, width, height), this));
    };
    at(SSTab1, 120, 120, 6075, 5955);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setText(QStringLiteral("閉じる(&C)"));
    at(cmdCancel, 4920, 5520, 1100, 375);
    cmdCancel->raise();
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
    setFixedSize(platform::TwipsToPixels(kClientWidth, this), platform::TwipsToPixels(kClientHeight, this));
    // Beside the chart: right of the left comment column, level with its top.
    const QPoint corner = main.CornerBesideChart();
    platform::PlaceWindowInside(this, corner.x(), corner.y());
}

void frmProp::reject() { close(); }

// Closing never asks back (a dialog would reject first).
void frmProp::closeEvent(QCloseEvent* event) { event->accept(); }

}  // namespace analyser::ui
