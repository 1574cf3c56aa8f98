// Makes a new folder inside a given one. A name that cannot be made is
// reported and the window stays open for another try.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <string>

namespace mon {

class clsMsgBox;

class frmCreateDir : public QDialog {
    Q_OBJECT

public:
    frmCreateDir(QWidget* ownerForm, std::string newFolderBase, clsMsgBox& msgBox);

    void cmdOK_Click();

    QLineEdit* const txtNewDirectory = new QLineEdit(this);
    QPushButton* const cmdOK = new QPushButton(QStringLiteral("OK"), this);
    QPushButton* const cmdCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Design();

    std::string newFolderBase_;
    clsMsgBox& msgBox_;
};

}  // namespace mon
