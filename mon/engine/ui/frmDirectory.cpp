#include "frmDirectory.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QStorageInfo>

#include <algorithm>
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

QString DriveOf(const QString& folder) { return QStorageInfo(folder).rootPath(); }

bool DriveReadable(const QString& drive) {
    const QFileInfo root(drive);
    return root.isDir() && root.isReadable() && root.isExecutable();
}

}  // namespace

frmDirectory::frmDirectory(QWidget* ownerForm, std::string& directoryPath, std::string programDir,
                           clsMsgBox& msgBox, QString appTitle)
    : QDialog(ownerForm, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      directoryPath_(directoryPath),
      programDir_(std::move(programDir)),
      msgBox_(msgBox),
      appTitle_(std::move(appTitle)),
      model_(new QFileSystemModel(this)) {
    Design();
    Form_Load(ownerForm);
}

void frmDirectory::Design() {
    setObjectName(QStringLiteral("frmDirectory"));
    setWindowTitle(QStringLiteral("フォルダの指定"));
    setFont(platform::UiFont());
    DesignList();
    Drive1->setObjectName(QStringLiteral("Drive1"));
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
    resize(sizeHint().width(), sizeHint().height() * 3 / 2);
}

void frmDirectory::DesignList() {
    Dir1->setObjectName(QStringLiteral("Dir1"));
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QDir::rootPath());
    Dir1->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column) Dir1->hideColumn(column);
    Dir1->header()->hide();
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { platform::NoThrow("folder chooser", [&] { Dir1_Change(); }); });
}

void frmDirectory::Form_Load(QWidget* ownerForm) {
    SubFormPlaceWindow(this, ownerForm, "frmDirectory");
    lblDirectory->setText(QString::fromStdString(PathShorten(directoryPath_, kLabelLength)));
    const QString start = QString::fromStdString(StartFolder());
    DrivesFill();
    DriveShow(start);
    FolderOpen(start);
    StartDrive = Drive1->currentData().toString();
    connect(Drive1, &QComboBox::currentIndexChanged, this,
            [this] { platform::NoThrow("folder chooser", [&] { Drive1_Change(); }); });
}

std::string frmDirectory::StartFolder() const {
    return IsFolder(directoryPath_) ? directoryPath_ : programDir_;
}

void frmDirectory::DrivesFill() {
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    std::sort(volumes.begin(), volumes.end(), [](const QStorageInfo& a, const QStorageInfo& b) {
        return a.rootPath() < b.rootPath();
    });
    for (const QStorageInfo& volume : volumes) {
        if (!volume.isValid()) continue;
        Drive1->addItem(volume.rootPath(), volume.rootPath());
    }
    if (Drive1->findData(QDir::rootPath()) < 0)
        Drive1->insertItem(0, QDir::rootPath(), QDir::rootPath());
}

// Shows folder's drive in the list without raising a drive change.
void frmDirectory::DriveShow(const QString& folder) {
    const int at = Drive1->findData(DriveOf(folder));
    const QSignalBlocker quiet(Drive1);
    Drive1->setCurrentIndex(std::max(at, 0));
}

void frmDirectory::FolderOpen(const QString& folder) {
    const QModelIndex index = model_->index(folder);
    Dir1->setCurrentIndex(index);
    Dir1->scrollTo(index);
    Dir1->expand(index);
    LabelShow();
}

void frmDirectory::LabelShow() {
    lblDirectory->setText(QString::fromStdString(PathShorten(OpenFolder(), kLabelLength)));
}

std::string frmDirectory::OpenFolder() const {
    const QModelIndex index = Dir1->currentIndex();
    if (!index.isValid()) return StartFolder();
    return model_->filePath(index).toStdString();
}

// --- events -----------------------------------------------------------------

void frmDirectory::Dir1_Change() {
    LabelShow();
    DriveShow(QString::fromStdString(OpenFolder()));
}

void frmDirectory::Drive1_Change() {
    const QString drive = Drive1->currentData().toString();
    while (!DriveReadable(drive)) {
        if (DriveRetryAsk(drive)) continue;
        // Back to the drive of the start; that raises the change again.
        Drive1->setCurrentIndex(std::max(Drive1->findData(StartDrive), 0));
        return;
    }
    FolderOpen(drive);
}

// The window system's own question for a drive that cannot be read.
bool frmDirectory::DriveRetryAsk(const QString& drive) {
    QString text = QString::fromStdString(DriveNotReadyText(drive.toStdString()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Critical, appTitle_, text,
                    QMessageBox::Retry | QMessageBox::Cancel, this);
    return box.exec() == QMessageBox::Retry;
}

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
    model_->index(QString::fromStdString(NewFolderBase));
}

}  // namespace mon
