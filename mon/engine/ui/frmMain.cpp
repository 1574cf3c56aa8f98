#include "frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QResizeEvent>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

#include "Engine.h"
#include "LiveCellDelegate.h"
#include "SubFormWindow.h"
#include "clsMsgBox.h"
#include "frmMessage.h"
#include "frmSetKyPc.h"
#include "platform/ui/BgrColor.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/Twips.h"
#include "platform/ui/UiFont.h"
#include "platform/ui/WindowOwner.h"
#include "platform/ui/WindowPlacement.h"
#include "platform/ui/frmAbout.h"

namespace mon {

namespace {

constexpr int kLampTwips = 180;
constexpr uint32_t kLampGreyBgr = 0xC0C0C0;
constexpr char kHelpFile[] = "Capturo.chm";
// The maintenance window's key chord: this letter, released in the grid
// while Shift, Ctrl and Alt are held.
constexpr int kExtensionKey = Qt::Key_E;
constexpr Qt::KeyboardModifiers kExtensionModifiers = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

QString Q(const std::string& text) { return QString::fromStdString(text); }

int16_t Count16(int n) {
    return static_cast<int16_t>(
        std::clamp(n, 0, static_cast<int>(std::numeric_limits<int16_t>::max())));
}

void ForeColorSet(QLabel* label, int32_t bgr) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, platform::ColorFromBgr(static_cast<uint32_t>(bgr)));
    label->setPalette(palette);
}

}  // namespace

frmMain::frmMain(Engine& engine, clsMsgBox& msgBox, std::string appTitle, std::string version)
    : Buttons([this](const QString& key) { Toolbar1_ButtonClick(key); }),
      engine_(engine),
      msgBox_(msgBox),
      appTitle_(std::move(appTitle)),
      version_(std::move(version)) {
    Design();
}

frmMain::~frmMain() { SubWindowsDelete(); }

// --- design -----------------------------------------------------------------

void frmMain::Design() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("モニタ - [無題]"));
    setFont(platform::UiFont());
    DesignToolbar();
    DesignMenus();
    DesignGrid();
    DesignStatusBars();
    auto* client = new QWidget;
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(VSFlexGrid, 1);
    column->addWidget(StatusBar1);
    column->addWidget(StatusBar2);
    column->addWidget(StatusBar3);
    setCentralWidget(client);
    setMinimumSize(platform::TwipsToPixels(kMainMinWidth, this),
                   platform::TwipsToPixels(kMainMinHeight, this));
    resize(platform::TwipsToPixels(kDesignWidth, this),
           platform::TwipsToPixels(kDesignHeight, this));
}

void frmMain::DesignToolbar() {
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Toolbar1);
    const QStyle* s = style();
    Buttons.Add(Toolbar1, "Start", s->standardIcon(QStyle::SP_MediaPlay),
                QStringLiteral("モニタ開始"));
    Buttons.Add(Toolbar1, "Stop", s->standardIcon(QStyle::SP_MediaStop),
                QStringLiteral("モニタ終了"));
    Buttons.Add(Toolbar1, "Kill", s->standardIcon(QStyle::SP_BrowserStop),
                QStringLiteral("強制終了"));
    Toolbar1->addSeparator();
    Buttons.Add(Toolbar1, "Monitor", s->standardIcon(QStyle::SP_FileDialogDetailedView),
                QStringLiteral("モニタ設定"));
    Buttons.Add(Toolbar1, "KyPc", s->standardIcon(QStyle::SP_ComputerIcon),
                QStringLiteral("KY_PC設定"));
}

QAction* frmMain::MenuItem(QMenu* menu, const char* name, const char* caption,
                           void (frmMain::*handler)()) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromLatin1(name));
    connect(item, &QAction::triggered, this,
            [this, handler] { platform::NoThrow("menu", [&] { (this->*handler)(); }); });
    return item;
}

void frmMain::DesignMenus() {
    DesignFileMenu();
    DesignSetMenu();
    DesignHelpMenu();
}

void frmMain::DesignFileMenu() {
    mnuFile = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileSave = MenuItem(mnuFile, "mnuFileSave", "保存先(&S)", &frmMain::mnuFileSave_Click);
    mnuFileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFile->addSeparator();
    mnuFileEnd = MenuItem(mnuFile, "mnuFileEnd", "終了(&E)", &frmMain::mnuFileEnd_Click);
}

