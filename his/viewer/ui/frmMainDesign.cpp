// The main window's controls and menus as they are laid out at design time.
#include <QColorDialog>
#include <QFileDialog>
#include <QMenuBar>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>

#include <algorithm>
#include <iterator>

#include "HistoryGrid.h"
#include "HistorySaving.h"
#include "PageModel.h"
#include "ViewerContext.h"
#include "frmMain.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/Printer.h"
#include "platform/ui/PrinterIcon.h"
#include "platform/ui/TextFit.h"
#include "platform/ui/TextIcon.h"
#include "platform/ui/Twips.h"
#include "platform/ui/UiFont.h"

namespace viewer::ui {

void frmMain::Design() {
    setObjectName(QStringLiteral("frmMain"));
    setFont(platform::UiFont());
    setWindowTitle(QString::fromUtf8(kCaption));
    setMinimumSize(platform::TwipsToPixels(kMinWidth), platform::TwipsToPixels(kMinHeight));
    resize(platform::TwipsToPixels(12000), platform::TwipsToPixels(8000));
    DesignToolbar();
    DesignGrid();
    DesignStatusBar();
    DesignFileMenu();
    DesignEditMenu();
    DesignDspMenu();
    DesignHelpMenu();
    DesignPopups();
    DefaultDialogs();
}

void frmMain::DesignToolbar() {
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Toolbar1);
    const QStyle* s = style();
    Buttons.Add(Toolbar1, "Open", s->standardIcon(QStyle::SP_DialogOpenButton),
                QStringLiteral("ﾌｧｲﾙを開く"));
    Buttons.Add(Toolbar1, "Save", s->standardIcon(QStyle::SP_DialogSaveButton),
                QStringLiteral("ﾌｧｲﾙの保存"));
    Buttons.Add(Toolbar1, "Print", platform::PrinterIcon(), QStringLiteral("印刷"));
    Toolbar1->addSeparator();
    // The style's magnifier finds; the display code shows what it switches.
    Buttons.Add(Toolbar1, "Find", s->standardIcon(QStyle::SP_FileDialogContentsView),
                QStringLiteral("検索"));
    Buttons.Add(Toolbar1, "Range", s->standardIcon(QStyle::SP_ArrowRight),
                QStringLiteral("範囲指定時刻"));
    Buttons.Add(Toolbar1, "Prop", s->standardIcon(QStyle::SP_FileDialogInfoView),
                QStringLiteral("一覧表示"));
    Toolbar1->addSeparator();
    Buttons.Add(Toolbar1, "Line", s->standardIcon(QStyle::SP_FileDialogDetailedView),
                QStringLiteral("表示ラインの変更"));
    Buttons.Add(Toolbar1, "Code", platform::TextIcon(QStringLiteral("Aｱ")),
                QStringLiteral("表示ｺｰﾄﾞの変更"));
}

// Each panel is at least as wide as its widest text, and the window never
// gets narrower than the panels together: at the smallest size every panel
// still reads whole.
void frmMain::DesignStatusBar() {
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);
    struct PanelDesign {
        const char* key;
        int width;
        QStringList widest;
    };
    const QString count = QStringLiteral("0000000000");  // a 32-bit count
    const PanelDesign panels[] = {
        {"DateTime", 2500, platform::WithEveryDigit({QStringLiteral("0000/00/00 00:00:00")})},
        {"CharTime", 1000, platform::WithEveryDigit({QStringLiteral("00000"), QStringLiteral("****")})},
        {"SecTime", 1200, platform::WithEveryDigit({QStringLiteral("-00:00:00")})},
        {"Code", 1000,
         {"HEX", "ASCII", "JIS7", "JIS8", "EBCDIC", "UNICODE", QStringLiteral("ｼﾌﾄ JIS")}},
        {"Line", 800, {"DUAL", "SD", "RD"}},
        {"SdCount", 1400, platform::WithEveryDigit({"SD : " + count})},
        {"RdCount", 1400, platform::WithEveryDigit({"RD : " + count})},
        {"TotalCount", 0, platform::WithEveryDigit({"TR : " + count})}};
    int total = 0;
    for (const PanelDesign& p : panels) {
        QLabel* panel = Panels.Add(StatusBar1, QString::fromLatin1(p.key), QString(), QString(), p.width);
        const int needed = platform::LabelWidthFor(panel, p.widest);
        if (p.width > 0) {
            panel->setFixedWidth(std::max(panel->minimumWidth(), needed));
        } else {
            panel->setMinimumWidth(needed);
        }
        total += panel->minimumWidth();
    }
    const QStyle* style = StatusBar1->style();
    const int spacing = style->pixelMetric(QStyle::PM_LayoutHorizontalSpacing);
    const int grip = StatusBar1->isSizeGripEnabled() ? style->pixelMetric(QStyle::PM_SizeGripSize) : 0;
    const int margins = 2 * style->pixelMetric(QStyle::PM_LayoutLeftMargin);
    const int bar = total + static_cast<int>(std::size(panels)) * (std::max(spacing, 0) + 4) + grip + margins;
    setMinimumWidth(std::max(minimumWidth(), bar));
}

