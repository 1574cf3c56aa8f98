// The analyser's main window: the paged frame chart between two comment
// columns, the device-name boxes, the navigation strip, the toolbar, two
// status bars and the menus. It holds the open document (gProtocol), its
// rows (gFilter) and the chart's model; its handlers call the chart's
// paging and layout rules and draw what they decide.
//
// The dialogs plug in through the public operations below and through
// SetCommand, which gives a menu item its handler: an item without one
// stays disabled.
#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "AnalyserState.h"
#include "ChartLayout.h"
#include "ChartModel.h"
#include "FontColorDialog.h"
#include "SaveQuestion.h"
#include "platform/ui/KeyedActions.h"
#include "platform/ui/KeyedPanels.h"
#include "platform/ui/MsgBoxCore.h"

class QCloseEvent;
class QDialog;
class QResizeEvent;

namespace analyser::ui {

class ChartSplitter;
class CommentColumn;
class CommentEditor;
class FrameChart;
class ProtocolRowSource;
class frmFind;
class frmProp;

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    static constexpr char kTitle[] = "Nubera Pro";
    static constexpr char kHelpFile[] = "Dissecto.chm";
    static constexpr int kClientWidth = 6765;  // twips, the first client area
    static constexpr int kClientHeight = 5295;

    explicit frmMain(std::string programFolder);
    ~frmMain() override;

    // The load step up to showing the window.
    void Form_Load();
    // The start-up's last step: opens the command-line file when it names
    // an existing file; anything else is ignored without a message.
    void CommandLineOpen(const std::string& text);

    // --- operations the dialogs call ----------------------------------------
    // Makes a row current (clamped), pages the chart to it and fills the
    // status panels. The one way to move in the chart.
    void fCurrentFrameChange(int64_t row);
    // The message panel; "" clears it.
    void fTextSetOnStatusBar(const std::string& text);
    // Opens a frame file with the configuration its header names. The
    // open document, its comments and its rows are replaced only when the
    // new file was read; a failure shows its message and keeps them.
    // Callers that replace an open document ask CommentChangesResolved
    // first.
    bool fFileOpenKYP(const std::string& vKYPFileName, const std::string& vKYFFileName = "");
    // Before changed comments would be dropped (the window closes, another
    // file is opened or converted into the window): asks whether to save
    // them, and saves over the open file on Yes as "保存(&S)..." does. True
    // when the caller may go on; false keeps the document (Cancel, or a
    // save that failed and has said so). The question shows over owner,
    // or over this window when none is given.
    bool CommentChangesResolved(QWidget* owner = nullptr);
    // A comment edit changed the document since it was opened or saved
    // over.
    bool CommentsChanged() const { return commentsChanged_; }
    // Makes current the row that shows frame, or says "見つかりませんでした".
    void fFrameNoJump(int32_t frame);
    // Rebuilds the row table: with a readable link table the rows carry
    // its names, otherwise their bytes in the checked display code.
    void fSetTblRelation(const std::string& vLinkFile, bool vInit);
    // Redraws the page from row top (the chart keeps its current row).
    void fPageDraw(int32_t top);
    // Puts the caption, menus and panels in the open (true) or closed
    // state.
    void fFileOpenFlgChange(bool vOpen);
    // A plain message box of the program (title "Nubera Pro").
    void MsgShow(const std::string& text, int16_t icon);

    // The find window's searches over the rows, from the current row in
    // the direction of its list; the first hit becomes current. The text
    // search looks at the fields the find window ticks; both read the find
    // window, loading it when it is not loaded.
    bool fFindLinkCaption(const std::string& vSearchName, int16_t vDirection, bool vAllMatch);
    // vSearchStr: the bytes looked for.
    bool fFindData(const std::string& vSearchStr);
    bool fFindError(bool vErrP, bool vErrO, bool vErrF, bool vAndFlg);

    // --- state the dialogs read -----------------------------------------------
    AnalyserState& State() { return state_; }
    const ChartModel& Chart() const { return chart_; }
    ChartMarks& Marks() { return chart_.Marks; }
    int32_t CurrentRow() const { return chart_.Paging.CurrentRow(); }
    int32_t FrameCount() const { return mFrameCount_; }
    // The row table's entry of a frame (caption, arrow, colour).
    RowEntry TableEntry(int32_t frame) const { return chart_.Rows.Entry(frame); }
    FrameViewCode ViewCode() const;

