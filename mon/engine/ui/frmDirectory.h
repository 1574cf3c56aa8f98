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

#include "platform/ui/FolderChooser.h"

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

    platform::FolderChooser* const Chooser;
    QComboBox* const Drive1 = Chooser->Drive1;
    QTreeView* const Dir1 = Chooser->Dir1;
    QLabel* const lblDirectory = new QLabel(this);
    QPushButton* const cmdOK = new QPushButton(QStringLiteral("OK"), this);
    QPushButton* const cmdCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    QPushButton* const cmdMkdir = new QPushButton(QStringLiteral("新規"), this);

private:
    void Design();
    void Form_Load(QWidget* ownerForm);
    std::string StartFolder() const;
    void LabelShow();

    void cmdOK_Click();
    void cmdMkdir_Click();

    std::string& directoryPath_;
    std::string programDir_;
    clsMsgBox& msgBox_;
    QString appTitle_;
    std::string NewFolderBase;
};

}  // namespace mon