void frmMain::DesignGrid() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Client"));
    setCentralWidget(central);
    VSFlexGrid1 = new HistoryGrid(central);
    Page = new PageModel(VSFlexGrid1);
    VSFlexGrid1->setModel(Page);
    VScroll1 = new QScrollBar(Qt::Vertical, central);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setEnabled(false);
    connect(VScroll1, &QScrollBar::valueChanged, this,
            [this](int v) { platform::NoThrow("VScroll1", [&] { VScroll1_Change(v); }); });
    VSFlexGrid1->OnKeyDown = [this](int key) { Grid_KeyDown(key); };
    VSFlexGrid1->OnCursorChanged = [this](int o, int r, int c) { Grid_CursorChanged(o, r, c); };
    VSFlexGrid1->OnDoubleClick = [this](const QPoint& at) { Grid_DoubleClick(at); };
    VSFlexGrid1->OnRightButton = [this](const QPoint& at) { Grid_RightButton(at); };
    VSFlexGrid1->OnFileDrop = [this](const std::string& path) { Grid_Drop(path); };
}

QAction* frmMain::MenuItem(QMenu* menu, const char* name, const char* caption,
                           const std::function<void()>& handler, const char* shortcut) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromLatin1(name));
    if (shortcut != nullptr) item->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    connect(item, &QAction::triggered, this,
            [handler, name] { platform::NoThrow(name, [&] { handler(); }); });
    return item;
}

