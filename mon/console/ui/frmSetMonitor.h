// The device settings dialog: display code, line baud rate, data length,
// parity, direction, interface, LED, memory mode, character time, error
// stop and the date range, with the baud windows and the trigger editor
// behind its buttons. It edits Draft, a copy of the committed settings;
// Set checks every field, gives the whole record to the engine as its
// working settings and starts the parameter download. The main window
// stays disabled while it is up; the engine's loop keeps running.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QWidget>

#include <array>

#include "BaudSteps.h"
#include "MonitorEdit.h"
#include "Settings.h"
#include "platform/ui/UpDown.h"

class QButtonGroup;
class QCloseEvent;
class QKeyEvent;

namespace mon {

class Engine;

class frmSetMonitor : public QWidget {
    Q_OBJECT

public:
    frmSetMonitor(Engine& engine, const BaudTable& table, QWidget* mainWindow, QWidget* ownerForm);

    void cmdSet_Click();
    void cmdCancel_Click();
    void cmdDetail_Click();
    void cmdTrig_Click();
    void UpDownBaudRate_Change(bool up);

    // The dialog's copy of the settings: what the trigger editor edits and
    // what Set starts from. Nothing reaches the engine before Set.
    MonitorSettings Draft;

    QTabWidget* const SSTab1 = new QTabWidget(this);
    QGroupBox* const FrameInterface = new QGroupBox(QStringLiteral("インタフェース"));
    QGroupBox* const FrameLed = new QGroupBox(QStringLiteral("CD/CI"));
    QGroupBox* const FrameMemoryMode = new QGroupBox(QStringLiteral("メモリモード"));
    QGroupBox* const FrameDirection = new QGroupBox(QStringLiteral("モニタライン"));
    QGroupBox* const FrameCondition = new QGroupBox(QStringLiteral("モニタ条件設定"));
    QGroupBox* const FrameTrig = new QGroupBox(QStringLiteral("トリガ設定"));
    QGroupBox* const FrameRange = new QGroupBox;
    std::array<QRadioButton*, 2> optInterface{};
    std::array<QRadioButton*, 2> optLed{};
    std::array<QRadioButton*, 3> optMemoryMode{};
    std::array<QRadioButton*, 3> optDirection{};
    QLineEdit* const txtBaudRate = new QLineEdit;
    platform::UpDown* const UpDownBaudRate = new platform::UpDown;
    QPushButton* const cmdDetail = new QPushButton;
    QComboBox* const cmbDataLength = new QComboBox;
    QComboBox* const cmbParity = new QComboBox;
    QComboBox* const cmbCode = new QComboBox;
    QPushButton* const cmdTrig = new QPushButton(QStringLiteral("詳細"));
    QCheckBox* const chkCharTime = new QCheckBox(QStringLiteral("文字間時間表示"));
    QCheckBox* const chkErrStop = new QCheckBox(QStringLiteral("エラーストップ"));
    QCheckBox* const chkRangeDate = new QCheckBox(QStringLiteral("範囲指定時刻"));
    std::array<QDateEdit*, 2> DTPickerDate{};
    std::array<QTimeEdit*, 2> DTPickerTime{};
    QLabel* const lblStart = new QLabel(QStringLiteral("開始時刻"));
    QLabel* const lblStop = new QLabel(QStringLiteral("終了時刻"));
    QLabel* const lblDate = new QLabel(QStringLiteral("日付"));
    QLabel* const lblTime = new QLabel(QStringLiteral("時刻"));
    QPushButton* const cmdSet = new QPushButton(QStringLiteral("設定"), this);
    QPushButton* const cmdCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Design();
    QWidget* DesignMeasurePage();
    QWidget* DesignRangePage();
    void DesignOptions();
    void DesignCondition();
    void DesignButtons();
    void Form_Load();
    void FormShow(const MonitorForm& form);
    MonitorForm FormRead() const;
    void cmbCode_Click(int index);
    void chkRangeDate_Click();
    void Refuse(const MonitorRefusal& refusal);
    void Form_QueryUnload();
    int16_t Model() const;

    Engine& engine_;
    const BaudTable& table_;
    QPointer<QWidget> main_;
    QPointer<QWidget> owner_;
    // The model-1 table row the up-down stands on.
    int currentRow_ = 0;
    bool unloaded_ = false;
};

}  // namespace mon
