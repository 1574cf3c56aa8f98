#include "frmBar.h"

#include <QCloseEvent>

#include <algorithm>
#include <utility>

#include "clsBar.h"
#include "platform/ui/Twips.h"
#include "platform/ui/UiFont.h"
#include "platform/ui/WindowPlacement.h"

namespace store {

namespace {

// Design of the window, in twips.
constexpr int kFormWidth = 4800;
constexpr int kFormHeight = 1335;
constexpr QRect kBarRect(240, 240, 4320, 330);
constexpr QRect kCancelRect((kFormWidth - 1215) / 2, 720, 1215, 375);

}  // namespace

frmBar::frmBar(clsBar& owner, QWidget* mainWindow, const BarRules& rules)
    : QWidget(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      owner_(&owner) {
    Design();
    Form_Load(mainWindow, rules);
}

frmBar::~frmBar() {
    // Deleted without a close, e.g. along with the main window.
    Form_Unload();
}

void frmBar::Design() {
    setObjectName(QStringLiteral("frmBar"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(platform::UiFont());
    setWindowTitle(QStringLiteral("読込"));
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(platform::TwipsToPixels(kBarRect, this));
    ProgressBar1->setTextVisible(false);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    cmdCancel->setGeometry(platform::TwipsToPixels(kCancelRect, this));
    connect(cmdCancel, &QPushButton::clicked, this, &frmBar::cmdCancel_Click);
}

void frmBar::Form_Load(QWidget* mainWindow, const BarRules& rules) {
    if (rules.ownerRect) {
        platform::CentreWindowOnRect(this, rules.ownerRect(), kFormWidth, kFormHeight);
    } else {
        platform::CentreWindowOnOwner(this, mainWindow, kFormWidth, kFormHeight);
    }
    if (rules.busyPointer) setCursor(Qt::BusyCursor);
    setFixedSize(size());
    owner_->Visible(true);
    owner_->Cancel(false);
}

void frmBar::SetRange(int32_t aMax) {
    // An empty total would turn the bar into a busy indicator; show it
    // as an empty bar instead.
    ProgressBar1->setRange(0, std::max<int32_t>(aMax, 1));
    ProgressBar1->setValue(0);
}

void frmBar::ShowValue(int32_t value) { ProgressBar1->setValue(value); }

void frmBar::Unload() { close(); }

void frmBar::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmBar::Form_Unload() {
    if (owner_ == nullptr) return;
    clsBar* owner = std::exchange(owner_, nullptr);
    owner->FormUnloaded(this);
}

void frmBar::cmdCancel_Click() {
    if (owner_ != nullptr) owner_->Cancel(true);
    Unload();
}

}  // namespace store
