// The viewer's main window: the paged history grid with its separate
// scroll bar, the toolbar, the status-bar panels and the menus. Its
// handlers set the shared viewer state, call the viewer's page, mark and
// display rules and the store's savers, and show what those decide.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>

#include <functional>
#include <string>

#include "GridSetup.h"
#include "Navigation.h"
#include "SiblingPrograms.h"
#include "frmHTML.h"
#include "platform/ui/KeyedActions.h"
#include "platform/ui/KeyedPanels.h"

class QCloseEvent;
class QResizeEvent;

namespace viewer::ui {

class HistoryGrid;
class frmFind;
class frmProp;
class PageModel;
class ViewerContext;

// What a save dialog answered: the path, empty when cancelled, and the
// 1-based index of the chosen filter.
struct SaveAnswer {
    std::string Path;
    int FilterIndex = 1;
};

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kMinWidth = 8500;  // twips
    static constexpr int kMinHeight = 5350;
    static constexpr char kCaption[] = "ヒストリ";
    static constexpr char kHelpFile[] = "Rewindo.chm";

    frmMain(ViewerContext& ctx, std::string appTitle, std::string version);
    ~frmMain() override;

    // The load step; commandLine only names the file in the caption.
    void Form_Load(const std::string& commandLine);
    // Applies the display colours to the grid.
    void GridColorSet();

    // --- opening -------------------------------------------------------
    void HistoryFileOpen(const std::string& path);
    bool OldHistoryConvert(const std::string& path);
    // The start-up's last step: what the command-line text asks for.
    void CommandLineOpen(const std::string& text);

    // --- commands ------------------------------------------------------
    void mnuRead_Click();
    void mnuPrecedFile_Click();
    void mnuFollowFile_Click();
    void mnuRangeSave_Click();
    void mnuAllSave_Click();
    void mnuHtml_Click();
    void mnuPrint_Click();
    void mnuPrintProp_Click();
    void mnuMonitor_Click();
    void mnuProtocol_Click();
    void mnuPcn4_Click();
    void mnuEnd_Click();
    void mnuTop_Click();
    void mnuBottom_Click();
    void mnuMarkJumpBegin_Click();
    void mnuMarkJumpEnd_Click();
    void mnuMarkSetBegin_Click();
    void mnuMarkSetEnd_Click();
    void mnuRightTrigJump_Click();
    void mnuFind_Click();
    void mnuLineNo_Click();
    void mnuRange_Click();
    void mnuHistory_Click();
    void DspLineChoose(int16_t line);
    void DspCodeChoose(int16_t code);
    void DspCurChoose(int16_t base);
    void mnuColor_Click();
    void mnuHelpTopic_Click();
    void mnuHelpVerion_Click();
    void Toolbar1_ButtonClick(const QString& key);

    // --- what the find window uses --------------------------------------
    GridCell Cursor() const;
    // Scrolls, moves the cursor and shows the message a search decided.
    void SearchShow(const NavResult& result);
    // The commands the find window locks while it is open, and back.
    void FindLock(bool open);
    frmFind* FindWindow() const;
    frmProp* PropWindow() const;
    reports::ui::frmHTML* HtmlWindow() const;

    // --- seams: the common dialogs, replaced by tests ---------------------
    // Open dialog with a filter; an empty answer is a Cancel.
    std::function<std::string(const QString& filter)> OpenFileAsk;
    std::function<SaveAnswer()> SaveFileAsk;
    // Runs the colour window modally; true when it was closed with OK.
    std::function<bool()> ColorDialogRun;
    // The HTML export's save dialog.
    std::function<reports::ui::HtmlAnswer()> HtmlFileAsk;
    // The file a listing goes to while the current printer is the PDF file;
    // empty is a Cancel.
    std::function<std::string()> PdfFileAsk;
    // The printer set-up dialog; true when OK chose a printer.
    std::function<bool()> PrinterSetupAsk;

