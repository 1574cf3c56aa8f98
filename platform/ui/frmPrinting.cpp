#include "frmPrinting.h"

#include <QCloseEvent>
#include <QGuiApplication>

#include "Twips.h"
#include "UiFont.h"
#include "WindowOwner.h"

namespace platform {

namespace {

constexpr QRect kMsgRect(240, 180, 4020, 375);
constexpr QRect kCancelRect((frmPrinting::kFormWidth - 1215) / 2, 720, 1215, 375);

}  // namespace

std::string frmPrinting::PageMessage(int page) {
    return "現在 " + std::to_string(page) + " ページ目を出力しています。";
}

frmPrinting::frmPrinting(QWidget* owner, int page)
    : QWidget(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      owner_(owner) {
    setObjectName(QStringLiteral("frmPrinting"));
    setFont(UiFont());
    setWindowTitle(QStringLiteral("印刷中"));
    setFixedSize(TwipsToPixels(QRect(0, 0, kFormWidth, kFormHeight), owner).size());
    lblMsg->setObjectName(QStringLiteral("lblMsg"));
    lblMsg->setGeometry(TwipsToPixels(kMsgRect, owner));
    lblMsg->setAlignment(Qt::AlignCenter);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    cmdCancel->setGeometry(TwipsToPixels(kCancelRect, owner));
    connect(cmdCancel, &QPushButton::clicked, this, &frmPrinting::cmdCancel_Click);
    PageShow(page);
    TieToOwner(this, owner);
    if (qGuiApp != nullptr) QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    if (owner_) owner_->setEnabled(false);
}

frmPrinting::~frmPrinting() { Restore(); }

void frmPrinting::PageShow(int page) {
    lblMsg->setText(QString::fromStdString(PageMessage(page)));
}

void frmPrinting::cmdCancel_Click() {
    if (cancelled_) return;
    cancelled_ = true;
    if (OnCancel) OnCancel();
}

void frmPrinting::closeEvent(QCloseEvent* event) {
    // Closing by the frame asks for the same as the button; the run that
    // owns the window takes it down when it has stopped.
    cmdCancel_Click();
    event->ignore();
}

void frmPrinting::Restore() {
    if (restored_) return;
    restored_ = true;
    if (qGuiApp != nullptr) QGuiApplication::restoreOverrideCursor();
    if (owner_) owner_->setEnabled(true);
}

}  // namespace platform
