// The fixed composition of the main window: bars, panes, the navigation
// strip, the menus and the pop-up menu, with their start properties.
#include <QApplication>
#include <QFileDialog>
#include <QKeySequence>
#include <QMenuBar>
#include <QShortcut>
#include <QStyle>

#include <algorithm>

#include "ChartSplitter.h"
#include "CommentColumn.h"
#include "FrameChart.h"
#include "MarkPictures.h"
#include "SaveQuestionBox.h"
#include "frmMain.h"
#include "platform/ui/MsgBoxRules.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/Printer.h"
#include "platform/ui/SelectAllOnFocus.h"
#include "platform/ui/SystemColor.h"
#include "platform/ui/TextFit.h"
#include "platform/ui/Twips.h"
#include "platform/ui/FontMap.h"

namespace analyser::ui {
namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

// The window's design font, for its controls, captions and comments.
QFont DesignFont() { return platform::MappedFont("ＭＳ Ｐゴシック", 9); }

void Fill(QWidget* widget, uint32_t stored) {
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, platform::StoredColor(stored, widget));
    pal.setColor(QPalette::Base, platform::StoredColor(stored, widget));
    widget->setPalette(pal);
}

}  // namespace

void frmMain::Design() {
    setFont(DesignFont());
    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("Client"));
    Client->setAutoFillBackground(true);
    QPalette face = Client->palette();
    face.setColor(QPalette::Window, platform::StoredColor(platform::kSysButtonFace, Client));
    Client->setPalette(face);
    setCentralWidget(Client);
    DesignToolbar();
    DesignPanes();
    DesignFrameInfo();
    DesignStatusBars();
    DesignFileMenu();
    DesignEditMenu();
    DesignViewMenu();
    DesignToolHelpMenus();
    DesignPopup();
    DefaultSeams();
    OwnCommands();
    SaveCommands();
    CommentMarkCommands();
    FindJumpCommands();
    resize(platform::TwipsToPixels(kClientWidth, this),
           platform::TwipsToPixels(kClientHeight, this) + menuBar()->sizeHint().height());
}

void frmMain::DesignToolbar() {
    Toolbar1 = new QToolBar(Client);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setContextMenuPolicy(Qt::PreventContextMenu);
    Buttons.Add(Toolbar1, "Open", ToolbarIcon(1), U("開く"));
    Buttons.Add(Toolbar1, "Save", ToolbarIcon(2), U("保存"));
    Buttons.Add(Toolbar1, "Print", ToolbarIcon(3), U("印刷"));
    Toolbar1->addSeparator();
    Buttons.Add(Toolbar1, "Find", ToolbarIcon(4), U("検索"));
    Toolbar1->addSeparator();
    Buttons.Add(Toolbar1, "Prop", ToolbarIcon(5), U("ヒストリ情報"));
    Toolbar1->addSeparator();
    Buttons.Add(Toolbar1, "Help", ToolbarIcon(6), U("ヘルプ"));
}

void frmMain::DesignStatusBars() {
    StatusBar1 = new QStatusBar(Client);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    struct PanelDesign {
        const char* key;
        const char* toolTip;
        int width;  // also the least width; the panel grows with its text
        QStringList texts;  // the widest texts it shows, digits as 0
    };
    const PanelDesign panels[] = {
        {"FrameTime", "フレーム計測時刻", 1680, {U("0000/00/00 00:00:00")}},
        {"FrameInterval", "フレーム間時間", 915, {U("000ms"), U("000.000s"), U("00,000s"), U("****")}},
        {"MonitorLine", "モニタライン", 360, {U("SD"), U("RD")}},
        {"Same", "同着", 525, {U("同着")}},
        {"Trigger", "トリガ", 200, {U("トリガ")}},
        {"Error", "エラー情報", 200, {U("p"), U("o"), U("q"), U("f"), U("j"), U("i"), U("x")}},
        {"CutKind", "フレーム作成種別", 200, {U("フレーム"), U("CRLF"), U("文字間時間"), U("任意文字列")}}};
    for (const PanelDesign& d : panels) {
        QLabel* panel = Panels.Add(StatusBar1, QString::fromLatin1(d.key), QString(), U(d.toolTip), d.width);
        // Never narrower than the widest text it can show.
        panel->setMinimumWidth(std::max(platform::TwipsToPixels(d.width, this),
                                        platform::LabelWidthFor(panel, platform::WithEveryDigit(d.texts))));
        panel->setMaximumWidth(QWIDGETSIZE_MAX);
    }
    QLabel* message = Panels.Add(StatusBar1, QStringLiteral("Message"), QString(), QString(), 0);
    message->setMinimumWidth(platform::TwipsToPixels(1440, this));

    StatusBar2 = new QStatusBar(Client);
    StatusBar2->setObjectName(QStringLiteral("StatusBar2"));
    StatusBar2->setSizeGripEnabled(false);
    Panels.Add(StatusBar2, QStringLiteral("FrameConfig"), QString(), U("フレーム構成ファイル"), 1440)
        ->setMaximumWidth(QWIDGETSIZE_MAX);
    Panels.Add(StatusBar2, QStringLiteral("LinkTable"), QString(), U("関連付けファイル"), 1440)
        ->setMaximumWidth(QWIDGETSIZE_MAX);
}