    // --- controls, open to callers like a designed form's -----------------
    QToolBar* const Toolbar1 = new QToolBar(this);
    platform::KeyedActions Buttons;
    QStatusBar* const StatusBar1 = new QStatusBar;
    platform::KeyedPanels Panels;
    HistoryGrid* VSFlexGrid1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    PageModel* Page = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuRead = nullptr;
    QAction* mnuPrecedFile = nullptr;
    QAction* mnuFollowFile = nullptr;
    QAction* mnuRangeSave = nullptr;
    QAction* mnuAllSave = nullptr;
    QAction* mnuHtml = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuPrintProp = nullptr;
    QAction* mnuMonitor = nullptr;
    QAction* mnuProtocol = nullptr;
    QAction* mnuPcn4 = nullptr;
    QAction* mnuEnd = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuTop = nullptr;
    QAction* mnuFind = nullptr;
    QAction* mnuLineNo = nullptr;
    QAction* mnuRange = nullptr;
    QMenu* mnuMarkJump = nullptr;
    QAction* mnuMarkJumpBegin = nullptr;
    QAction* mnuMarkJumpEnd = nullptr;
    QMenu* mnuMarkSet = nullptr;
    QAction* mnuMarkSetBegin = nullptr;
    QAction* mnuMarkSetEnd = nullptr;
    QAction* mnuBottom = nullptr;
    QMenu* mnuDsp = nullptr;
    QAction* mnuHistory = nullptr;
    QAction* mnuDspLineDual = nullptr;
    QAction* mnuDspLineSd = nullptr;
    QAction* mnuDspLineRd = nullptr;
    QAction* mnuDspCodeAscii = nullptr;
    QAction* mnuDspCodeJis7 = nullptr;
    QAction* mnuDspCodeJis8 = nullptr;
    QAction* mnuDspCodeEbcdic = nullptr;
    QAction* mnuDspCodeUni = nullptr;
    QAction* mnuDspCodeShift = nullptr;
    QMenu* mnuDspCursol = nullptr;
    QAction* mnuDspCurTop = nullptr;
    QAction* mnuDspCurBegin = nullptr;
    QAction* mnuDspCurEnd = nullptr;
    QAction* mnuColor = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpTopic = nullptr;
    QAction* mnuHelpVerion = nullptr;
    QMenu* mnuRight = nullptr;
    QAction* mnuRightTop = nullptr;
    QAction* mnuRightLine = nullptr;
    QMenu* mnuRightMarkJump = nullptr;
    QAction* mnuRightTrigJump = nullptr;
    QMenu* mnuRightMarkSet = nullptr;
    QAction* mnuRightBottom = nullptr;
    QMenu* mnuDbl = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // frmMainDesign.cpp
    void Design();
    void DesignToolbar();
    void DesignStatusBar();
    void DesignGrid();
    void DesignFileMenu();
    void DesignEditMenu();
    void DesignDspMenu();
    void DesignHelpMenu();
    void DesignPopups();
    QAction* MenuItem(QMenu* menu, const char* name, const char* caption,
                      const std::function<void()>& handler, const char* shortcut = nullptr);
    QMenu* SubMenu(QMenu* parent, const char* name, const char* caption);
    void DefaultDialogs();

    // frmMain.cpp
    bool Form_QueryUnload();
    void Form_Resize();
    void LoadedCommandsEnable(bool loaded);
    void HistoryShow(const std::string& path);
    void LineMenusByDirection(int16_t direction);
    void CountPanelsSet();
    void SaveRun(bool range);

    // frmMainReports.cpp
    void HtmlWrite(const std::string& path, int form);
    void PrintCommandsEnable();

    // frmMainGrid.cpp
    GridLayoutResult GridLayoutApply();
    // The cell sizes the grid's font needs for the current history; every
    // layout takes them first, the one after an open as much as a resize.
    void GridMetricsSet();
    void ScrollBarApply();
    void GridPlace();
    void PageRedraw();
    void TimePanelRefresh();
    void PanelsClear();
    bool CursorCellHasText() const;
    void NavApply(const NavResult& result);
    void DspCodeApply();
    void DspLineApply();
    void VScroll1_Change(int value);
    void Grid_KeyDown(int key);
    void Grid_CursorChanged(int oldRow, int newRow, int newCol);
    void Grid_DoubleClick(const QPoint& at);
    void Grid_RightButton(const QPoint& at);
    void Grid_Drop(const std::string& path);
    void MsgShow(const std::string& text, int16_t icon);
    bool Loaded() const;

    ViewerContext& ctx_;
    GridLayoutResult layout_;
    std::string appTitle_;
    std::string version_;
    SiblingPrograms siblings_;
    QPointer<frmFind> find_;
    QPointer<frmProp> prop_;
    QPointer<reports::ui::frmHTML> html_;
    // A print run or an HTML export is under way: it yields to the window
    // system, and the history it reads must stay.
    bool reporting_ = false;
};

}  // namespace viewer::ui
