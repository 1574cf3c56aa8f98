#include "frmSplit.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "Engine.h"
#include "SaveDestination.h"
#include "SubFormWindow.h"
#include "frmDirectory.h"
#include "platform/ui/ButtonRow.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/SelectAllOnFocus.h"
#include "platform/ui/UiFont.h"

namespace mon {

namespace {

constexpr int kFileNameLength = 256;

}  // namespace

frmSplit::frmSplit(QWidget* owner, Engine& engine, clsMsgBox& msgBox, QString appTitle)
    : QDialog(owner), engine_(engine), msgBox_(msgBox), appTitle_(std::move(appTitle)) {
    Design();
    SubFormPlaceWindow(this, owner, "frmSplit");
    txtDataDirectory->setText(QString::fromStdString(engine_.Pc.DataDir));
    txtFileName->setText(QString::fromStdString(engine_.Pc.FileName));
}

void frmSplit::Design() {
    setObjectName(QStringLiteral("frmSplit"));
    setWindowTitle(QStringLiteral("保存先設定"));
    setFont(platform::UiFont());
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtDataDirectory->setObjectName(QStringLiteral("txtDataDirectory"));
    txtDataDirectory->setMinimumWidth(txtDataDirectory->fontMetrics().averageCharWidth() * 48);
    txtFileName->setObjectName(QStringLiteral("txtFileName"));
    txtFileName->setMaxLength(kFileNameLength);
    platform::SelectAllOnFocus::Install(txtDataDirectory);
    platform::SelectAllOnFocus::Install(txtFileName);
    cmdSansyo->setAutoDefault(false);
    cmdSansyo->setObjectName(QStringLiteral("cmdSansyo"));
    cmdSetting->setObjectName(QStringLiteral("cmdSetting"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* folder = new QHBoxLayout(Frame3);
    folder->addWidget(txtDataDirectory, 1);
    folder->addWidget(cmdSansyo);
    auto* file = new QHBoxLayout(Frame1);
    file->addWidget(txtFileName, 1);
    file->addWidget(Label4);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Frame3);
    column->addWidget(Frame1);
    column->addLayout(platform::ButtonRow({cmdSetting, cmdCancel}));
    connect(cmdSansyo, &QPushButton::clicked, this,
            [this] { platform::NoThrow("folder chooser", [&] { cmdSansyo_Click(); }); });
    connect(cmdSetting, &QPushButton::clicked, this,
            [this] { platform::NoThrow("save destination", [&] { cmdSetting_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    adjustSize();
}

void frmSplit::cmdSansyo_Click() {
    std::string directoryPath =
        SplitBrowseStart(txtDataDirectory->text().toStdString(), engine_.ProgramDir);
    frmDirectory chooser(this, directoryPath, engine_.ProgramDir, msgBox_, appTitle_);
    chooser.exec();
    txtDataDirectory->setText(QString::fromStdString(directoryPath));
}

void frmSplit::cmdSetting_Click() {
    const std::string folder = txtDataDirectory->text().toStdString();
    const std::string name = txtFileName->text().toStdString();
    const SplitVerdict verdict = SplitSetCheck(folder, name);
    if (verdict == SplitVerdict::FolderRefused) {
        QApplication::beep();
        txtDataDirectory->setFocus();
        return;
    }
    // An accepted folder is stored at once; a refusal of the name or of
    // the write test does not take it back.
    engine_.Pc.DataDir = folder;
    switch (verdict) {
        case SplitVerdict::NameRefused: QApplication::beep(); [[fallthrough]];
        case SplitVerdict::NameEmpty:
        case SplitVerdict::WriteFailed: txtFileName->setFocus(); return;
        case SplitVerdict::FolderRefused:
        case SplitVerdict::Accepted: break;
    }
    engine_.Pc.FileName = name;
    engine_.IniFileWrite();
    accept();
}

}  // namespace mon