void frmMain::DesignPanes() {
    // The splitters lie under the panes: only the gaps between them take
    // the pointer, and the drag bars lie above everything.
    for (int k = 0; k < 2; ++k) {
        imgSplitter[k] = new ChartSplitter(k, Client);
        connect(imgSplitter[k], &ChartSplitter::Pressed, this,
                [this](int i) { platform::NoThrow("imgSplitter", [&] { SplitterDown(i); }); });
        connect(imgSplitter[k], &ChartSplitter::Moved, this, [this](int i, int x) {
            platform::NoThrow("imgSplitter", [&] { SplitterMove(i, x); });
        });
        connect(imgSplitter[k], &ChartSplitter::Released, this,
                [this](int i) { platform::NoThrow("imgSplitter", [&] { SplitterUp(i); }); });
    }
    for (int k = 0; k < 2; ++k) {
        txtDevice[k] = new QLineEdit(Client);
        txtDevice[k]->setObjectName(QStringLiteral("txtDevice%1").arg(k));
        platform::SelectAllOnFocus::Install(txtDevice[k]);
    }
    picCommentsL = new CommentColumn(chart_, 0, Client);
    picFrameView = new FrameChart(chart_, Client);
    picCommentsR = new CommentColumn(chart_, 1, Client);
    for (int k = 0; k < 2; ++k) {
        picSplitter[k] = new QWidget(Client);
        picSplitter[k]->setObjectName(QStringLiteral("picSplitter%1").arg(k));
        Fill(picSplitter[k], platform::kSysButtonShadow);
        picSplitter[k]->hide();
    }
    connect(picFrameView, &FrameChart::SlotPressed, this, [this](int slot, int button) {
        platform::NoThrow("frameBox", [&] { SlotPressed(slot, button); });
    });
    connect(picFrameView, &FrameChart::SlotClicked, this,
            [this](int slot) { platform::NoThrow("frameBox", [&] { SlotClicked(slot); }); });
    connect(picFrameView, &FrameChart::SlotDoubleClicked, this, [this](int slot, int button) {
        platform::NoThrow("frameBox", [&] { SlotDoubleClicked(slot, button); });
    });
    connect(picFrameView, &FrameChart::EmptyPressed, this, [this](int button, const QPoint& at) {
        platform::NoThrow("picFrameView", [&] { EmptyPressed(button, at); });
    });
    connect(picFrameView, &FrameChart::KeyDown, this,
            [this](int code) { platform::NoThrow("picFrameView", [&] { picFrameView_KeyDown(code); }); });
    connect(picFrameView, &FrameChart::FileDropped, this,
            [this](const QString& path) { platform::NoThrow("drop", [&] { FileDrop(path); }); });
}

