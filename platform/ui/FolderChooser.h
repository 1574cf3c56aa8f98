// The drive list and folder tree that the folder and file choosers of the
// programs are built from. The "drives" are the mounted volumes; the tree
// shows every folder. The owner lays out the two controls itself and
// hears of every change of the open folder.
//
// Choosing a drive that cannot be read asks whether to try again; giving
// up returns the list to the saved drive (the one shown when the owner
// finished loading).
#ifndef PLATFORM_UI_FOLDER_CHOOSER_H
#define PLATFORM_UI_FOLDER_CHOOSER_H

#include <QComboBox>
#include <QObject>
#include <QString>
#include <QTreeView>

#include <functional>

class QFileSystemModel;

namespace platform {

class FolderChooser : public QObject {
    Q_OBJECT

public:
    // Both controls are children of parent. retryQuestion builds the text
    // of the question for a drive that cannot be read; title is the
    // question's window title.
    FolderChooser(QWidget* parent, QString title, std::function<QString(const QString& drive)> retryQuestion);

    QComboBox* const Drive1;
    QTreeView* const Dir1;

    // Opens folder in the tree with its drive in the list. False, changing
    // nothing, when it is no folder.
    bool Open(const QString& folder);
    // The folder open in the tree; "" before any.
    QString Folder() const;

    // The drive the list returns to when another drive cannot be read.
    QString SavedDrive;
    void SaveDrive() { SavedDrive = Drive1->currentData().toString(); }

    // Asks whether to try a drive again (the question's Retry); tests
    // replace it.
    std::function<bool(const QString& drive)> DriveRetryAsk;
    // Whether a drive's root can be read; tests replace it.
    std::function<bool(const QString& drive)> DriveReadable;

signals:
    // The open folder changed (by the user or by Open).
    void FolderChanged();

private:
    void DrivesFill();
    void DriveShow(const QString& folder);
    void FolderShow(const QString& folder);
    void Drive1_Change();
    void Dir1_Change();

    QFileSystemModel* const model_;
    QString title_;
    std::function<QString(const QString&)> retryQuestion_;
};

}  // namespace platform

#endif
