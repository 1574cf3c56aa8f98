// The monitor's main window: the toolbar that starts and stops monitoring,
// the live grid, three status bars with the connection lamp and the SD/RD
// colour labels, and the menus that open the settings windows. The engine
// writes into it through EngineView; its handlers change the engine's
// state, call its start procedures and open the other windows.
#pragma once

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>

#include <cstdint>
#include <string>

#include "ConsoleWindows.h"
#include "EngineView.h"
#include "MonitorView.h"
#include "GridLayout.h"
#include "MainWindowRules.h"
#include "platform/ui/KeyedActions.h"
#include "platform/ui/KeyedPanels.h"
#include "platform/ui/Placement.h"

class QCloseEvent;
class QResizeEvent;

namespace mon {

class Engine;
class clsMsgBox;
class frmMessage;
class frmSetKyPc;

class frmMain : public QMainWindow, public EngineView, public MonitorView {
    Q_OBJECT

public:
    // The design size of the client area, in twips.
    static constexpr int kDesignWidth = 10200;
    static constexpr int kDesignHeight = 6600;

    // Builds the window; nothing here calls the engine, which may be built
    // after its view. version is "major.minor.revision".
    frmMain(Engine& engine, clsMsgBox& msgBox, std::string appTitle, std::string version);
    ~frmMain() override;

    // The load step: idle controls, the size saved, the grid cleared.
    void Form_Load();
    // Lays the grid out for the display mode and its present size.
    void FrmChg();
    // Keeps the window's rectangle; the size stays locked to it while the
    // engine is busy.
    void MainFormRectSave();
    void MonitorControlsSet(const MonitorControls& controls);
    // Closes the step window and the PC-link dialog without their closing
    // steps, before the engine goes away.
    void SubWindowsDelete();
    // The console's windows, opened from the menus and the toolbar; none
    // leaves those items doing nothing.
    void ConsoleSet(ConsoleWindows* console) { console_ = console; }

    void Toolbar1_ButtonClick(const QString& key);
    void mnuFileSave_Click();
    void mnuFileEnd_Click();
    void mnuSetAgain_Click();
    void mnuSetKyPc_Click();
    void mnuSetmonitor_Click();
    void mnuSetDspData_Click();
    void mnuSetDspDetail_Click();
    void mnuSetColorSd_Click();
    void mnuSetColorRd_Click();
    // Shows the console's maintenance window while the engine is idle.
    void mnuSetExtension_Click();
    void mnuHelpTopic_Click();
    void mnuHelpVersion_Click();
    // What the colour menus do once the chooser has answered; an invalid
    // colour is a cancelled chooser.
    void DataColorChosen(bool sdLine, const QColor& chosen);

    frmSetKyPc* SetKyPcWindow() const;
    frmMessage* MessageWindow() const;

    // EngineView
    void LampColorSet(uint32_t bgr) override;
    void PanelTextSet(const std::string& key, const std::string& text) override;
    void DataColorsSet(int32_t sd, int32_t rd) override;
    void StepMessageShow(const std::string& text, const std::string& buttonCaption) override;
    void StepMessageUnload() override;
    void SettingsDialogsUnload() override;

    // MonitorView
    void ToolbarApply(const ToolbarState& state) override;
    void CaptionSet(const std::string& caption) override;
    void BusyPointer(bool on) override;
    void SizeLock(bool on) override;
    void GridClear() override;
    void GridShow(const GridPage& page) override;
    void NoticeShow(const std::string& text, int16_t icon) override;
    void Beep() override;

    QToolBar* const Toolbar1 = new QToolBar(this);
    platform::KeyedActions Buttons;
    QTableWidget* const VSFlexGrid = new QTableWidget;
    QStatusBar* const StatusBar1 = new QStatusBar;
    QStatusBar* const StatusBar2 = new QStatusBar;
    QStatusBar* const StatusBar3 = new QStatusBar;
    platform::KeyedPanels Panels;
    QFrame* const PictureConnect = new QFrame;
    QFrame* const PictureSd = new QFrame;
    QFrame* const PictureRd = new QFrame;
    QLabel* const ldlSdColor = new QLabel(QStringLiteral("SD"));
    QLabel* const lblRdColor = new QLabel(QStringLiteral("RD"));

    QMenu* mnuFile = nullptr;
    QMenu* mnuSet = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileEnd = nullptr;
    QAction* mnuSetAgain = nullptr;
    QAction* mnuSetKyPc = nullptr;
    QAction* mnuSetmonitor = nullptr;
    QAction* mnuSetDspData = nullptr;
    QAction* mnuSetDspDetail = nullptr;
    QAction* mnuSetColorSd = nullptr;
    QAction* mnuSetColorRd = nullptr;
    QAction* mnuSetExtension = nullptr;  // never visible; the key chord opens it too
    QAction* mnuHelpTopic = nullptr;
    QAction* mnuHelpVersion = nullptr;

    // The grid's rows and columns after the last layout; monitoring sizes
    // its display table from them.
    int16_t GridRows = 0;
    int16_t GridCols = 0;
    platform::TwipsRect MainFormRect;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ExtensionChord(const QEvent* event) const;
    void Design();
    void DesignToolbar();
    void DesignMenus();
    void DesignFileMenu();
    void DesignSetMenu();
    void DesignHelpMenu();
    void DesignGrid();
    void DesignStatusBars();
    void DesignConnectPanel();
    void DesignColorPanel(const QString& key, QFrame* picture, QLabel* label, const QString& tip);
    QAction* MenuItem(QMenu* menu, const char* name, const char* caption,
                      void (frmMain::*handler)());

    bool Form_QueryUnload();
    void Form_Resize();
    void GridResized();
    QTableWidgetItem* Cell(int row, int col);
    void GridLayoutApply(const GridLayout& layout);
    int DateColumnTwips() const;
    void GridClearAll();
    void GridFixedRowShow(const GridLayout& layout);
    void GridSizeSave();
    void DisplayModeSet(int16_t mode);
    void DataColorChoose(bool sdLine);
    void SetKyPcShow();

    Engine& engine_;
    clsMsgBox& msgBox_;
    std::string appTitle_;
    std::string version_;
    QPointer<frmSetKyPc> setKyPc_;
    QPointer<frmMessage> message_;
    ConsoleWindows* console_ = nullptr;
    bool busyPointer_ = false;
    // The alignment of the grid's cells and its header rows, as last laid out.
    Qt::Alignment cellAlign_ = Qt::AlignCenter;
    int fixedRows_ = 0;
};

}  // namespace mon
