#include "frmCreateDir.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

#include <filesystem>
#include <system_error>
#include <utility>

#include "PcDraftChecks.h"
#include "SubFormWindow.h"
#include "clsMsgBox.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/SelectAllOnFocus.h"
#include "platform/ui/UiFont.h"

namespace mon {

frmCreateDir::frmCreateDir(QWidget* ownerForm, std::string newFolderBase, clsMsgBox& msgBox)
    : QDialog(ownerForm, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      newFolderBase_(std::move(newFolderBase)),
      msgBox_(msgBox) {
    Design();
    SubFormPlaceWindow(this, ownerForm, "frmCreateDir");
}

void frmCreateDir::Design() {
    setObjectName(QStringLiteral("frmCreateDir"));
    setWindowTitle(QStringLiteral("フォルダの作成"));
    setFont(platform::UiFont());
    txtNewDirectory->setObjectName(QStringLiteral("txtNewDirectory"));
    txtNewDirectory->setMinimumWidth(txtNewDirectory->fontMetrics().averageCharWidth() * 36);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // Enter in the name only moves on to OK; no button presses itself.
    cmdOK->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    auto* grid = new QGridLayout(this);
    grid->addWidget(txtNewDirectory, 0, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->addWidget(cmdOK, 1, 1);
    grid->addWidget(cmdCancel, 1, 2);
    platform::SelectAllOnFocus::Install(txtNewDirectory);
    txtNewDirectory->installEventFilter(this);
    connect(cmdOK, &QPushButton::clicked, this,
            [this] { platform::NoThrow("new folder", [&] { cmdOK_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint());
}

void frmCreateDir::cmdOK_Click() {
    const std::string path = JoinPath(newFolderBase_, txtNewDirectory->text().toStdString());
    std::error_code ec;
    // An existing folder counts as a failure: the name was not new.
    if (!std::filesystem::create_directory(path, ec) || ec) {
        msgBox_.Show("フォルダが作成出来ません！", 1, this, 16, "", 0);
        return;
    }
    accept();
}

bool frmCreateDir::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txtNewDirectory || event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    cmdOK->setFocus();
    return true;
}

}  // namespace mon
