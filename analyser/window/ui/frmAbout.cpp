#include "frmAbout.h"

#include <QProcess>

#include "MarkPictures.h"
#include "SystemInfo.h"
#include "frmMain.h"
#include "platform/ui/MsgBoxRules.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowPlacement.h"

namespace analyser::ui {
namespace {

constexpr const char* kDescription = "Copyright (C) Nubera Pro の著作権者. All rights reserved.";
constexpr const char* kDisclaimer =
    "警告：このプログラムは著作権法により保護されています。このプログラムの全部または一部を、"
    "権利者の許諾なく複製したり頒布したりすることはできません。";

constexpr int kTitlePointSize = 14;
constexpr int kLineTop = 1560;

}  // namespace

frmAbout::frmAbout(frmMain& main)
    : QDialog(&main, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), main_(main) {
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    setWindowTitle(QStringLiteral("Nubera Proのバージョン情報"));
    const QIcon icon = WindowIconMake();
    setWindowIcon(icon);
    setFont(main.font());
    const auto at = [this](QWidget* w, int left, int top, int width, int height) {
        w->setGeometry(platform::TwipsToPixels(QRect(left, top, width, height), this));
    };
    Image1->setObjectName(QStringLiteral("Image1"));
    at(Image1, 240, 240, 540, 540);
    Image1->setPixmap(icon.pixmap(Image1->size()));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    at(lblTitle, 1050, 240, 3885, 480);
    QFont title = font();
    title.setPointSize(kTitlePointSize);
    title.setBold(true);
    lblTitle->setFont(title);
    lblTitle->setText(QStringLiteral("Nubera Pro"));
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    at(lblVersion, 1050, 780, 3885, 225);
    lblVersion->setText(QStringLiteral("ﾊﾞｰｼﾞｮﾝ %1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision));
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    at(lblDescription, 1050, 1125, 4845, 1170);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDescription->setText(QString::fromUtf8(kDescription));
    // An etched line: grey over white.
    const QColor lines[] = {QColor(0x80, 0x80, 0x80), QColor(0xFF, 0xFF, 0xFF)};
    for (int i = 0; i < 2; ++i) {
        Line1[i]->setObjectName(QStringLiteral("Line1_%1").arg(i));
        Line1[i]->setGeometry(platform::TwipsToPixels(120, this),
                              platform::TwipsToPixels(kLineTop, this) + i,
                              platform::TwipsToPixels(kClientWidth - 240, this), 1);
        Line1[i]->setAutoFillBackground(true);
        QPalette pal = Line1[i]->palette();
        pal.setColor(QPalette::Window, lines[i]);
        Line1[i]->setPalette(pal);
    }
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    at(lblDisclaimer, 255, 1665, 4110, 825);
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDisclaimer->setText(QString::fromUtf8(kDisclaimer));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setText(QStringLiteral("OK"));
    cmdOK->setDefault(true);
    at(cmdOK, 4485, 1665, 1380, 345);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setText(QStringLiteral("ｼｽﾃﾑ情報(&S)..."));
    cmdSysInfo->setAutoDefault(false);
    at(cmdSysInfo, 4500, 2115, 1380, 345);
    connect(cmdSysInfo, &QPushButton::clicked, this,
            [this] { platform::NoThrow("cmdSysInfo", [&] { StartSysInfo(); }); });
    setFixedSize(platform::TwipsToPixels(kClientWidth, this), platform::TwipsToPixels(kClientHeight, this));

    SystemInfoFind = [] { return SystemInfoProgram(); };
    ProgramStart = [](const std::string& program) {
        return QProcess::startDetached(QString::fromStdString(program), {});
    };
    const QPoint corner = main.CornerBesideChart();
    platform::PlaceWindowInside(this, corner.x(), corner.y());
}

// The window stays open whatever happens.
void frmAbout::StartSysInfo() {
    const std::string program = SystemInfoFind ? SystemInfoFind() : std::string();
    if (program.empty() || !ProgramStart || !ProgramStart(program)) {
        main_.MsgShow(kMsgNoSysInfo, platform::kMsgIconNone);
    }
}

}  // namespace analyser::ui