    // --- menu commands ---------------------------------------------------------
    // Gives item its handler and switches it on as the window's state
    // allows; an empty handler switches it off for good.
    void SetCommand(QAction* item, std::function<void()> handler);
    bool HasCommand(const QAction* item) const;
    // Runs item's handler, as choosing it does.
    void RunCommand(QAction* item);
    // Called when the window goes to its closed state (the find and filter
    // windows close then).
    void AddClosedStateHook(std::function<void()> hook);

    void mnuFileOpen_Click();
    void mnuFileOpenWithKYF_Click();
    void mnuFileExit_Click();
    void mnuFilePrint_Click();
    void mnuViewCode_Click(FrameViewCode code);
    void mnuViewWidth_Click(ChartSize size);
    void mnuViewFont_Click();
    void mnuViewArrangement_Click();
    void mnuHelpTopic_Click();
    void Toolbar1_ButtonClick(const QString& key);

    // Saving and CSV export (frmMainSave.cpp).
    void mnuFileSaveOver_Click();
    void mnuFileSaveAll_Click();
    void mnuFileSaveLimit_Click();
    void mnuFileCsvAll_Click();
    void mnuFileCsvLimit_Click();
    // Comments (frmMainComments.cpp): side 0 the left column, 1 the right.
    void lblComments_Click(int side, int slot);
    void mnuRightsComments_Click(int side);
    // Jumps, the find window and the information windows (frmMainFind.cpp).
    void mnuEditJump_Click();
    void mnuRightHead_Click();
    void mnuRightTail_Click();
    void mnuEditSerch_Click();
    void mnuViewHistory_Click();
    void mnuHelpAbout_Click();
    // The find window when it is loaded, else nullptr; load loads it.
    frmFind* FindWindow(bool load = false);
    // The recording conditions window while it is open, else nullptr.
    frmProp* HistoryWindow() const;
    // Where the small windows put their top-left corner, in twips on the
    // desktop: right of the left comment column and level with its top;
    // or the main window's centre.
    QPoint CornerBesideChart() const;
    QPoint CentreTwips() const;

    void cmdBeforeBegin_Click();
    void cmdBefore_Click();
    void cmdBeforePage_Click();
    void cmdNext_Click();
    void cmdNextPage_Click();
    void cmdNextEnd_Click();
    void picFrameView_KeyDown(int keyCode);
    void txtCurrentFrame_Enter();

    // --- seams: the common dialogs and pop-ups, replaced by tests --------------
    // The open dialog: title, filter; "" is a Cancel.
    std::function<std::string(const QString& title, const QString& filter)> OpenFileAsk;
    // The frame configuration picker (the file picker's KYF list); "" is a
    // Cancel. Until it is set, "フレーム構成ファイルを指定して開く" is off.
    std::function<std::string()> FrameConfigPick;
    std::function<std::optional<FontChoice>(const FontChoice& start)> FontAsk;
    std::function<void(QMenu* menu, const QPoint& globalPos)> PopupRun;
    // The PDF file to print into while the current printer is the PDF
    // file; "" is a Cancel.
    std::function<std::string()> PdfFileAsk;
    // The printer set-up dialog; true on OK.
    std::function<bool()> PrinterSetupAsk;
    // Every message box goes through here; tests record them.
    std::function<void(const std::string& text, int16_t icon)> MessageShow;
    // The question about unsaved comments over a window (SaveQuestionBox);
    // tests answer it.
    std::function<SaveAnswer(QWidget* owner, const std::string& text)> SaveQuestion;
    // Called for every row a page draws; tests make it fail.
    std::function<void(int32_t row)> RowDrawProbe;
    // The save dialog: title, filter, start folder; "" is a Cancel.
    std::function<std::string(const QString& title, const QString& filter, const std::string& folder)>
        SaveFileAsk;
    // Runs a modal window (the jump and about windows) until it closes.
    std::function<void(QDialog& dialog)> ModalRun;