QMenu* frmMain::SubMenu(QMenu* parent, const char* name, const char* caption) {
    QMenu* menu = parent->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

void frmMain::DesignFileMenu() {
    mnuFile = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuRead = MenuItem(mnuFile, "mnuRead", "ﾌｧｲﾙを開く(&R)", [this] { mnuRead_Click(); });
    mnuFile->addSeparator();
    mnuPrecedFile = MenuItem(mnuFile, "mnuPrecedFile", "前項のファイルへ(&O)",
                             [this] { mnuPrecedFile_Click(); }, "Ctrl+O");
    mnuFollowFile = MenuItem(mnuFile, "mnuFollowFile", "次項のファイルへ(&N)",
                             [this] { mnuFollowFile_Click(); }, "Ctrl+N");
    mnuFile->addSeparator();
    mnuHtml = MenuItem(mnuFile, "mnuHtml", "HTMLによる保存(&H)", [this] { mnuHtml_Click(); });
    mnuRangeSave = MenuItem(mnuFile, "mnuRangeSave", "範囲指定による保存(&S)",
                            [this] { mnuRangeSave_Click(); });
    mnuAllSave =
        MenuItem(mnuFile, "mnuAllSave", "全データの保存(&V)", [this] { mnuAllSave_Click(); });
    mnuFile->addSeparator();
    mnuPrint = MenuItem(mnuFile, "mnuPrint", "印刷(&P)", [this] { mnuPrint_Click(); }, "Ctrl+P");
    mnuPrintProp =
        MenuItem(mnuFile, "mnuPrintProp", "プリンタの設定(&I)", [this] { mnuPrintProp_Click(); });
    mnuFile->addSeparator();
    mnuMonitor =
        MenuItem(mnuFile, "mnuMonitor", "モニタの起動(&M)", [this] { mnuMonitor_Click(); });
    mnuProtocol =
        MenuItem(mnuFile, "mnuProtocol", "Proの起動(&P)", [this] { mnuProtocol_Click(); });
    mnuFile->addSeparator();
    mnuPcn4 = MenuItem(mnuFile, "mnuPcn4", "KY1→KY2形式変換(&C)", [this] { mnuPcn4_Click(); });
    mnuFile->addSeparator();
    mnuEnd = MenuItem(mnuFile, "mnuEnd", "終了(&E)", [this] { mnuEnd_Click(); });
}

void frmMain::DesignEditMenu() {
    mnuEdit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuTop = MenuItem(mnuEdit, "mnuTop", "先頭へ(&S)", [this] { mnuTop_Click(); });
    mnuEdit->addSeparator();
    mnuFind = MenuItem(mnuEdit, "mnuFind", "検索(&F)", [this] { mnuFind_Click(); }, "Ctrl+F");
    mnuEdit->addSeparator();
    mnuLineNo = MenuItem(mnuEdit, "mnuLineNo", "行番号指定(&L)", [this] { mnuLineNo_Click(); });
    mnuMarkJump = SubMenu(mnuEdit, "mnuMarkJump", "ﾏｰｸJUMP");
    mnuMarkJumpBegin = MenuItem(mnuMarkJump, "mnuMarkJumpBegin", "BEGIN",
                                [this] { mnuMarkJumpBegin_Click(); });
    mnuMarkJumpEnd =
        MenuItem(mnuMarkJump, "mnuMarkJumpEnd", "END", [this] { mnuMarkJumpEnd_Click(); });
    mnuEdit->addSeparator();
    mnuMarkSet = SubMenu(mnuEdit, "mnuMarkSet", "ﾏｰｸ設定");
    mnuMarkSetBegin = MenuItem(mnuMarkSet, "mnuMarkSetBegin", "BEGIN",
                               [this] { mnuMarkSetBegin_Click(); }, "Ctrl+B");
    mnuMarkSetEnd = MenuItem(mnuMarkSet, "mnuMarkSetEnd", "END",
                             [this] { mnuMarkSetEnd_Click(); }, "Ctrl+E");
    mnuRange = MenuItem(mnuEdit, "mnuRange", "範囲時刻指定(&R)", [this] { mnuRange_Click(); });
    mnuEdit->addSeparator();
    mnuBottom = MenuItem(mnuEdit, "mnuBottom", "最後へ(&B)", [this] { mnuBottom_Click(); });
}

void frmMain::DesignDspMenu() {
    mnuDsp = menuBar()->addMenu(QStringLiteral("表示(&D)"));
    mnuDsp->setObjectName(QStringLiteral("mnuDsp"));
    mnuHistory = MenuItem(mnuDsp, "mnuHistory", "ﾋｽﾄﾘ情報(&H)", [this] { mnuHistory_Click(); });
    mnuDsp->addSeparator();
    auto line = [this](const char* name, const char* caption, int16_t v, const char* key) {
        QAction* a = MenuItem(mnuDsp, name, caption, [this, v] { DspLineChoose(v); }, key);
        a->setCheckable(true);
        return a;
    };
    mnuDspLineDual = line("mnuDspLineDual", "ＤＵＡＬ(&D)", kLineDual, "F2");
    mnuDspLineSd = line("mnuDspLineSd", "ＳＤ(&S)", kLineSd, "F3");
    mnuDspLineRd = line("mnuDspLineRd", "ＲＤ(&R)", kLineRd, "F4");
    mnuDspLineDual->setChecked(true);
    mnuDsp->addSeparator();
    auto code = [this](const char* name, const char* caption, int16_t v, const char* key) {
        QAction* a = MenuItem(mnuDsp, name, caption, [this, v] { DspCodeChoose(v); }, key);
        a->setCheckable(true);
        return a;
    };
    mnuDspCodeAscii = code("mnuDspCodeAscii", "ASCII(&A)", kCodeAscii, "Ctrl+F1");
    mnuDspCodeJis7 = code("mnuDspCodeJis7", "JIS7(&J)", kCodeJis7, "Ctrl+F2");
    mnuDspCodeJis8 = code("mnuDspCodeJis8", "JIS8(&K)", kCodeJis8, "Ctrl+F3");
    mnuDspCodeEbcdic = code("mnuDspCodeEbcdic", "EBCDIC(&E)", kCodeEbcdic, "Ctrl+F4");
    mnuDspCodeUni = code("mnuDspCodeUni", "UNICODE(&U)", kCodeUnicode, "Ctrl+F5");
    mnuDspCodeShift = code("mnuDspCodeShift", "ｼﾌﾄ JIS(&I)", kCodeShiftJis, "Ctrl+F6");
    mnuDspCodeAscii->setChecked(true);
    mnuDsp->addSeparator();
    mnuDspCursol = SubMenu(mnuDsp, "mnuDspCursol", "カーソル間時間(&C)");
    auto base = [this](const char* name, const char* caption, int16_t v) {
        QAction* a = MenuItem(mnuDspCursol, name, caption, [this, v] { DspCurChoose(v); });
        a->setCheckable(true);
        return a;
    };
    mnuDspCurTop = base("mnuDspCurTop", "先頭から(&T)", kBaseTop);
    mnuDspCurBegin = base("mnuDspCurBegin", "ﾏｰｸ BEGIN(&B)", kBaseBegin);
    mnuDspCurEnd = base("mnuDspCurEnd", "ﾏｰｸ END(&E)", kBaseEnd);
    mnuDspCurTop->setChecked(true);
    mnuColor = MenuItem(mnuDsp, "mnuColor", "表示色(&N)", [this] { mnuColor_Click(); });
}

void frmMain::DesignHelpMenu() {
    mnuHelp = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpTopic = MenuItem(mnuHelp, "mnuHelpTopic", "ﾄﾋﾟｯｸの検索(&T)",
                            [this] { mnuHelpTopic_Click(); }, "F1");
    mnuHelp->addSeparator();
    mnuHelpVerion = MenuItem(mnuHelp, "mnuHelpVerion", "ﾊﾞｰｼﾞｮﾝ情報(&A)...",
                             [this] { mnuHelpVerion_Click(); });
}

void frmMain::DesignPopups() {
    mnuRight = new QMenu(QStringLiteral("右ｸﾘｯｸ"), this);
    mnuRight->setObjectName(QStringLiteral("mnuRight"));
    mnuRightTop = MenuItem(mnuRight, "mnuRightTop", "先頭へ", [this] { mnuTop_Click(); });
    mnuRight->addSeparator();
    mnuRightLine = MenuItem(mnuRight, "mnuRightLine", "行番号指定", [this] { mnuLineNo_Click(); });
    mnuRightMarkJump = SubMenu(mnuRight, "mnuRightMarkJump", "ﾏｰｸJUMP");
    MenuItem(mnuRightMarkJump, "mnuRightMarkJumpBegin", "BEGIN",
             [this] { mnuMarkJumpBegin_Click(); });
    MenuItem(mnuRightMarkJump, "mnuRightMarkJumpEnd", "END", [this] { mnuMarkJumpEnd_Click(); });
    mnuRightTrigJump = MenuItem(mnuRight, "mnuRightTrigJump", "ﾄﾘｶﾞJUMP",
                                [this] { mnuRightTrigJump_Click(); });
    mnuRight->addSeparator();
    mnuRightMarkSet = SubMenu(mnuRight, "mnuRightMarkSet", "ﾏｰｸ設定");
    MenuItem(mnuRightMarkSet, "mnuRightMarkSetBegin", "BEGIN",
             [this] { mnuMarkSetBegin_Click(); });
    MenuItem(mnuRightMarkSet, "mnuRightMarkSetEnd", "END", [this] { mnuMarkSetEnd_Click(); });
    mnuRight->addSeparator();
    mnuRightBottom = MenuItem(mnuRight, "mnuRightBottom", "最後へ", [this] { mnuBottom_Click(); });

    mnuDbl = new QMenu(QStringLiteral("ﾀﾞﾌﾞﾙｸﾘｯｸ"), this);
    mnuDbl->setObjectName(QStringLiteral("mnuDbl"));
    MenuItem(mnuDbl, "mnuDblBegin", "BEGIN", [this] { mnuMarkSetBegin_Click(); });
    mnuDbl->addSeparator();
    MenuItem(mnuDbl, "mnuDblEnd", "END", [this] { mnuMarkSetEnd_Click(); });
}

void frmMain::DefaultDialogs() {
    OpenFileAsk = [this](const QString& filter) {
        return QFileDialog::getOpenFileName(this, QString(), QString(), filter).toStdString();
    };
    SaveFileAsk = [this] {
        QString chosenFilter;
        const QString path = QFileDialog::getSaveFileName(
            this, QString(), QString(), QString::fromUtf8(kSaveFilter), &chosenFilter);
        const QStringList filters = QString::fromUtf8(kSaveFilter).split(QStringLiteral(";;"));
        return SaveAnswer{path.toStdString(), static_cast<int>(filters.indexOf(chosenFilter)) + 1};
    };
    HtmlFileAsk = [this] {
        QString chosenFilter;
        const QString filter = QString::fromUtf8(reports::ui::kHtmlFilter);
        const QString path =
            QFileDialog::getSaveFileName(this, QString(), QString(), filter, &chosenFilter);
        const int index = static_cast<int>(filter.split(QStringLiteral(";;")).indexOf(chosenFilter)) + 1;
        return reports::ui::HtmlAnswer{path.toStdString(), index};
    };
    PdfFileAsk = [this] {
        return QFileDialog::getSaveFileName(this, QStringLiteral("印刷"), QString(),
                                            QStringLiteral("PDF (*.pdf)"))
            .toStdString();
    };
    PrinterSetupAsk = [this] { return platform::Printer::SetupDialog(this, true); };
}

}  // namespace viewer::ui
