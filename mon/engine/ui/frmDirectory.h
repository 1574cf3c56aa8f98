// The folder chooser: a list of the mounted volumes (the "drives") and the
// folder tree. OK writes the open folder back into the caller's path; its
// "新規" button makes a new folder inside the open one.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QTreeView>

#include <cstddef>
#include <string>

class QFileSystemModel;

namespace mon {

class clsMsgBox;

class frmDirectory : public QDialog {
    Q_OBJECT

public:
    // The most characters the open folder's label shows.
    static constexpr size_t kLabelLength = 40;

    // Opens on directoryPath, or on programDir when that is no folder.
    // OK replaces directoryPath with the open folder; Cancel leaves it.
    frmDirectory(QWidget* ownerForm, std::string& directoryPath, std::string programDir,
                 clsMsgBox& msgBox, QString appTitle);

    // The folder open in the tree.
    std::string OpenFolder() const;

    QComboBox* const Drive1 = new QComboBox(this);
    QTreeView* const Dir1 = new QTreeView(this);
    QLabel* const lblDirectory = new QLabel(this);
    QPushButton* const cmdOK = new QPushButton(QStringLiteral("OK"), this);
    QPushButton* const cmdCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    QPushButton* const cmdMkdir = new QPushButton(QStringLiteral("新規"), this);

    // The drive shown when the window loaded; the list returns to it when
    // another drive cannot be read.
    QString StartDrive;

private:
    void Design();
    void DesignList();
    void Form_Load(QWidget* ownerForm);
    std::string StartFolder() const;
    void DrivesFill();
    void DriveShow(const QString& folder);
    void FolderOpen(const QString& folder);
    void LabelShow();

    void Drive1_Change();
    void Dir1_Change();
    void cmdOK_Click();
    void cmdMkdir_Click();
    bool DriveRetryAsk(const QString& drive);

    std::string& directoryPath_;
    std::string programDir_;
    clsMsgBox& msgBox_;
    QString appTitle_;
    QFileSystemModel* const model_;
    std::string NewFolderBase;
};

}  // namespace mon