void frmMain::DesignSetMenu() {
    mnuSet = menuBar()->addMenu(QStringLiteral("設定(&S)"));
    mnuSet->setObjectName(QStringLiteral("mnuSet"));
    mnuSetAgain = MenuItem(mnuSet, "mnuSetAgain", "再接続(&R)", &frmMain::mnuSetAgain_Click);
    mnuSet->addSeparator();
    mnuSetKyPc = MenuItem(mnuSet, "mnuSetKyPc", "KY_PC設定(&P)", &frmMain::mnuSetKyPc_Click);
    mnuSetmonitor =
        MenuItem(mnuSet, "mnuSetmonitor", "ﾓﾆﾀ設定(&H)", &frmMain::mnuSetmonitor_Click);
    mnuSet->addSeparator();
    QMenu* display = mnuSet->addMenu(QStringLiteral("表示形式(&K)"));
    display->setObjectName(QStringLiteral("mnuSetDsp"));
    mnuSetDspData =
        MenuItem(display, "mnuSetDspData", "データのみ(&D)", &frmMain::mnuSetDspData_Click);
    mnuSetDspDetail =
        MenuItem(display, "mnuSetDspDetail", "詳細(&T)", &frmMain::mnuSetDspDetail_Click);
    mnuSetDspData->setCheckable(true);
    mnuSetDspDetail->setCheckable(true);
    QMenu* colors = mnuSet->addMenu(QStringLiteral("表示色(&I)"));
    colors->setObjectName(QStringLiteral("mnuSetColor"));
    mnuSetColorSd =
        MenuItem(colors, "mnuSetColorSd", "SDライン(&S)", &frmMain::mnuSetColorSd_Click);
    mnuSetColorRd =
        MenuItem(colors, "mnuSetColorRd", "RDライン(&R)", &frmMain::mnuSetColorRd_Click);
    mnuSetExtension =
        MenuItem(mnuSet, "mnuSetExtension", "拡張コマンド(&E)", &frmMain::mnuSetExtension_Click);
    mnuSetExtension->setVisible(false);
}

void frmMain::DesignHelpMenu() {
    mnuHelp = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpTopic =
        MenuItem(mnuHelp, "mnuHelpTopic", "ﾄﾋﾟｯｸの検索(&T)", &frmMain::mnuHelpTopic_Click);
    mnuHelpTopic->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelp->addSeparator();
    mnuHelpVersion =
        MenuItem(mnuHelp, "mnuHelpVersion", "ﾊﾞｰｼﾞｮﾝ情報(&A)...", &frmMain::mnuHelpVersion_Click);
}

void frmMain::DesignGrid() {
    VSFlexGrid->setObjectName(QStringLiteral("VSFlexGrid"));
    VSFlexGrid->horizontalHeader()->hide();
    VSFlexGrid->verticalHeader()->hide();
    VSFlexGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    VSFlexGrid->setItemDelegate(new LiveCellDelegate(VSFlexGrid));
    // The layout fits the rows and columns to the grid: nothing to scroll.
    VSFlexGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    VSFlexGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int rowPx = VSFlexGrid->fontMetrics().height() + 4;
    QHeaderView* rows = VSFlexGrid->verticalHeader();
    rows->setMinimumSectionSize(rowPx);
    rows->setDefaultSectionSize(rowPx);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    VSFlexGrid->horizontalHeader()->setMinimumSectionSize(0);
    VSFlexGrid->installEventFilter(this);
}

