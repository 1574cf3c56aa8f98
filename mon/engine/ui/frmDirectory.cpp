#include "frmDirectory.h"

#include <QGridLayout>

#include <filesystem>
#include <system_error>
#include <utility>

#include "SubFormWindow.h"
#include "TextUtil.h"
#include "clsMsgBox.h"
#include "frmCreateDir.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/UiFont.h"

namespace mon {

namespace {

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(path, ec) && !ec;
}

QString DriveQuestion(const QString& drive) {
    QString text = QString::fromStdString(DriveNotReadyText(drive.toStdString()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

frmDirectory::frmDirectory(QWidget* ownerForm, std::string& directoryPath, std::string programDir,
                           clsMsgBox& msgBox, QString appTitle)
    : QDialog(ownerForm, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Chooser(new platform::FolderChooser(this, appTitle, DriveQuestion)),
      directoryPath_(directoryPath),
      programDir_(std::move(programDir)),
      msgBox_(msgBox),
      appTitle_(std::move(appTitle)) {
    Design();
    Form_Load(ownerForm);
}

void frmDirectory::Design() {
    setObjectName(QStringLiteral("frmDirectory"));
    setWindowTitle(QStringLiteral("フォルダの指定"));
    setFont(platform::UiFont());
    lblDirectory->setObjectName(QStringLiteral("lblDirectory"));
    lblDirectory->setTextFormat(Qt::PlainText);
    lblDirectory->setMinimumWidth(lblDirectory->fontMetrics().averageCharWidth() *
                                  static_cast<int>(kLabelLength + 2));
    for (QPushButton* b : {cmdOK, cmdCancel, cmdMkdir}) b->setAutoDefault(false);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdMkdir->setObjectName(QStringLiteral("cmdMkdir"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(lblDirectory, 0, 0);
    grid->addWidget(Dir1, 1, 0, 3, 1);
    grid->addWidget(Drive1, 4, 0);
    grid->addWidget(cmdOK, 1, 1);
    grid->addWidget(cmdCancel, 2, 1);
    grid->addWidget(cmdMkdir, 3, 1, Qt::AlignTop);
    connect(cmdOK, &QPushButton::clicked, this,
            [this] { platform::NoThrow("folder chooser", [&] { cmdOK_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdMkdir, &QPushButton::clicked, this,
            [this] { platform::NoThrow("folder chooser", [&] { cmdMkdir_Click(); }); });
    connect(Chooser, &platform::FolderChooser::FolderChanged, this,
            [this] { platform::NoThrow("folder chooser", [&] { LabelShow(); }); });
    resize(sizeHint().width(), sizeHint().height() * 3 / 2);
}

void frmDirectory::Form_Load(QWidget* ownerForm) {
    SubFormPlaceWindow(this, ownerForm, "frmDirectory");
    Chooser->Open(QString::fromStdString(StartFolder()));
    LabelShow();
    Chooser->SaveDrive();
}

std::string frmDirectory::StartFolder() const {
    return IsFolder(directoryPath_) ? directoryPath_ : programDir_;
}

void frmDirectory::LabelShow() {
    lblDirectory->setText(QString::fromStdString(PathShorten(OpenFolder(), kLabelLength)));
}

std::string frmDirectory::OpenFolder() const {
    const QString open = Chooser->Folder();
    return open.isEmpty() ? StartFolder() : open.toStdString();
}

// --- events -----------------------------------------------------------------

void frmDirectory::cmdOK_Click() {
    directoryPath_ = OpenFolder();
    accept();
}

void frmDirectory::cmdMkdir_Click() {
    NewFolderBase = OpenFolder();
    frmCreateDir creator(this, NewFolderBase, msgBox_);
    creator.exec();
    // The model watches the folders it shows; asking for the base again
    // makes it read a folder it had not listed yet.
    Chooser->Open(QString::fromStdString(NewFolderBase));
}

}  // namespace mon
