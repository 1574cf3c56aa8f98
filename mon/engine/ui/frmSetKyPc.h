// The PC-link settings dialog: port and PC-side baud rate, data folder,
// history file name and the number of file numbers before they wrap. It
// edits PcDraft, a copy of the PC settings; its set button test-opens the
// port, checks the folder and the name, and commits. Closing it after an
// accepted setting starts the connect. The main window stays disabled
// while it is up.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QTabWidget>
#include <QWidget>

#include "Settings.h"

class QCloseEvent;
class QKeyEvent;

namespace mon {

class Engine;
class clsMsgBox;

class frmSetKyPc : public QWidget {
    Q_OBJECT

public:
    // Loads the dialog: placed against ownerForm, mainWindow disabled.
    // appTitle names the program in the folder chooser's drive question.
    frmSetKyPc(Engine& engine, clsMsgBox& msgBox, QWidget* mainWindow, QWidget* ownerForm,
               QString appTitle);

    void cmdSetting_Click();
    void cmdCancel_Click();
    void cmdSansyo_Click();

    // The dialog's copy of the PC settings, and whether it was committed.
    PcSettings PcDraft;
    bool SettingAccepted = false;

    QTabWidget* const SSTab1 = new QTabWidget(this);
    QGroupBox* const FrameRs232c = new QGroupBox(QStringLiteral("通信条件の設定"));
    QComboBox* const cmbPort = new QComboBox;
    QComboBox* const cmbBaudRate = new QComboBox;
    QGroupBox* const Frame3 = new QGroupBox(QStringLiteral("データファイルフォルダ"));
    QLineEdit* const txtDataDirectory = new QLineEdit;
    QPushButton* const cmdSansyo = new QPushButton(QStringLiteral("参照"));
    QGroupBox* const Frame1 = new QGroupBox(QStringLiteral("ファイル名"));
    QLineEdit* const txtFileName = new QLineEdit;
    QLineEdit* const txtFileMax = new QLineEdit;
    QPushButton* const cmdSetting = new QPushButton(QStringLiteral("設定"), this);
    QPushButton* const cmdCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Design();
    QWidget* DesignPage();
    void DesignLink();
    void DesignFolder();
    void DesignFile();
    void DesignButtons();
    void Form_Load();
    void PortShow();
    void BaudShow();
    void Form_QueryUnload();

    // The steps of the set button; each false ends the click.
    bool PortTextCheck();
    bool FileMaxTextCheck();
    bool PortOpen();
    bool DataFolderCheck();
    bool FileNameCheck();
    bool WriteTestRun();
    bool ExistingFilesAsk();
    void Commit();
    void ErrorShow(const std::string& text, QWidget* control);
    std::string Text(const QLineEdit* edit) const;

    Engine& engine_;
    clsMsgBox& msgBox_;
    QPointer<QWidget> main_;
    QPointer<QWidget> owner_;
    QString appTitle_;
    int16_t portNumber_ = 0;
    bool unloaded_ = false;
};

}  // namespace mon