    // --- controls, open to callers like a designed form's ------------------------
    QWidget* Client = nullptr;
    QToolBar* Toolbar1 = nullptr;
    platform::KeyedActions Buttons;
    QStatusBar* StatusBar1 = nullptr;
    QStatusBar* StatusBar2 = nullptr;
    platform::KeyedPanels Panels;
    QLineEdit* txtDevice[2] = {};
    CommentColumn* picCommentsL = nullptr;
    FrameChart* picFrameView = nullptr;
    CommentColumn* picCommentsR = nullptr;
    CommentEditor* txtEditComments[2] = {};  // txtEditCommentsL, txtEditCommentsR
    ChartSplitter* imgSplitter[2] = {};
    QWidget* picSplitter[2] = {};
    QFrame* frameInfo = nullptr;
    QLabel* lblFrameInfo = nullptr;
    QWidget* Picture1 = nullptr;
    QPushButton* cmdBeforeBegin = nullptr;
    QPushButton* cmdBeforePage = nullptr;
    QPushButton* cmdBefore = nullptr;
    QLineEdit* txtCurrentFrame = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdNextPage = nullptr;
    QPushButton* cmdNextEnd = nullptr;
    QLabel* lblFrameMax = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileOpenWithKYF = nullptr;
    QAction* mnuFileSaveOver = nullptr;
    QMenu* mnuFileSave = nullptr;
    QAction* mnuFileSaveAll = nullptr;
    QAction* mnuFileSaveLimit = nullptr;
    QAction* mnuFilePrint = nullptr;
    QMenu* mnuFileCsv = nullptr;
    QAction* mnuFileCsvAll = nullptr;
    QAction* mnuFileCsvLimit = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuEditFilter = nullptr;
    QMenu* mnuEditRelation = nullptr;
    QAction* mnuEditRelationSet = nullptr;
    QAction* mnuEditRelationUndo = nullptr;
    QAction* mnuEditJump = nullptr;
    QMenu* mnuEditMarkJump = nullptr;
    QAction* mnuEditMarkJumpBegin = nullptr;
    QAction* mnuEditMarkJumpEnd = nullptr;
    QAction* mnuEditMarkJumpLine = nullptr;
    QAction* mnuEditMarkJumpMark[6] = {};  // 1 to 5
    QMenu* mnuEditMarkSet = nullptr;
    QAction* mnuEditMarkSetBegin = nullptr;
    QAction* mnuEditMarkSetEnd = nullptr;
    QAction* mnuEditMarkSetMark[6] = {};  // 1 to 5
    QAction* mnuEditSerch = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuViewDetail = nullptr;
    QAction* mnuViewHistory = nullptr;
    QAction* mnuViewArrangement = nullptr;
    QAction* mnuViewLine3 = nullptr;
    QAction* mnuViewHex = nullptr;
    QAction* mnuViewAscii = nullptr;
    QAction* mnuViewUnicode = nullptr;
    QAction* mnuViewShiftJIS = nullptr;
    QMenu* mnuViewWidth = nullptr;
    QAction* mnuViewWidthL = nullptr;
    QAction* mnuViewWidthM = nullptr;
    QAction* mnuViewWidthS = nullptr;
    QAction* mnuViewFont = nullptr;
    QMenu* mnuTool = nullptr;
    QAction* mnuToolConvert = nullptr;
    QAction* mnuToolFrameMake = nullptr;
    QAction* mnuToolLink = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpTopic = nullptr;
    QAction* mnuHelpAbout = nullptr;
    QMenu* mnuRight = nullptr;
    QAction* mnuRightHead = nullptr;
    QAction* mnuRightOpen = nullptr;
    QAction* mnuRightsCommentsL = nullptr;
    QAction* mnuRightsCommentsR = nullptr;
    QAction* mnuRightLine2 = nullptr;
    QAction* mnuRightJump = nullptr;
    QMenu* mnuRightMarkJump = nullptr;
    QAction* mnuRightMarkJumpBegin = nullptr;
    QAction* mnuRightMarkJumpEnd = nullptr;
    QAction* mnuRightMarkJumpLine = nullptr;
    QAction* mnuRightMarkJumpMark[6] = {};  // 1 to 5
    QMenu* mnuRightMarkSet = nullptr;
    QAction* mnuRightMarkSetBegin = nullptr;
    QAction* mnuRightMarkSetEnd = nullptr;
    QAction* mnuRightMarkSetMark[6] = {};  // 1 to 5
    QAction* mnuRightLine4 = nullptr;
    QAction* mnuRightTail = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // frmMainDesign.cpp: the controls, menus and bars.
    void Design();
    void DesignToolbar();
    void DesignStatusBars();
    void DesignPanes();
    void DesignFrameInfo();
    void DesignFileMenu();
    void DesignEditMenu();
    void DesignViewMenu();
    void DesignToolHelpMenus();
    void DesignPopup();
    QAction* Item(QMenu* menu, const char* name, const char* caption, const char* shortcut = nullptr);
    QMenu* SubMenu(QMenu* parent, const char* name, const char* caption);
    void MarkItems(QMenu* menu, const char* prefix, QAction* (&items)[6], bool ampersand);
    void DefaultSeams();
    void OwnCommands();
    void fChartControlsInit();

