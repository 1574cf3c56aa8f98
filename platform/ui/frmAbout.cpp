#include "frmAbout.h"

#include <QPainter>
#include <QPainterPath>

#include "Twips.h"
#include "UiFont.h"

namespace platform {

namespace {

constexpr int kMargin = 360;
constexpr int kImageSide = 720;
constexpr int kTextLeft = kMargin + kImageSide + 240;
constexpr int kTitleTop = 300;
constexpr int kLineHeight = 360;
constexpr int kVersionTop = 780;
constexpr int kDescriptionTop = 1140;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;
constexpr int kButtonTop = 1800;
constexpr int kTitlePointSize = 12;

// An arrow along y from x0 to x1, its head at x1.
void Arrow(QPainter& p, double x0, double x1, double y, double head) {
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    const double back = x1 > x0 ? -head : head;
    QPainterPath tip;
    tip.moveTo(x1, y);
    tip.lineTo(x1 + back, y - head * 0.6);
    tip.lineTo(x1 + back, y + head * 0.6);
    tip.closeSubpath();
    p.fillPath(tip, p.pen().color());
}

QRect Px(int left, int top, int width, int height, const QWidget* reference) {
    return TwipsToPixels(QRect(left, top, width, height), reference);
}

}  // namespace

QString AboutCaption(const QString& appTitle) { return appTitle + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"); }

QPixmap AboutPicture(int side) {
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = side;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1F, 0x3A, 0x5F));
    p.drawRoundedRect(QRectF(0, 0, s, s), s / 8, s / 8);
    QPen line(Qt::white, s / 16, Qt::SolidLine, Qt::RoundCap);
    p.setPen(line);
    Arrow(p, s * 0.18, s * 0.82, s * 0.36, s / 8);  // SD
    line.setColor(QColor(0xFF, 0x80, 0x00));
    p.setPen(line);
    Arrow(p, s * 0.82, s * 0.18, s * 0.64, s / 8);  // RD
    return picture;
}

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
    const int textWidth = kWidthTwips - kTextLeft - kMargin;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Px(kMargin, kTitleTop, kImageSide, kImageSide, this));
    Image1->setPixmap(AboutPicture(Image1->width()));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setFont(UiFont(kTitlePointSize));
    lblTitle->setGeometry(Px(kTextLeft, kTitleTop, textWidth, kLineHeight + 60, this));
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(Px(kTextLeft, kVersionTop, textWidth, kLineHeight, this));
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setText(QString::fromUtf8(kDescription));
    lblDescription->setGeometry(Px(kTextLeft, kDescriptionTop, textWidth, kLineHeight, this));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setText(QStringLiteral("OK"));
    cmdOK->setDefault(true);
    cmdOK->setGeometry(
        Px((kWidthTwips - kButtonWidth) / 2, kButtonTop, kButtonWidth, kButtonHeight, this));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(TwipsToPixels(kWidthTwips, this), TwipsToPixels(kHeightTwips, this));
}

}  // namespace platform
