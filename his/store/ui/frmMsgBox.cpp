#include "frmMsgBox.h"

#include <QFontMetrics>
#include <QKeyEvent>

#include <algorithm>

#include "clsMsgBox.h"
#include "platform/ui/MessageIcons.h"
#include "platform/ui/Twips.h"
#include "platform/ui/UiFont.h"
#include "platform/ui/WindowPlacement.h"

namespace store {

namespace {

// Callers build line breaks the old way, with CR LF.
QString DisplayText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QRect PixelRect(const platform::TwipsRect& r, const QWidget* reference) {
    return platform::TwipsToPixels(QRect(r.left, r.top, r.width, r.height), reference);
}

}  // namespace

frmMsgBox::frmMsgBox(clsMsgBox& box, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      box_(box) {
    Design();
    Form_Load();
}

void frmMsgBox::Design() {
    setObjectName(QStringLiteral("frmMsgBox"));
    setFont(platform::UiFont());
    lblMessege->setObjectName(QStringLiteral("lblMessege"));
    lblMessege->setTextFormat(Qt::PlainText);
    lblMessege->setWordWrap(true);
    lblMessege->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setText(QStringLiteral("OK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    connect(cmdOk, &QPushButton::clicked, this, &frmMsgBox::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMsgBox::cmdCancel_Click);
}

void frmMsgBox::Form_Load() {
    setWindowTitle(QString::fromStdString(box_.Title()));
    lblMessege->setText(DisplayText(box_.Messege()));
    const QSize text = MessegeTwips();
    const MsgBoxLayout layout = LayOutMsgBox(box_.MsgType(), text.width(), text.height());
    ShowButtons(MsgBoxButtonsFor(box_.MsgType()));
    Arrange(layout);
    ShowIcon();
    platform::CentreWindowOnOwner(this, box_.Form(), layout.width, layout.height);
    setFixedSize(size());
}

// The size the label needs for its text, wrapped at the wrap width.
QSize frmMsgBox::MessegeTwips() const {
    const QFontMetrics metrics(lblMessege->font());
    const int wrap = platform::TwipsToPixels(kMsgWrapWidth, this);
    const QRect used = metrics.boundingRect(QRect(0, 0, wrap, QWIDGETSIZE_MAX),
                                            Qt::AlignLeft | Qt::TextWordWrap, lblMessege->text());
    // One pixel spare so rounding to twips and back never wraps a line anew.
    const int width = used.width() + 1;
    const int height = std::max(used.height(), metrics.height());
    return {platform::PixelsToTwips(width, this), platform::PixelsToTwips(height, this)};
}

void frmMsgBox::ShowButtons(const MsgBoxButtons& buttons) {
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

void frmMsgBox::ShowIcon() {
    const std::string key = MsgBoxIconKey(box_.Icon());
    if (key.empty()) return;
    Picture1->setPixmap(platform::MessageIcon(QString::fromStdString(key), this, Picture1->width()));
}

void frmMsgBox::Arrange(const MsgBoxLayout& layout) {
    Picture1->setGeometry(PixelRect(layout.picture, this));
    lblMessege->setGeometry(PixelRect(layout.label, this));
    cmdOk->setGeometry(PixelRect(layout.ok, this));
    cmdCancel->setGeometry(PixelRect(layout.cancel, this));
}

void frmMsgBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        QDialog::keyPressEvent(event);
        return;
    }
    // Esc presses the type's cancel button; where there is none it does
    // nothing rather than close the window unanswered.
    PressEscape();
    event->accept();
}

void frmMsgBox::PressEscape() {
    if (escape_ == MsgButton::Ok) cmdOk->click();
    if (escape_ == MsgButton::Cancel) cmdCancel->click();
}

void frmMsgBox::cmdOk_Click() {
    box_.Rezult(MsgBoxAnswer(box_.MsgType(), MsgButton::Ok));
    accept();
}

void frmMsgBox::cmdCancel_Click() {
    box_.Rezult(MsgBoxAnswer(box_.MsgType(), MsgButton::Cancel));
    reject();
}

}  // namespace store