    // frmMainOpen.cpp: the open roads and the two window states.
    enum class OpenRoad { Menu, WithConfig, Direct };
    int16_t OpenSequence(const std::string& path, const std::string& configPath, OpenRoad road);
    void OpenFailureShow(int16_t result, const std::string& path, const std::string& configPath,
                         OpenRoad road);
    void CommandStatesApply();
    void StatusBar2Show();
    void FileDrop(const QString& path);
    void FolderRemember(std::string& folder, const std::string& chosenPath);

    // frmMainChart.cpp: drawing, navigation and layout.
    void ChartSync();
    SlotHeights SlotMeasure(int32_t row) const;
    void ChangeApply(const ChartChange& change);
    void Navigate(ChartChange (ChartPaging::*step)());
    void FramePanelsFill(int32_t row);
    void ChartRepaint();
    void DrawFailed();
    void fDeviceNameSet(const std::string& name, int index);
    void fSizeControls(int a, int b);
    void Form_Resize();
    void StatusPanelsFit();
    WindowMetrics Metrics() const;
    void Place(QWidget* widget, const PaneRect& rect);
    void ChartSizeSet(ChartSize size);
    void SlotPressed(int slot, int button);
    void SlotClicked(int slot);
    void SlotDoubleClicked(int slot, int button);
    void EmptyPressed(int button, const QPoint& globalPos);
    void Popup(const QPoint& globalPos);
    void SplitterDown(int index);
    void SplitterMove(int index, int x);
    void SplitterUp(int index);
    void Redraw();

    // frmMainSave.cpp
    void SaveCommands();
    void SaveDocumentPrepare();
    bool SaveOver();
    bool SaveRows(const std::string& path, bool everyFrame, int32_t begin, int32_t end);
    std::optional<RowRange> RowsToWrite(bool range);
    void SaveAs(bool range);
    void CsvWrite(bool range);
    void FileFailureShow(const std::string& path);

    // frmMainComments.cpp: comments and marks.
    void CommentMarkCommands();
    void CommentEditStart(int side, int slot);
    void CommentEditEnd(int side);
    void CommentEditFinish();
    void fMarkBeginSet();
    void fMarkEndSet();
    void fMarkSet(int vIndex);
    void MarkJumpItemsShow();
    int32_t CurrentFrame() const;

    // frmMainFind.cpp
    void FindJumpCommands();
    bool SearchFrom(int16_t direction, const std::function<bool(int32_t frame)>& match);
    int16_t FindDirection();

    AnalyserState state_;
    ChartModel chart_;
    std::unique_ptr<ProtocolRowSource> rowSource_;
    int32_t mFrameCount_ = 0;
    bool commentsChanged_ = false;
    int mLastButton_ = 0;
    int splitterLeft_[2] = {};  // imgSplitter(k).Left, twips
    int barLeft_[2] = {};       // picSplitter(k).Left
    bool mSplitterMoving_ = false;
    bool drawFailing_ = false;
    bool shownOnce_ = false;
    ChartSize chartSize_ = ChartSize::Small;
    std::vector<QAction*> items_;  // every menu item, for the state switches
    std::map<const QAction*, std::function<void()>> commands_;
    std::vector<std::function<void()>> closedHooks_;
    struct CommentEdit {
        int Slot = -1;  // -1: no edit
        int32_t Row = 0;
        int32_t Frame = 0;
        int32_t CurrentAtStart = 0;
        bool Cancelled = false;
    } commentEdit_[2];
    QPointer<frmFind> find_;
    QPointer<frmProp> prop_;
    platform::MsgBoxCore msgBox_;
};

}  // namespace analyser::ui
