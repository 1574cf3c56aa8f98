#include "MsgBoxWindow.h"

#include <QFontMetrics>
#include <QKeyEvent>

#include <algorithm>

#include "MessageIcons.h"
#include "MsgBoxCore.h"
#include "Twips.h"
#include "UiFont.h"
#include "WindowOwner.h"
#include "WindowPlacement.h"

namespace platform {

namespace {

// Callers build line breaks the old way, with CR LF.
QString DisplayText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QRect PixelRect(const TwipsRect& r, const QWidget* reference) {
    return TwipsToPixels(QRect(r.left, r.top, r.width, r.height), reference);
}

}  // namespace

MsgBoxWindow::MsgBoxWindow(MsgBoxCore& box)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      box_(box) {
    Design();
    Form_Load();
}

MsgBoxWindow::~MsgBoxWindow() { OwnerRelease(); }

void MsgBoxWindow::Design() {
    setObjectName(QStringLiteral("frmMsgBox"));
    setFont(UiFont());
    lblMessege->setObjectName(QStringLiteral("lblMessege"));
    lblMessege->setTextFormat(Qt::PlainText);
    lblMessege->setWordWrap(true);
    lblMessege->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setText(QStringLiteral("OK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    connect(cmdOk, &QPushButton::clicked, this, &MsgBoxWindow::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &MsgBoxWindow::cmdCancel_Click);
}

void MsgBoxWindow::Form_Load() {
    setWindowTitle(QString::fromStdString(box_.Title()));
    lblMessege->setText(DisplayText(box_.Messege()));
    const QSize text = MessegeTwips();
    const MsgBoxLayout layout = LayOutMsgBox(box_.MsgType(), text.width(), text.height());
    ShowButtons(MsgBoxButtonsFor(box_.MsgType()));
    Arrange(layout);
    ShowIcon();
    CentreWindowOnOwner(this, box_.Form(), layout.width, layout.height);
    setFixedSize(size());
    TieToOwner(this, box_.Form());
    if (box_.DisablesOwner()) OwnerDisable();
}

// The size the label needs for its text, wrapped at the wrap width.
QSize MsgBoxWindow::MessegeTwips() const {
    const QFontMetrics metrics(lblMessege->font());
    const int wrap = TwipsToPixels(kMsgWrapWidth, this);
    const QRect used = metrics.boundingRect(QRect(0, 0, wrap, QWIDGETSIZE_MAX),
                                            Qt::AlignLeft | Qt::TextWordWrap, lblMessege->text());
    // One pixel spare so rounding to twips and back never wraps a line anew.
    const int width = used.width() + 1;
    const int height = std::max(used.height(), metrics.height());
    return {PixelsToTwips(width, this), PixelsToTwips(height, this)};
}

void MsgBoxWindow::ShowButtons(const MsgBoxButtons& buttons) {
    cmdOk->setVisible(buttons.okVisible);
    cmdCancel->setVisible(buttons.cancelVisible);
    cmdOk->setText(QString::fromStdString(buttons.okCaption));
    cmdCancel->setText(QString::fromStdString(buttons.cancelCaption));
    if (buttons.rezultAtLoad) box_.Rezult(*buttons.rezultAtLoad);
    escape_ = buttons.escape;
    QPushButton* first = buttons.okVisible ? cmdOk : cmdCancel;
    first->setDefault(true);
    first->setFocus();
}

void MsgBoxWindow::ShowIcon() {
    const std::string key = MsgBoxIconKey(box_.Icon());
    if (key.empty()) return;
    Picture1->setPixmap(MessageIcon(QString::fromStdString(key), this, Picture1->width()));
}

void MsgBoxWindow::Arrange(const MsgBoxLayout& layout) {
    Picture1->setGeometry(PixelRect(layout.picture, this));
    lblMessege->setGeometry(PixelRect(layout.label, this));
    cmdOk->setGeometry(PixelRect(layout.ok, this));
    cmdCancel->setGeometry(PixelRect(layout.cancel, this));
}

void MsgBoxWindow::OwnerDisable() {
    QWidget* owner = box_.Form();
    if (owner == nullptr) return;
    disabledOwner_ = owner;
    owner->setEnabled(false);
}

void MsgBoxWindow::OwnerRelease() {
    if (disabledOwner_ != nullptr) disabledOwner_->setEnabled(true);
    disabledOwner_ = nullptr;
}

void MsgBoxWindow::done(int r) {
    OwnerRelease();
    QDialog::done(r);
}

void MsgBoxWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        QDialog::keyPressEvent(event);
        return;
    }
    // Esc presses the type's cancel button; where there is none it does
    // nothing rather than close the window unanswered.
    PressEscape();
    event->accept();
}

void MsgBoxWindow::PressEscape() {
    if (escape_ == MsgButton::Ok) cmdOk->click();
    if (escape_ == MsgButton::Cancel) cmdCancel->click();
}

void MsgBoxWindow::cmdOk_Click() {
    box_.Rezult(MsgBoxAnswer(box_.MsgType(), MsgButton::Ok));
    accept();
}

void MsgBoxWindow::cmdCancel_Click() {
    box_.Rezult(MsgBoxAnswer(box_.MsgType(), MsgButton::Cancel));
    reject();
}

}  // namespace platform
