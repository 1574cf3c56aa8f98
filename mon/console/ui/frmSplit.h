// The save-destination dialog: the data folder and the base name of the
// history files. Set checks the folder and stores it as soon as it is
// accepted, then checks the name and proves that a file can be created
// there, stores the name and rewrites Capturo.ini. A refused folder stores
// nothing; a refusal after it leaves the new folder stored. The next
// history file the engine opens goes there.
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace mon {

class Engine;
class clsMsgBox;

class frmSplit : public QDialog {
    Q_OBJECT

public:
    frmSplit(QWidget* owner, Engine& engine, clsMsgBox& msgBox, QString appTitle);

    void cmdSansyo_Click();
    void cmdSetting_Click();

    QGroupBox* const Frame3 = new QGroupBox(QStringLiteral("データファイルフォルダ"), this);
    QLineEdit* const txtDataDirectory = new QLineEdit;
    QPushButton* const cmdSansyo = new QPushButton(QStringLiteral("参照"));
    QGroupBox* const Frame1 = new QGroupBox(QStringLiteral("ファイル名"), this);
    QLineEdit* const txtFileName = new QLineEdit;
    QLabel* const Label4 = new QLabel(QStringLiteral("＿００．ｋｙ２  ※００はカウントアップされます"));
    QPushButton* const cmdSetting = new QPushButton(QStringLiteral("設定"), this);
    QPushButton* const cmdCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);

private:
    void Design();

    Engine& engine_;
    clsMsgBox& msgBox_;
    QString appTitle_;
};

}  // namespace mon