void frmMain::DesignFrameInfo() {
    frameInfo = new QFrame(Client);
    frameInfo->setObjectName(QStringLiteral("frameInfo"));
    const auto at = [this](QWidget* w, int left, int top, int width, int height) {
        w->setGeometry(platform::TwipsToPixels(QRect(left, top, width, height), this));
    };
    lblFrameInfo = new QLabel(U("フレーム:"), frameInfo);
    lblFrameInfo->setObjectName(QStringLiteral("lblFrameInfo"));
    lblFrameInfo->move(platform::TwipsToPixels(100, this), platform::TwipsToPixels(195, this));
    lblFrameInfo->adjustSize();
    Picture1 = new QWidget(frameInfo);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Fill(Picture1, platform::kSysButtonFace);
    at(Picture1, 860, 140, 3070, 310);
    const auto button = [&](const char* name, const char* caption, int left, void (frmMain::*click)()) {
        auto* b = new QPushButton(QString::fromLatin1(caption), Picture1);
        b->setObjectName(QString::fromLatin1(name));
        b->setFocusPolicy(Qt::TabFocus);
        at(b, left, 0, 375, 255);
        connect(b, &QPushButton::clicked, this,
                [this, name, click] { platform::NoThrow(name, [&] { (this->*click)(); }); });
        return b;
    };
    cmdBeforeBegin = button("cmdBeforeBegin", "|<", 0, &frmMain::cmdBeforeBegin_Click);
    cmdBeforePage = button("cmdBeforePage", "<<", 360, &frmMain::cmdBeforePage_Click);
    cmdBefore = button("cmdBefore", "<", 720, &frmMain::cmdBefore_Click);
    txtCurrentFrame = new QLineEdit(Picture1);
    txtCurrentFrame->setObjectName(QStringLiteral("txtCurrentFrame"));
    txtCurrentFrame->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtCurrentFrame->setMaxLength(5);
    txtCurrentFrame->setTextMargins(0, 0, 0, 0);
    Fill(txtCurrentFrame, platform::kSysWindow);
    at(txtCurrentFrame, 1080, 0, 855, 270);
    txtCurrentFrame->installEventFilter(this);
    platform::SelectAllOnFocus::Install(txtCurrentFrame);
    cmdNext = button("cmdNext", ">", 1920, &frmMain::cmdNext_Click);
    cmdNextPage = button("cmdNextPage", ">>", 2280, &frmMain::cmdNextPage_Click);
    cmdNextEnd = button("cmdNextEnd", ">|", 2640, &frmMain::cmdNextEnd_Click);
    lblFrameMax = new QLabel(frameInfo);
    lblFrameMax->setObjectName(QStringLiteral("lblFrameMax"));
    lblFrameMax->move(platform::TwipsToPixels(3960, this), platform::TwipsToPixels(195, this));
}

QAction* frmMain::Item(QMenu* menu, const char* name, const char* caption, const char* shortcut) {
    QAction* item = menu->addAction(U(caption));
    item->setObjectName(QString::fromLatin1(name));
    if (shortcut != nullptr) item->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    connect(item, &QAction::triggered, this, [this, item] { RunCommand(item); });
    items_.push_back(item);
    return item;
}

