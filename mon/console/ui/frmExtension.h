// The maintenance window: a memory read shown as a hex dump, the unit's
// buzzer, break on the line, and the download of an S-record file into the
// unit's F-ROM or S-RAM with the unit's final reply. It is shown modal, so
// the engine's loop waits while it is open; its own 10 ms timer reads the
// unit's replies and paces the download's lines. The logic is
// ExtensionControl's; this window reads and writes its widgets.
#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ExtensionControl.h"
#include "UpDownArrows.h"

class QCloseEvent;

namespace mon {

class Engine;

class frmExtension : public QDialog {
    Q_OBJECT

public:
    static constexpr int kTimerMs = 10;

    // Shows a message in the program's message box, modal, over owner.
    using Message = std::function<void(QWidget* owner, const std::string& text, int16_t icon,
                                       const std::string& title)>;

    // The read address and length start as given (what the last opening
    // left). The window is placed by its opener.
    frmExtension(Engine& engine, Message message, QWidget* owner, uint32_t readAddress = 0,
                 int16_t readLength = 0);

    void cmdSet_Click();
    void cmdGo_Click();
    void cmdBreak_Click();
    void cmdList_Click();
    void cmdDownload_Click();
    void cmdCancel_Click();
    void UpDown1_Change();
    // One tick of Timer1; tests call it to go faster than the timer.
    void Timer1_Timer();

    uint32_t ReadAddress() const { return control_.ReadAddress(); }
    int16_t ReadLength() const { return control_.ReadLength(); }
    bool Downloading() const { return control_.Downloading(); }

    QTabWidget* const SSTab1 = new QTabWidget(this);
    // Page 0, memory read.
    QGroupBox* const FrameCommand = new QGroupBox(QStringLiteral("コマンド"));
    QLineEdit* const txtAddress = new QLineEdit;
    QLineEdit* const txtLength = new QLineEdit;
    UpDownArrows* const UpDown1 = new UpDownArrows(0, 255);
    QPushButton* const cmdSet = new QPushButton(QStringLiteral("リード"));
    QTableWidget* const VSFlexGrid1 = new QTableWidget;
    // Page 1, buzzer.
    std::array<QRadioButton*, 2> optTone{};
    std::array<QRadioButton*, 3> optTime{};
    QPushButton* const cmdGo = new QPushButton(QStringLiteral("実行"));
    // Page 2, break.
    std::array<QRadioButton*, 2> optBreak{};
    QPushButton* const cmdBreak = new QPushButton(QStringLiteral("実行"));
    // Page 3, download.
    std::array<QRadioButton*, 2> optMode{};
    QLineEdit* const txtExeAdr = new QLineEdit;
    QLineEdit* const txtOffset = new QLineEdit;
    QLineEdit* const txtFileName = new QLineEdit;
    QPushButton* const cmdList = new QPushButton(QStringLiteral("参照"));
    QListWidget* const lstMsg = new QListWidget;
    QPushButton* const cmdDownload = new QPushButton(QStringLiteral("実行"));
    // Outside the pages.
    QPushButton* const cmdCancel = new QPushButton(QStringLiteral("閉じる"), this);
    QTimer* const Timer1 = new QTimer(this);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Design();
    QWidget* DesignMemoryPage();
    QWidget* DesignBuzzerPage();
    QWidget* DesignBreakPage();
    QWidget* DesignDownloadPage();
    void DesignGrid();
    void DesignButtons();
    void Form_Load();
    bool Form_QueryUnload() const;
    void Connect(QPushButton* button, void (frmExtension::*handler)());

    void DumpHeaderShow();
    void DumpGridShow(const std::vector<DumpRow>& rows);
    void DownloadStart();
    void DownloadStop();
    void DownloadControlsEnable(bool idle);
    bool DownloadFileRead(std::vector<std::string>* lines);
    void TimerSync();
    void Notify(const std::string& text, int16_t icon);

    ExtensionControl control_;
    Message message_;
};

}  // namespace mon