void frmMain::DesignStatusBars() {
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar2->setObjectName(QStringLiteral("StatusBar2"));
    StatusBar3->setObjectName(QStringLiteral("StatusBar3"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar2->setSizeGripEnabled(false);
    Panels.Add(StatusBar1, "Status", "", "", 0);
    Panels.Add(StatusBar1, "BaudRate", "", QStringLiteral("回線速度,ｷｬﾗｸﾀ長,ﾊﾟﾘﾃｨ"), 2400);
    Panels.Add(StatusBar1, "SdCount", "SD:000000", QStringLiteral("ＳＤカウント"), 1300);
    Panels.Add(StatusBar1, "RdCount", "RD:000000", QStringLiteral("ＲＤカウント"), 1300);
    Panels.Add(StatusBar1, "DualCount", "TR:000000", QStringLiteral("トータルカウント"), 1300);
    Panels.Add(StatusBar2, "RangeStart", "", QStringLiteral("範囲指定開始時刻"), 2700);
    Panels.Add(StatusBar2, "RangeStop", "", QStringLiteral("範囲指定終了時刻"), 2700);
    Panels.Add(StatusBar2, "Trig", "", QStringLiteral("トリガ"), 1200);
    Panels.Add(StatusBar2, "ErrStop", "", QStringLiteral("エラーストップ"), 1100);
    Panels.Add(StatusBar2, "Code", "", QStringLiteral("表示コード"), 1000);
    Panels.Add(StatusBar2, "MemoryMode", "", QStringLiteral("メモリモード"), 1200);
    DesignConnectPanel();
    Panels.Add(StatusBar3, "Direction", "", QStringLiteral("モニタライン"), 800);
    DesignColorPanel("SdColor", PictureSd, ldlSdColor, QStringLiteral("表示色(SD)"));
    DesignColorPanel("RdColor", PictureRd, lblRdColor, QStringLiteral("表示色(RD)"));
}

void frmMain::DesignConnectPanel() {
    QLabel* panel = Panels.Add(StatusBar3, "Connect", "CONNECT", "", 1400);
    PictureConnect->setObjectName(QStringLiteral("PictureConnect"));
    PictureConnect->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PictureConnect->setFixedSize(platform::TwipsToPixels(kLampTwips, this),
                                 platform::TwipsToPixels(kLampTwips, this));
    PictureConnect->setAutoFillBackground(true);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, platform::TwipsToPixels(90, this), 0);
    row->addStretch(1);
    row->addWidget(PictureConnect);
    LampColorSet(kLampGreyBgr);
}

void frmMain::DesignColorPanel(const QString& key, QFrame* picture, QLabel* label,
                               const QString& tip) {
    QLabel* panel = Panels.Add(StatusBar3, key, "", "", 480);
    picture->setObjectName(key == "SdColor" ? QStringLiteral("PictureSd")
                                            : QStringLiteral("PictureRd"));
    label->setObjectName(key == "SdColor" ? QStringLiteral("ldlSdColor")
                                          : QStringLiteral("lblRdColor"));
    label->setToolTip(tip);
    label->setAlignment(Qt::AlignCenter);
    auto* inPanel = new QHBoxLayout(panel);
    inPanel->setContentsMargins(1, 1, 1, 1);
    inPanel->addWidget(picture);
    auto* inPicture = new QHBoxLayout(picture);
    inPicture->setContentsMargins(0, 0, 0, 0);
    inPicture->addWidget(label);
}

// --- loading, closing, resizing ---------------------------------------------

void frmMain::Form_Load() {
    MonitorControlsSet(kIdleControls);
    MainFormRectSave();
    GridClearAll();
    VSFlexGrid->setColumnWidth(0, platform::TwipsToPixels(kDataCellTwips, this));
    mnuSetDspData->setChecked(engine_.DisplayMode == kDisplayData);
    mnuSetDspDetail->setChecked(engine_.DisplayMode != kDisplayData);
}

void frmMain::MainFormRectSave() { MainFormRect = platform::WindowTwips(this); }

void frmMain::MonitorControlsSet(const MonitorControls& c) {
    Buttons.SetEnabled("Start", c.start);
    Buttons.SetEnabled("Stop", c.stop);
    Buttons.SetEnabled("Kill", c.kill);
    Buttons.SetEnabled("Monitor", c.monitor);
    Buttons.SetEnabled("KyPc", c.kyPc);
    // On the menus themselves, not their bar entries: a menu follows its
    // window's enabling, and the main window is disabled and enabled again
    // by every dialog, which must not undo this.
    for (QMenu* menu : {mnuFile, mnuSet, mnuHelp}) menu->setEnabled(c.menus);
}

void frmMain::closeEvent(QCloseEvent* event) {
    bool close = false;
    platform::NoThrow("main window", [&] { close = Form_QueryUnload(); });
    if (close) {
        event->accept();
    } else {
        event->ignore();
    }
}

// A close while the engine works on the unit is refused without a word.
bool frmMain::Form_QueryUnload() {
    if (engine_.EngineState != kStateIdle) return false;
    engine_.ExitRequested = -1;
    return true;
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    platform::NoThrow("main window", [&] { Form_Resize(); });
}

void frmMain::Form_Resize() {
    if (isMinimized()) return;
    const platform::TwipsRect now = platform::WindowTwips(this);
    const std::optional<TwipsSize> forced = ForcedMainSize(
        engine_.EngineState, {now.width, now.height}, {MainFormRect.width, MainFormRect.height});
    if (!forced) return;
    // A maximised window cannot keep a locked size.
    if ((windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0) {
        setWindowState(Qt::WindowNoState);
    }
    resize(platform::TwipsToPixels(forced->width, this),
           platform::TwipsToPixels(forced->height, this));
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == VSFlexGrid && event->type() == QEvent::Resize) {
        platform::NoThrow("main window", [&] { GridResized(); });
    }
    if (watched == VSFlexGrid && ExtensionChord(event)) {
        platform::NoThrow("main window", [&] { mnuSetExtension_Click(); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool frmMain::ExtensionChord(const QEvent* event) const {
    if (event->type() != QEvent::KeyRelease) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return !key->isAutoRepeat() && key->key() == kExtensionKey &&
           (key->modifiers() & kExtensionModifiers) == kExtensionModifiers;
}

// The grid is laid out once the window's layout has sized it. While the
// engine is busy it keeps the rows and columns monitoring was sized from.
void frmMain::GridResized() {
    if (engine_.EngineState != kStateIdle) return;
    FrmChg();
    GridSizeSave();
}

// --- the grid -----------------------------------------------------------------

void frmMain::FrmChg() {
    const int width = platform::PixelsToTwips(VSFlexGrid->width(), this);
    const int height = platform::PixelsToTwips(VSFlexGrid->height(), this);
    const int row =
        platform::PixelsToTwips(VSFlexGrid->verticalHeader()->defaultSectionSize(), this);
    GridLayoutApply(FrmChgLayout(engine_.DisplayMode, width, height, row, DateColumnTwips()));
}

// What a time stamp needs in the grid's font, the cell's margins included.
int frmMain::DateColumnTwips() const {
    const int margin =
        VSFlexGrid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, VSFlexGrid) + 1;
    const int text = VSFlexGrid->fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00 00:00:00"));
    return platform::PixelsToTwips(text + 2 * margin + 2, this);
}

void frmMain::GridLayoutApply(const GridLayout& layout) {
    VSFlexGrid->setColumnCount(layout.cols);
    VSFlexGrid->setRowCount(layout.rows);
    for (int c = 0; c < layout.cols; ++c) {
        VSFlexGrid->setColumnWidth(
            c, platform::TwipsToPixels(layout.colWidths[static_cast<size_t>(c)], this));
    }
    const Qt::Alignment align =
        layout.align == CellAlign::Right ? (Qt::AlignRight | Qt::AlignVCenter) : Qt::AlignCenter;
    cellAlign_ = align;
    fixedRows_ = layout.fixedRows;
    for (int r = 0; r < layout.rows; ++r) {
        for (int c = 0; c < layout.cols; ++c) {
            QTableWidgetItem* cell = VSFlexGrid->item(r, c);
            if (cell == nullptr) {
                cell = new QTableWidgetItem;
                VSFlexGrid->setItem(r, c, cell);
            }
            cell->setTextAlignment(align);
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            cell->setBackground(QBrush());
        }
    }
    GridFixedRowShow(layout);
    VSFlexGrid->setSelectionBehavior(layout.selection == 1 ? QAbstractItemView::SelectRows
                                                           : QAbstractItemView::SelectItems);
}

void frmMain::GridFixedRowShow(const GridLayout& layout) {
    if (layout.fixedRows == 0 || layout.rows == 0) return;
    for (int c = 0; c < layout.cols; ++c) {
        QTableWidgetItem* cell = VSFlexGrid->item(0, c);
        cell->setText(Q(layout.headers[static_cast<size_t>(c)]));
        cell->setFlags(Qt::ItemIsEnabled);
        cell->setBackground(palette().button());
    }
}

// The data cells only: a detail grid keeps its header row, and every cell
// the alignment of its layout.
void frmMain::GridClear() {
    for (int r = fixedRows_; r < VSFlexGrid->rowCount(); ++r) {
        for (int c = 0; c < VSFlexGrid->columnCount(); ++c) {
            if (QTableWidgetItem* cell = VSFlexGrid->item(r, c)) cell->setText(QString());
        }
    }
}

// Everything, before the grid is laid out anew.
void frmMain::GridClearAll() { VSFlexGrid->clearContents(); }

void frmMain::GridSizeSave() {
    GridRows = Count16(VSFlexGrid->rowCount());
    GridCols = Count16(VSFlexGrid->columnCount());
    engine_.GridRows = GridRows;
    engine_.GridCols = GridCols;
}

// --- toolbar and menus ----------------------------------------------------------

void frmMain::Toolbar1_ButtonClick(const QString& key) {
    if (key == "Start") {
        engine_.StopByUser = 0;
        engine_.CaptureStart();
    } else if (key == "Stop") {
        engine_.StopByUser = -1;
        engine_.CaptureStopAsk();
    } else if (key == "Kill") {
        // Ends monitoring on this side at once; the unit is not told.
        engine_.LampState = kLampRed;
        engine_.CaptureEnd();
    } else if (key == "Monitor") {
        mnuSetmonitor_Click();
    } else if (key == "KyPc") {
        mnuSetKyPc_Click();
    }
}

// --- monitoring ---------------------------------------------------------------

void frmMain::ToolbarApply(const ToolbarState& s) {
    const std::pair<const char*, std::optional<bool>> buttons[] = {
        {"Start", s.start}, {"Stop", s.stop}, {"Kill", s.kill}, {"Monitor", s.monitor}, {"KyPc", s.kyPc}};
    for (const auto& [key, on] : buttons) {
        if (on) Buttons.SetEnabled(key, *on);
    }
    if (s.menus) {
        for (QMenu* menu : {mnuFile, mnuSet, mnuHelp}) menu->setEnabled(*s.menus);
    }
}

void frmMain::CaptionSet(const std::string& caption) { setWindowTitle(Q(caption)); }

void frmMain::BusyPointer(bool on) {
    if (on == busyPointer_) return;
    busyPointer_ = on;
    if (on) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void frmMain::SizeLock(bool on) {
    if (on) MainFormRectSave();
}

QTableWidgetItem* frmMain::Cell(int row, int col) {
    QTableWidgetItem* cell = VSFlexGrid->item(row, col);
    if (cell == nullptr) {
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        cell->setTextAlignment(cellAlign_);
        VSFlexGrid->setItem(row, col, cell);
    }
    return cell;
}

void frmMain::GridShow(const GridPage& page) {
    VSFlexGrid->setUpdatesEnabled(false);
    // A detail page's row 0 is the header row the layout already shows.
    const int first = page.detail ? 1 : 0;
    const int rows = VSFlexGrid->rowCount();
    const int cols = VSFlexGrid->columnCount();
    for (int r = first; r < rows; ++r) {
        const bool inPage = static_cast<size_t>(r) < page.rows.size();
        if (page.detail && !inPage) break;  // rows not reached keep what they show
        for (int c = 0; c < cols; ++c) {
            const auto& row = inPage ? page.rows[static_cast<size_t>(r)] : std::vector<GridCell>{};
            QTableWidgetItem* cell = Cell(r, c);
            if (static_cast<size_t>(c) < row.size()) {
                cell->setText(Q(row[static_cast<size_t>(c)].text));
                cell->setForeground(platform::ColorFromBgr(static_cast<uint32_t>(row[static_cast<size_t>(c)].color)));
            } else if (!page.detail) {
                cell->setText(QString());
            }
        }
    }
    VSFlexGrid->setUpdatesEnabled(true);
}

void frmMain::NoticeShow(const std::string& text, int16_t icon) {
    msgBox_.Show(text, 1, this, icon, "", 0);
}

void frmMain::Beep() { QApplication::beep(); }

// The shortcut can reach the item while its menu is off (monitoring).
void frmMain::mnuFileSave_Click() {
    if (console_ != nullptr && mnuFile->isEnabled()) console_->SplitShow();
}

void frmMain::mnuFileEnd_Click() { close(); }

void frmMain::mnuSetAgain_Click() {
    engine_.EngineState = kStateConnecting;
    engine_.ConnectStart();
}

void frmMain::mnuSetKyPc_Click() { SetKyPcShow(); }

void frmMain::mnuSetmonitor_Click() {
    if (console_ != nullptr) console_->SetMonitorShow();
}

void frmMain::SetKyPcShow() {
    if (frmSetKyPc* open = SetKyPcWindow()) {
        platform::ShowActive(open);
        return;
    }
    auto* dialog = new frmSetKyPc(engine_, msgBox_, this, this, Q(appTitle_));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    setKyPc_ = dialog;
    platform::ShowActive(dialog);
}

void frmMain::mnuSetDspData_Click() { DisplayModeSet(kDisplayData); }

void frmMain::mnuSetDspDetail_Click() { DisplayModeSet(kDisplayDetail); }

void frmMain::DisplayModeSet(int16_t mode) {
    mnuSetDspData->setChecked(mode == kDisplayData);
    mnuSetDspDetail->setChecked(mode == kDisplayDetail);
    engine_.DisplayMode = mode;
    GridClearAll();
    FrmChg();
    GridSizeSave();
}

void frmMain::mnuSetColorSd_Click() { DataColorChoose(true); }

void frmMain::mnuSetColorRd_Click() { DataColorChoose(false); }

void frmMain::DataColorChoose(bool sdLine) {
    const int32_t current = sdLine ? engine_.Pc.SdForeColor : engine_.Pc.RdForeColor;
    DataColorChosen(sdLine, QColorDialog::getColor(
                                platform::ColorFromBgr(static_cast<uint32_t>(current)), this));
}

void frmMain::DataColorChosen(bool sdLine, const QColor& chosen) {
    int32_t& color = sdLine ? engine_.Pc.SdForeColor : engine_.Pc.RdForeColor;
    const auto bgr = static_cast<int32_t>(platform::BgrFromColor(chosen));
    // A cancelled chooser and the same colour again change nothing.
    if (!chosen.isValid() || bgr == color) return;
    color = bgr;
    GridClearAll();
    engine_.IniFileWrite();
    engine_.DataColorSet();
    FrmChg();
}

// The window reads the unit itself, so it opens only while the engine
// leaves the line alone: a capture's records would end up in its dump.
void frmMain::mnuSetExtension_Click() {
    if (console_ != nullptr && engine_.EngineState == kStateIdle) console_->ExtensionShow();
}

void frmMain::mnuHelpTopic_Click() {
    const QString help = Q(engine_.ProgramDir) + "/" + kHelpFile;
    if (!QFileInfo::exists(help) || !QDesktopServices::openUrl(QUrl::fromLocalFile(help))) {
        QApplication::beep();
    }
}

void frmMain::mnuHelpVersion_Click() {
    platform::frmAbout about(this, Q(appTitle_), Q(version_));
    SubFormPlaceWindow(&about, this, "frmAbout");
    about.exec();
}

// --- sub-windows ------------------------------------------------------------------

frmSetKyPc* frmMain::SetKyPcWindow() const {
    return setKyPc_ != nullptr && setKyPc_->isVisible() ? setKyPc_.data() : nullptr;
}

frmMessage* frmMain::MessageWindow() const {
    return message_ != nullptr && message_->isVisible() ? message_.data() : nullptr;
}

void frmMain::SubWindowsDelete() {
    if (console_ != nullptr) console_->WindowsDelete();
    delete message_.data();
    delete setKyPc_.data();
}

// --- what the engine shows ----------------------------------------------------------

void frmMain::LampColorSet(uint32_t bgr) {
    QPalette palette = PictureConnect->palette();
    palette.setColor(QPalette::Window, platform::ColorFromBgr(bgr));
    PictureConnect->setPalette(palette);
}

void frmMain::PanelTextSet(const std::string& key, const std::string& text) {
    Panels.SetText(Q(key), Q(text));
}

void frmMain::DataColorsSet(int32_t sd, int32_t rd) {
    ForeColorSet(ldlSdColor, sd);
    ForeColorSet(lblRdColor, rd);
}

void frmMain::StepMessageShow(const std::string& text, const std::string& buttonCaption) {
    if (frmMessage* open = MessageWindow()) {
        open->MessageSet(Q(text), Q(buttonCaption));
        return;
    }
    auto* window = new frmMessage(engine_, this, Q(text), Q(buttonCaption));
    window->setAttribute(Qt::WA_DeleteOnClose);
    message_ = window;
    platform::ShowActive(window);
}

void frmMain::StepMessageUnload() {
    if (frmMessage* open = MessageWindow()) open->close();
}

void frmMain::SettingsDialogsUnload() {
    if (frmSetKyPc* open = SetKyPcWindow()) open->close();
    if (console_ != nullptr) console_->SettingsDialogsUnload();
}

}  // namespace mon
