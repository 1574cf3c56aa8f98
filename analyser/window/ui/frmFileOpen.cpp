#include "frmFileOpen.h"

#include <QDir>
#include <QResizeEvent>

#include "AnalyserFonts.h"
#include "DialogLook.h"
#include "clsFrameConfig.h"
#include "clsLink.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/SystemColor.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WaitCursor.h"
#include "platform/ui/WindowPlacement.h"

namespace analyser::ui {

namespace {

constexpr int kDesignWidth = 6285;  // twips, the client area
constexpr int kDesignHeight = 3195;

QString DriveQuestion(const QString& drive) {
    return drive + QStringLiteral(" にアクセスできません。\nデバイスの準備ができていません。");
}

}  // namespace

frmFileOpen::frmFileOpen(int16_t vType, const std::string& folder, QWidget* placeOver)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Chooser(new platform::FolderChooser(this, QStringLiteral("Nubera Pro"), DriveQuestion)),
      kind_(vType == kPickLinkTable ? kPickLinkTable : kPickFrameConfig),
      configs_(std::make_unique<frames::clsFrameConfig>()),
      links_(std::make_unique<frames::clsLink>()) {
    Design();
    Form_Load(folder, placeOver);
}

frmFileOpen::~frmFileOpen() = default;

FilePick frmFileOpen::fFileOpen(int16_t vType, const std::string& folder, QWidget* placeOver) {
    frmFileOpen picker(vType, folder, placeOver);
    picker.exec();
    return {picker.Result(), picker.ListedFolder()};
}

void frmFileOpen::Design() {
    setObjectName(QStringLiteral("frmFileOpen"));
    setWindowTitle(QStringLiteral("ファイルを開く"));
    setFont(DialogFont());
    setWindowModality(Qt::ApplicationModal);
    txtProtocolName->setObjectName(QStringLiteral("txtProtocolName"));
    txtProtocolName->setReadOnly(true);
    txtProtocolName->setFocusPolicy(Qt::NoFocus);
    BackgroundColour(txtProtocolName, platform::kSysButtonFace);
    txtProtocolName->setText(kind_ == kPickFrameConfig ? QStringLiteral("フレーム構成一覧")
                                                       : QStringLiteral("関連付け一覧"));
    lstProtocolName->setObjectName(QStringLiteral("lstProtocolName"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setText(QStringLiteral("キャンセル"));
    cmdCancel->setAutoDefault(false);
    const uint32_t lineColours[2] = {platform::kSysButtonShadow, platform::kSysButtonHighlight};
    for (int k = 0; k < 2; ++k) {
        linSplit[k] = new QFrame(this);
        linSplit[k]->setObjectName(QStringLiteral("linSplit%1").arg(k));
        BackgroundColour(linSplit[k], lineColours[k]);
    }
    connect(cmdOK, &QPushButton::clicked, this, [this] { platform::NoThrow("frmFileOpen", [&] { cmdOK_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstProtocolName, &QListWidget::itemDoubleClicked, this,
            [this] { platform::NoThrow("frmFileOpen", [&] { cmdOK_Click(); }); });
    connect(Chooser, &platform::FolderChooser::FolderChanged, this,
            [this] { platform::NoThrow("frmFileOpen", [&] { Dir1_Change(); }); });
    resize(platform::TwipsToPixels(kDesignWidth, this), platform::TwipsToPixels(kDesignHeight, this));
}

// Every step may fail on a folder or drive that is gone; the picker then
// shows what the tree holds.
void frmFileOpen::Form_Load(const std::string& folder, const QWidget* placeOver) {
    if (!Chooser->Open(QString::fromStdString(folder))) Chooser->Open(QDir::currentPath());
    if (listed_.empty()) Dir1_Change();
    Chooser->SaveDrive();
    platform::CentreWindowOnOwner(this, placeOver, kDesignWidth, kDesignHeight);
}

void frmFileOpen::Dir1_Change() {
    const platform::WaitCursor wait;
    const QString open = Chooser->Folder();
    listed_ = open.isEmpty() ? QDir::currentPath().toStdString() : open.toStdString();
    lstProtocolName->clear();
    if (kind_ == kPickFrameConfig) {
        configs_->DirName(listed_);
        for (int i = 0; i < configs_->DirFrameNameNo(); ++i) {
            lstProtocolName->addItem(QString::fromStdString(configs_->DirFrameName(i)));
        }
    } else {
        links_->DirName(listed_);
        for (int i = 0; i < links_->DirLinkNameNo(); ++i) {
            lstProtocolName->addItem(QString::fromStdString(links_->DirLinkName(i)));
        }
    }
}

void frmFileOpen::cmdOK_Click() {
    const int index = lstProtocolName->currentRow();
    if (index < 0 || lstProtocolName->selectedItems().isEmpty()) return;  // nothing chosen: stay
    const platform::WaitCursor wait;
    result_ = kind_ == kPickFrameConfig ? configs_->DirFrameFilename(index) : links_->DirLinkFileName(index);
    accept();
}

void frmFileOpen::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    platform::NoThrow("frmFileOpen resize", [&] { LayOut(); });
}

// Laid out in pixels from the client size: the heading and the name list
// on the left half, the folder tree and the drive list on the right, the
// buttons bottom right under an etched line.
void frmFileOpen::LayOut() {
    const int w = width();
    const int h = height();
    const int half = (w - 15) / 2;
    const int headH = txtProtocolName->sizeHint().height();
    const int buttonW = cmdCancel->sizeHint().width();
    const int buttonH = cmdCancel->sizeHint().height();
    const int driveH = Chooser->Drive1->sizeHint().height();
    txtProtocolName->setGeometry(5, 8, half, headH);
    lstProtocolName->setGeometry(5, 8 + headH + 5, half, qMax(0, h - headH - buttonH - 25));
    const int treeLeft = 5 + half + 5;
    const int treeH = qMax(0, h - driveH - buttonH - 25);
    Chooser->Dir1->setGeometry(treeLeft, 8, half, treeH);
    Chooser->Drive1->setGeometry(treeLeft, 8 + treeH + 5, half, driveH);
    cmdCancel->setGeometry(w - buttonW - 5, h - buttonH - 5, buttonW, buttonH);
    cmdOK->setGeometry(w - 2 * buttonW - 10, h - buttonH - 5, buttonW, buttonH);
    linSplit[0]->setGeometry(5, h - buttonH - 13, w - 10, 1);
    linSplit[1]->setGeometry(5, h - buttonH - 12, w - 10, 1);
}

}  // namespace analyser::ui
