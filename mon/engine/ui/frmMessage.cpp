#include "frmMessage.h"

#include <QCloseEvent>
#include <QGuiApplication>

#include "Engine.h"
#include "MainWindowRules.h"
#include "SubFormWindow.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/Twips.h"
#include "platform/ui/UiFont.h"
#include "platform/ui/WindowOwner.h"

namespace mon {

namespace {

constexpr int kStatusLeft = 240;
constexpr int kTextTop = 300;
constexpr int kMessageLeft = 1080;
constexpr int kMessageHeight = 480;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;
constexpr int kButtonTop = 1020;

QRect Px(int left, int top, int width, int height, const QWidget* reference) {
    return platform::TwipsToPixels(QRect(left, top, width, height), reference);
}

}  // namespace

frmMessage::frmMessage(Engine& engine, QWidget* mainWindow, const QString& text,
                       const QString& caption)
    : QWidget(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      engine_(engine),
      main_(mainWindow) {
    Design();
    Form_Load(text, caption);
}

frmMessage::~frmMessage() { CursorRestore(); }

void frmMessage::Design() {
    setObjectName(QStringLiteral("frmMessage"));
    setWindowTitle(QStringLiteral("メッセージ"));
    setFont(platform::UiFont());
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setText(QStringLiteral("状況： "));
    lblStatus->setGeometry(
        Px(kStatusLeft, kTextTop, kMessageLeft - kStatusLeft, kMessageHeight, this));
    lblStatus->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setTextFormat(Qt::PlainText);
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage->setGeometry(
        Px(kMessageLeft, kTextTop, kWidthTwips - kMessageLeft - kStatusLeft, kMessageHeight, this));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(
        Px((kWidthTwips - kButtonWidth) / 2, kButtonTop, kButtonWidth, kButtonHeight, this));
    connect(cmdCancel, &QPushButton::clicked, this,
            [this] { platform::NoThrow("step window", [&] { cmdCancel_Click(); }); });
    setFixedSize(platform::TwipsToPixels(kWidthTwips, this),
                 platform::TwipsToPixels(kHeightTwips, this));
}

void frmMessage::Form_Load(const QString& text, const QString& caption) {
    SubFormPlaceWindow(this, main_, "frmMessage", main_);
    platform::TieToOwner(this, main_);
    engine_.MessageShown = -1;
    if (main_ != nullptr) main_->setEnabled(false);
    MessageSet(text, caption);
    QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    cursorSet_ = true;
}

void frmMessage::MessageSet(const QString& text, const QString& caption) {
    lblMessage->setText(text);
    cmdCancel->setText(caption);
}

void frmMessage::cmdCancel_Click() {
    engine_.StepMessageButton();
    close();
}

void frmMessage::closeEvent(QCloseEvent* event) {
    platform::NoThrow("step window", [&] { Form_QueryUnload(); });
    event->accept();
}

void frmMessage::Form_QueryUnload() {
    if (unloaded_) return;
    unloaded_ = true;
    CursorRestore();
    engine_.StepMessageClosed();
    // A settings dialog that is still up keeps the main window disabled.
    if (main_ != nullptr && MainWindowMayEnable(engine_)) main_->setEnabled(true);
}

void frmMessage::CursorRestore() {
    if (!cursorSet_) return;
    cursorSet_ = false;
    if (qGuiApp != nullptr) QGuiApplication::restoreOverrideCursor();
}

}  // namespace mon
