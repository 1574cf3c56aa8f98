#include "FolderChooser.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMessageBox>
#include <QStorageInfo>

#include <algorithm>
#include <utility>

#include "NoThrow.h"

namespace platform {

namespace {

QString DriveOf(const QString& folder) { return QStorageInfo(folder).rootPath(); }

bool RootReadable(const QString& drive) {
    const QFileInfo root(drive);
    return root.isDir() && root.isReadable() && root.isExecutable();
}

}  // namespace

FolderChooser::FolderChooser(QWidget* parent, QString title,
                             std::function<QString(const QString& drive)> retryQuestion)
    : QObject(parent),
      Drive1(new QComboBox(parent)),
      Dir1(new QTreeView(parent)),
      model_(new QFileSystemModel(this)),
      title_(std::move(title)),
      retryQuestion_(std::move(retryQuestion)) {
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Dir1->setObjectName(QStringLiteral("Dir1"));
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QDir::rootPath());
    Dir1->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column) Dir1->hideColumn(column);
    Dir1->header()->hide();
    DriveReadable = RootReadable;
    DriveRetryAsk = [this, parent](const QString& drive) {
        QMessageBox box(QMessageBox::Critical, title_, retryQuestion_ ? retryQuestion_(drive) : drive,
                        QMessageBox::Retry | QMessageBox::Cancel, parent);
        return box.exec() == QMessageBox::Retry;
    };
    DrivesFill();
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { NoThrow("folder chooser", [&] { Dir1_Change(); }); });
    connect(Drive1, &QComboBox::currentIndexChanged, this,
            [this] { NoThrow("folder chooser", [&] { Drive1_Change(); }); });
}

void FolderChooser::DrivesFill() {
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    std::sort(volumes.begin(), volumes.end(), [](const QStorageInfo& a, const QStorageInfo& b) {
        return a.rootPath() < b.rootPath();
    });
    const QSignalBlocker quiet(Drive1);
    for (const QStorageInfo& volume : volumes) {
        if (!volume.isValid() || Drive1->findData(volume.rootPath()) >= 0) continue;
        Drive1->addItem(volume.rootPath(), volume.rootPath());
    }
    if (Drive1->findData(QDir::rootPath()) < 0) Drive1->insertItem(0, QDir::rootPath(), QDir::rootPath());
}

bool FolderChooser::Open(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) return false;
    DriveShow(folder);
    FolderShow(QFileInfo(folder).absoluteFilePath());
    return true;
}

QString FolderChooser::Folder() const {
    const QModelIndex index = Dir1->currentIndex();
    return index.isValid() ? model_->filePath(index) : QString();
}

// Shows folder's drive in the list without raising a drive change.
void FolderChooser::DriveShow(const QString& folder) {
    const int at = Drive1->findData(DriveOf(folder));
    const QSignalBlocker quiet(Drive1);
    Drive1->setCurrentIndex(std::max(at, 0));
}

void FolderChooser::FolderShow(const QString& folder) {
    const QModelIndex index = model_->index(folder);
    if (index == Dir1->currentIndex()) {
        emit FolderChanged();  // the same folder again: its listing is made anew
        return;
    }
    Dir1->setCurrentIndex(index);
    Dir1->scrollTo(index);
    Dir1->expand(index);
}

void FolderChooser::Dir1_Change() {
    DriveShow(Folder());
    emit FolderChanged();
}

void FolderChooser::Drive1_Change() {
    const QString drive = Drive1->currentData().toString();
    while (!DriveReadable(drive)) {
        if (DriveRetryAsk(drive)) continue;
        // Back to the saved drive; that raises the change again.
        Drive1->setCurrentIndex(std::max(Drive1->findData(SavedDrive), 0));
        return;
    }
    FolderShow(drive);
}

}  // namespace platform