QMenu* frmMain::SubMenu(QMenu* parent, const char* name, const char* caption) {
    QMenu* menu = parent != nullptr ? parent->addMenu(U(caption)) : menuBar()->addMenu(U(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

void frmMain::MarkItems(QMenu* menu, const char* prefix, QAction* (&items)[6], bool ampersand) {
    for (int n = 1; n <= 5; ++n) {
        const std::string name = std::string(prefix) + std::to_string(n);
        const std::string caption = (ampersand ? "&" : "") + std::to_string(n);
        items[n] = Item(menu, name.c_str(), caption.c_str());
    }
}

void frmMain::DesignFileMenu() {
    mnuFile = SubMenu(nullptr, "mnuFile", "ファイル(&F)");
    mnuFileOpen = Item(mnuFile, "mnuFileOpen", "開く(&O)...", "Ctrl+O");
    mnuFileOpenWithKYF = Item(mnuFile, "mnuFileOpenWithKYF", "フレーム構成ファイルを指定して開く(&F)...");
    mnuFileSaveOver = Item(mnuFile, "mnuFileSaveOver", "保存(&S)...", "Ctrl+S");
    mnuFileSave = SubMenu(mnuFile, "mnuFileSave", "名前を付けて保存(&A)");
    mnuFileSaveAll = Item(mnuFileSave, "mnuFileSaveAll", "すべて(&A)...");
    mnuFileSaveLimit = Item(mnuFileSave, "mnuFileSaveLimit", "範囲指定(&L)...");
    mnuFile->addSeparator();
    mnuFilePrint = Item(mnuFile, "mnuFilePrint", "印刷(&P)", "Ctrl+P");
    mnuFile->addSeparator();
    mnuFileCsv = SubMenu(mnuFile, "mnuFileCsv", "CSVファイルの作成(&C)");
    mnuFileCsvAll = Item(mnuFileCsv, "mnuFileCsvAll", "すべて(&A)");
    mnuFileCsvLimit = Item(mnuFileCsv, "mnuFileCsvLimit", "範囲指定(&L)");
    mnuFile->addSeparator();
    mnuFileExit = Item(mnuFile, "mnuFileExit", "終了(&X)");
}

void frmMain::DesignEditMenu() {
    mnuEdit = SubMenu(nullptr, "mnuEdit", "編集(&E)");
    mnuEditFilter = Item(mnuEdit, "mnuEditFilter", "フィルタ(&F)");
    mnuEdit->addSeparator();
    mnuEditRelation = SubMenu(mnuEdit, "mnuEditRelation", "関連付け(&R)");
    mnuEditRelationSet = Item(mnuEditRelation, "mnuEditRelationSet", "設定(&S)...");
    mnuEditRelationUndo = Item(mnuEditRelation, "mnuEditRelationUndo", "解除(&U)");
    mnuEditRelationSet->setCheckable(true);
    mnuEditRelationUndo->setCheckable(true);
    mnuEdit->addSeparator();
    mnuEditJump = Item(mnuEdit, "mnuEditJump", "フレーム番号指定(J)...", "Ctrl+J");
    mnuEditMarkJump = SubMenu(mnuEdit, "mnuEditMarkJump", "マークJUMP(&M)");
    mnuEditMarkJumpBegin = Item(mnuEditMarkJump, "mnuEditMarkJumpBegin", "&BEGIN", "Ctrl+B");
    mnuEditMarkJumpEnd = Item(mnuEditMarkJump, "mnuEditMarkJumpEnd", "&END", "Ctrl+E");
    mnuEditMarkJumpLine = mnuEditMarkJump->addSeparator();
    mnuEditMarkJumpLine->setObjectName(QStringLiteral("mnuEditMarkJumpLine"));
    MarkItems(mnuEditMarkJump, "mnuEditMarkJumpMark", mnuEditMarkJumpMark, true);
    mnuEdit->addSeparator();
    mnuEditMarkSet = SubMenu(mnuEdit, "mnuEditMarkSet", "マーク設定(&S)");
    mnuEditMarkSetBegin = Item(mnuEditMarkSet, "mnuEditMarkSetBegin", "&BEGIN");
    mnuEditMarkSetEnd = Item(mnuEditMarkSet, "mnuEditMarkSetEnd", "&END");
    mnuEditMarkSet->addSeparator();
    MarkItems(mnuEditMarkSet, "mnuEditMarkSetMark", mnuEditMarkSetMark, false);
    mnuEdit->addSeparator();
    mnuEditSerch = Item(mnuEdit, "mnuEditSerch", "検索(&F)...", "Ctrl+F");
}

void frmMain::DesignViewMenu() {
    mnuView = SubMenu(nullptr, "mnuView", "表示(&V)");
    mnuViewDetail = Item(mnuView, "mnuViewDetail", "詳細表示(&V)...");
    mnuViewHistory = Item(mnuView, "mnuViewHistory", "ヒストリ情報(&H)...");
    mnuView->addSeparator();
    mnuViewArrangement = Item(mnuView, "mnuViewArrangement", "整列(&A)", "F5");
    mnuView->addSeparator();
    mnuViewHex = Item(mnuView, "mnuViewHex", "HEX(&H)");
    mnuViewAscii = Item(mnuView, "mnuViewAscii", "ASCII(&A)");
    mnuViewUnicode = Item(mnuView, "mnuViewUnicode", "UNICODE(U)");
    mnuViewShiftJIS = Item(mnuView, "mnuViewShiftJIS", "Shift JIS(S)");
    mnuViewLine3 = mnuView->addSeparator();
    mnuViewLine3->setObjectName(QStringLiteral("mnuViewLine3"));
    for (QAction* code : {mnuViewHex, mnuViewAscii, mnuViewUnicode, mnuViewShiftJIS}) {
        code->setCheckable(true);
        code->setVisible(false);
    }
    mnuViewHex->setChecked(true);
    mnuViewLine3->setVisible(false);
    mnuViewWidth = SubMenu(mnuView, "mnuViewWidth", "枠のサイズ(&X)");
    mnuViewWidthL = Item(mnuViewWidth, "mnuViewWidthL", "大(&L)");
    mnuViewWidthM = Item(mnuViewWidth, "mnuViewWidthM", "中(&M)");
    mnuViewWidthS = Item(mnuViewWidth, "mnuViewWidthS", "小(&S)");
    for (QAction* size : {mnuViewWidthL, mnuViewWidthM, mnuViewWidthS}) size->setCheckable(true);
    mnuViewWidthS->setChecked(true);
    mnuViewFont = Item(mnuView, "mnuViewFont", "フォント(&F)...");
}

void frmMain::DesignToolHelpMenus() {
    mnuTool = SubMenu(nullptr, "mnuTool", "ツール(&T)");
    mnuToolConvert = Item(mnuTool, "mnuToolConvert", "データ変換(&D)...");
    mnuTool->addSeparator();
    mnuToolFrameMake = Item(mnuTool, "mnuToolFrameMake", "フレーム構成ファイルの作成(&F)...");
    mnuToolLink = Item(mnuTool, "mnuToolLink", "関連付けファイルの作成(&L)...");
    mnuHelp = SubMenu(nullptr, "mnuHelp", "ヘルプ(&H)");
    mnuHelpTopic = Item(mnuHelp, "mnuHelpTopic", "トピックの検索(&T)...");
    mnuHelp->addSeparator();
    mnuHelpAbout = Item(mnuHelp, "mnuHelpAbout", "バージョン情報(&A)...");
    // F1 opens the help file from every window of the program.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, [this] { RunCommand(mnuHelpTopic); });
}

void frmMain::DesignPopup() {
    mnuRight = new QMenu(U("右クリック"), this);
    mnuRight->setObjectName(QStringLiteral("mnuRight"));
    mnuRightHead = Item(mnuRight, "mnuRightHead", "先頭へ(&H)");
    mnuRight->addSeparator();
    mnuRightOpen = Item(mnuRight, "mnuRightOpen", "詳細画面を開く(&O)");
    mnuRightsCommentsL = Item(mnuRight, "mnuRightsCommentsL", "コメント1(&L)");
    mnuRightsCommentsR = Item(mnuRight, "mnuRightsCommentsR", "コメント2(&R)");
    mnuRightLine2 = mnuRight->addSeparator();
    mnuRightJump = Item(mnuRight, "mnuRightJump", "フレーム番号指定(&J)");
    mnuRightMarkJump = SubMenu(mnuRight, "mnuRightMarkJump", "マークJUMP(&M)");
    mnuRightMarkJumpBegin = Item(mnuRightMarkJump, "mnuRightMarkJumpBegin", "&BEGIN");
    mnuRightMarkJumpEnd = Item(mnuRightMarkJump, "mnuRightMarkJumpEnd", "&END");
    mnuRightMarkJumpLine = mnuRightMarkJump->addSeparator();
    MarkItems(mnuRightMarkJump, "mnuRightMarkJumpMark", mnuRightMarkJumpMark, true);
    mnuRight->addSeparator();
    mnuRightMarkSet = SubMenu(mnuRight, "mnuRightMarkSet", "マーク設定(&S)");
    mnuRightMarkSetBegin = Item(mnuRightMarkSet, "mnuRightMarkSetBegin", "&BEGIN");
    mnuRightMarkSetEnd = Item(mnuRightMarkSet, "mnuRightMarkSetEnd", "&END");
    mnuRightMarkSet->addSeparator();
    MarkItems(mnuRightMarkSet, "mnuRightMarkSetMark", mnuRightMarkSetMark, false);
    mnuRightLine4 = mnuRight->addSeparator();
    mnuRightTail = Item(mnuRight, "mnuRightTail", "最後へ(&F)");
    // The numbered mark jumps show once their marks are set.
    for (QAction* hidden : {mnuEditMarkJumpLine, mnuRightMarkJumpLine}) hidden->setVisible(false);
    for (int n = 1; n <= 5; ++n) {
        mnuEditMarkJumpMark[n]->setVisible(false);
        mnuRightMarkJumpMark[n]->setVisible(false);
    }
}

void frmMain::DefaultSeams() {
    OpenFileAsk = [this](const QString& title, const QString& filter) {
        return QFileDialog::getOpenFileName(this, title, QString::fromStdString(state_.gFrameFileFolder),
                                            filter)
            .toStdString();
    };
    FontAsk = [this](const FontChoice& start) { return FontColorDialog::Ask(start, this); };
    PopupRun = [](QMenu* menu, const QPoint& at) { menu->exec(at); };
    PdfFileAsk = [this] {
        return QFileDialog::getSaveFileName(this, U("印刷"), QString(), U("PDF (*.pdf)")).toStdString();
    };
    PrinterSetupAsk = [this] { return platform::Printer::SetupDialog(this, true); };
    MessageShow = [this](const std::string& text, int16_t icon) {
        msgBox_.Show(text, platform::kMsgTypeOk, this, icon, std::string(), true);
    };
    SaveQuestion = [](QWidget* owner, const std::string& text) { return SaveQuestionBox(owner, text); };
}

void frmMain::OwnCommands() {
    const auto own = [this](QAction* item, std::function<void()> handler) {
        commands_[item] = std::move(handler);
    };
    own(mnuFileOpen, [this] { mnuFileOpen_Click(); });
    own(mnuFileExit, [this] { mnuFileExit_Click(); });
    own(mnuFilePrint, [this] { mnuFilePrint_Click(); });
    own(mnuViewArrangement, [this] { mnuViewArrangement_Click(); });
    own(mnuViewHex, [this] { mnuViewCode_Click(FrameViewCode::Hex); });
    own(mnuViewAscii, [this] { mnuViewCode_Click(FrameViewCode::Ascii); });
    own(mnuViewUnicode, [this] { mnuViewCode_Click(FrameViewCode::Unicode); });
    own(mnuViewShiftJIS, [this] { mnuViewCode_Click(FrameViewCode::ShiftJis); });
    own(mnuViewWidthL, [this] { mnuViewWidth_Click(ChartSize::Large); });
    own(mnuViewWidthM, [this] { mnuViewWidth_Click(ChartSize::Medium); });
    own(mnuViewWidthS, [this] { mnuViewWidth_Click(ChartSize::Small); });
    own(mnuViewFont, [this] { mnuViewFont_Click(); });
    own(mnuHelpTopic, [this] { mnuHelpTopic_Click(); });
    // The pop-up's detail item runs the detail command, when one is plugged in.
    own(mnuRightOpen, [this] {
        if (state_.gFileOpen) RunCommand(mnuViewDetail);
    });
}

void frmMain::fChartControlsInit() {
    for (int k = 0; k < 2; ++k) {
        txtDevice[k]->setAlignment(Qt::AlignCenter);
        txtDevice[k]->setMaxLength(255);
        Fill(txtDevice[k], platform::kSysWindow);
        txtDevice[k]->show();
        fDeviceNameSet("", k);
    }
    chart_.CaptionFont = DesignFont();
    chart_.CommentFont = DesignFont();
    chart_.LineWidth = LineWidth(ChartSize::Small);
    chart_.Paging.SetMeasure([this](int32_t row) { return SlotMeasure(row); });
    // The first layout starts from the design's client width.
    const SplitterPair start = ArrangedSplitters(kClientWidth);
    splitterLeft_[0] = barLeft_[0] = start.Left;
    splitterLeft_[1] = barLeft_[1] = start.Right;
}

}  // namespace analyser::ui
