#include "frmAbout.h"

#include "Twips.h"
#include "UiFont.h"

namespace platform {

namespace {

constexpr int kMargin = 360;
constexpr int kTitleTop = 300;
constexpr int kLineHeight = 360;
constexpr int kVersionTop = 780;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;
constexpr int kButtonTop = 1500;
constexpr int kTitlePointSize = 12;

QRect Px(int left, int top, int width, int height, const QWidget* reference) {
    return TwipsToPixels(QRect(left, top, width, height), reference);
}

}  // namespace

QString AboutCaption(const QString& appTitle) { return appTitle + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"); }

frmAbout::frmAbout(QWidget* owner, const QString& appTitle, const QString& version)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    Design();
    setWindowTitle(AboutCaption(appTitle));
    lblTitle->setText(appTitle);
    lblVersion->setText(QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") + version);
}

void frmAbout::Design() {
    setObjectName(QStringLiteral("frmAbout"));
    setFont(UiFont());
    const int textWidth = kWidthTwips - 2 * kMargin;
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setFont(UiFont(kTitlePointSize));
    lblTitle->setGeometry(Px(kMargin, kTitleTop, textWidth, kLineHeight + 60, this));
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(Px(kMargin, kVersionTop, textWidth, kLineHeight, this));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setText(QStringLiteral("OK"));
    cmdOK->setDefault(true);
    cmdOK->setGeometry(
        Px((kWidthTwips - kButtonWidth) / 2, kButtonTop, kButtonWidth, kButtonHeight, this));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(TwipsToPixels(kWidthTwips, this), TwipsToPixels(kHeightTwips, this));
}

}  // namespace platform
