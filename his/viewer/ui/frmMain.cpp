#include "frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QToolButton>
#include <QUrl>

#include <utility>

#include "HistoryGrid.h"
#include "HistoryOpen.h"
#include "HistorySaving.h"
#include "PageModel.h"
#include "StatusPanels.h"
#include "ViewerContext.h"
#include "DialogPlacer.h"
#include "frmColor.h"
#include "frmFind.h"
#include "frmGoto.h"
#include "frmProp.h"
#include "frmRange.h"
#include "GotoRange.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/WaitCursor.h"
#include "platform/ui/frmAbout.h"

namespace viewer::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString Caption(const std::string& inBrackets) {
    return QString::fromUtf8(frmMain::kCaption) + QStringLiteral(" - [") + Q(inBrackets) +
           QStringLiteral("]");
}

}  // namespace

frmMain::frmMain(ViewerContext& ctx, std::string appTitle, std::string version)
    : Buttons([this](const QString& key) {
          platform::NoThrow("Toolbar1", [&] { Toolbar1_ButtonClick(key); });
      }),
      ctx_(ctx),
      appTitle_(std::move(appTitle)),
      version_(std::move(version)) {
    Design();
}

frmMain::~frmMain() = default;

// --- load, resize, close ------------------------------------------------------

void frmMain::Form_Load(const std::string& commandLine) {
    setWindowTitle(commandLine.empty() ? Caption("無題") : Caption(commandLine));
    for (const QString& key : Panels.Keys()) Panels.SetText(key, QString());
    LoadedCommandsEnable(false);
    mnuColor->setEnabled(true);
    // Looked for once: a program that appears or goes later does not
    // change the menu.
    siblings_ = SiblingProgramsFind(ctx_.ProgramFolder());
    mnuMonitor->setEnabled(siblings_.CapturoFound);
    mnuProtocol->setEnabled(siblings_.DissectoFound);
    ctx_.State.Lines.Clear();
    if (ctx_.gBar) ctx_.gBar->SetMainWindow(this);
}

// Everything that needs a loaded history, on or off together; the open
// flow then narrows it down by the file's direction and chain.
void frmMain::LoadedCommandsEnable(bool loaded) {
    for (QAction* a : {mnuPrecedFile, mnuFollowFile, mnuRangeSave, mnuAllSave, mnuTop, mnuBottom,
                       mnuDspLineDual, mnuDspLineSd, mnuDspLineRd, mnuDspCodeAscii,
                       mnuDspCodeJis7, mnuDspCodeJis8, mnuDspCodeEbcdic, mnuDspCodeUni,
                       mnuDspCodeShift, mnuRightTop, mnuRightTrigJump, mnuRightBottom, mnuFind,
                       mnuLineNo, mnuRange, mnuHistory, mnuRightLine}) {
        a->setEnabled(loaded);
    }
    for (QMenu* m : {mnuMarkJump, mnuMarkSet, mnuDspCursol, mnuRightMarkJump, mnuRightMarkSet}) {
        m->menuAction()->setEnabled(loaded);
    }
    for (const char* key : {"Save", "Find", "Range", "Prop"}) Buttons.SetEnabled(key, loaded);
    mnuHtml->setEnabled(loaded);
    PrintCommandsEnable();
}

bool frmMain::Form_QueryUnload() {
    return !(ctx_.State.PropOpen || ctx_.State.FindOpen || reporting_);
}

void frmMain::closeEvent(QCloseEvent* event) {
    bool close = true;
    platform::NoThrow("frmMain close", [&] { close = Form_QueryUnload(); });
    if (!close) {
        event->ignore();
        return;
    }
    event->accept();
    // The progress window centres on this window: it goes first.
    if (ctx_.gBar) ctx_.gBar->SetMainWindow(nullptr);
    ctx_.Release();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    platform::NoThrow("frmMain resize", [&] { Form_Resize(); });
}

void frmMain::Form_Resize() {
    if (isMinimized()) return;
    GridPlace();
    if (!Loaded()) return;
    GridLayoutApply();
    PageRedraw();
    TimePanelRefresh();
}

bool frmMain::Loaded() const { return ctx_.State.FileLoaded && ctx_.gCommon != nullptr; }

// --- opening ------------------------------------------------------------------

void frmMain::HistoryFileOpen(const std::string& path) {
    if (!ctx_.gBar || !ctx_.gMsgBox) return;
    ReadResult read;
    {
        const platform::WaitCursor hourglass;
        setEnabled(false);
        read = HistoryRead(path, *ctx_.gBar);
        setEnabled(true);
    }
    if (read.Outcome == ReadOutcome::Failed) {
        MsgShow(kMsgReadFailed, kIconStop);
        return;
    }
    if (read.Outcome == ReadOutcome::Cancelled) return;
    const platform::WaitCursor hourglass;
    ctx_.gCommon = std::move(read.Doc);
    HistoryShow(path);
}

// Sets the window up for the history that has just become the current one.
void frmMain::HistoryShow(const std::string& path) {
    ViewerState& st = ctx_.State;
    const store::clsCommon& doc = *ctx_.gCommon;
    st.DspCode = doc.DspMode();
    LineMenusByDirection(doc.Direction());
    HistoryAttach(st, doc);
    st.MarkBegin = st.MarkEnd = -1;
    st.TopRecord = st.BottomRecord = st.FillRecord = 0;
    st.Scroll.Value = 0;
    if (doc.Direction() == kLineDual) {
        st.MarkBegin = 0;
        st.MarkEnd = st.RecordCount - 1;
    }
    LoadedCommandsEnable(true);
    LineMenusByDirection(doc.Direction());
    mnuPrecedFile->setEnabled(!doc.PrecedFile().empty());
    mnuFollowFile->setEnabled(!doc.FollowFile().empty());
    setWindowTitle(Caption(path));
    st.DspCur = kBaseTop;
    st.TimeBaseRecord = 0;
    mnuDspCurTop->setChecked(true);
    mnuDspCurBegin->setChecked(false);
    mnuDspCurEnd->setChecked(false);
    CountPanelsSet();
    st.FileLoaded = true;
    DspLineApply();
    DspCodeApply();
    if (const auto cell = CursorToRecord(st, doc, 0)) VSFlexGrid1->CursorSet(cell->Row, cell->Col);
    mnuRangeSave->setEnabled(false);
    if (st.PropOpen && prop_) prop_->DspProp(doc);
}

void frmMain::LineMenusByDirection(int16_t direction) {
    for (QAction* a : {mnuDspLineDual, mnuDspLineSd, mnuDspLineRd}) a->setEnabled(true);
    if (direction == kLineSd) {
        ctx_.State.DspLine = kLineSd;
        mnuDspLineDual->setEnabled(false);
        mnuDspLineRd->setEnabled(false);
    } else if (direction == kLineRd) {
        ctx_.State.DspLine = kLineRd;
        mnuDspLineDual->setEnabled(false);
        mnuDspLineSd->setEnabled(false);
    } else if (direction == kLineDual) {
        ctx_.State.DspLine = kLineDual;
    }
}

void frmMain::CountPanelsSet() {
    int32_t total = 0, sd = 0, rd = 0;
    ctx_.gCommon->IsCounterInf(total, sd, rd);
    Panels.SetText("DateTime", QString());
    Panels.SetText("CharTime", QString());
    Panels.SetText("SdCount", QStringLiteral("SD : %1").arg(sd));
    Panels.SetText("RdCount", QStringLiteral("RD : %1").arg(rd));
    Panels.SetText("TotalCount", QStringLiteral("TR : %1").arg(total));
}

bool frmMain::OldHistoryConvert(const std::string& path) {
    const bool converted = ctx_.DBRead && ctx_.DBRead(path);
    if (!converted) MsgShow(kMsgConvertFailed, kIconStop);
    return converted;
}

void frmMain::CommandLineOpen(const std::string& text) {
    const StartRequest request = CommandLineRule(text);
    if (request.Action == StartAction::Open) HistoryFileOpen(request.Path);
    if (request.Action != StartAction::ConvertThenOpen) return;
    // The first part this conversion wrote, not whatever an older
    // conversion left beside it.
    if (!OldHistoryConvert(request.Path) || ctx_.ConvertedParts.empty()) return;
    HistoryFileOpen(ctx_.ConvertedParts.front());
}

// --- file commands ------------------------------------------------------------

void frmMain::mnuRead_Click() {
    const std::string path = OpenFileAsk(QStringLiteral("ky2ファイル (*.ky2)"));
    if (!path.empty()) HistoryFileOpen(path);
}

// The name is copied first: a successful open replaces the document that
// holds it.
void frmMain::mnuPrecedFile_Click() {
    if (!Loaded()) return;
    const std::string path = ctx_.gCommon->PrecedFile();
    HistoryFileOpen(path);
}

void frmMain::mnuFollowFile_Click() {
    if (!Loaded()) return;
    const std::string path = ctx_.gCommon->FollowFile();
    HistoryFileOpen(path);
}

void frmMain::mnuAllSave_Click() { SaveRun(false); }

void frmMain::mnuRangeSave_Click() { SaveRun(true); }

// The store writes beside the target and renames over it, so an existing
// file is never deleted first: a failed save keeps it whole.
void frmMain::SaveRun(bool range) {
    if (!Loaded()) return;
    const SaveAnswer answer = SaveFileAsk();
    if (answer.Path.empty()) return;
    const store::SaveRange bounds{static_cast<int16_t>(range ? 1 : 0), ctx_.State.MarkBegin,
                                  ctx_.State.MarkEnd};
    std::string failure;
    {
        const platform::WaitCursor hourglass;
        failure = HistorySaveAs(*ctx_.gCommon, answer.Path, answer.FilterIndex, bounds);
    }
    if (!failure.empty()) MsgShow(failure, kIconStop);
}

void frmMain::mnuPcn4_Click() {
    const std::string path = OpenFileAsk(QStringLiteral("ky1ファイル (*.ky1)"));
    if (!path.empty()) OldHistoryConvert(path);
}

void frmMain::mnuMonitor_Click() { ProgramStart(siblings_.CapturoPath); }

void frmMain::mnuProtocol_Click() { ProgramStart(siblings_.DissectoPath); }

void frmMain::mnuEnd_Click() { close(); }

// --- display, colour and help commands ----------------------------------------

void frmMain::DspLineChoose(int16_t line) {
    if (!Loaded()) return;
    ctx_.State.DspLine = line;
    DspLineApply();
}

void frmMain::DspCodeChoose(int16_t code) {
    if (!Loaded()) return;
    ctx_.State.DspCode = code;
    DspCodeApply();
}

void frmMain::DspCurChoose(int16_t base) {
    if (!Loaded()) return;
    ctx_.State.DspCur = base;
    viewer::DspCurSet(ctx_.State);
    mnuDspCurTop->setChecked(base == kBaseTop);
    mnuDspCurBegin->setChecked(base == kBaseBegin);
    mnuDspCurEnd->setChecked(base == kBaseEnd);
    TimePanelRefresh();
}

void frmMain::mnuColor_Click() {
    if (ColorDialogRun) {
        ColorDialogRun();
    } else {
        frmColor dialog(this, ctx_.State.Colors);
        if (dialog.exec() == QDialog::Accepted) ctx_.State.Colors = dialog.Working();
    }
    GridColorSet();
    if (Loaded()) {
        PageRedraw();
        TimePanelRefresh();
    }
    // Written after every use of the window, changed or not.
    ctx_.ColorIniWrite();
}

void frmMain::mnuHelpTopic_Click() {
    const std::string help = ctx_.ProgramFolder() + "/" + kHelpFile;
    QDesktopServices::openUrl(QUrl::fromLocalFile(Q(help)));
}

void frmMain::mnuHelpVerion_Click() {
    platform::frmAbout about(this, Q(appTitle_), Q(version_));
    DialogPlaceOn(&about, this, "frmAbout");
    about.exec();
}

void frmMain::Toolbar1_ButtonClick(const QString& key) {
    const std::pair<const char*, void (frmMain::*)()> direct[] = {
        {"Open", &frmMain::mnuRead_Click},
        {"Print", &frmMain::mnuPrint_Click},
        {"Find", &frmMain::mnuFind_Click},
        {"Range", &frmMain::mnuRange_Click},
        {"Prop", &frmMain::mnuHistory_Click}};
    for (const auto& [name, handler] : direct) {
        if (key == QLatin1String(name)) {
            (this->*handler)();
            return;
        }
    }
    // The other buttons drop down the menu items they stand for.
    QMenu drop;
    if (key == QLatin1String("Save")) {
        drop.addActions({mnuAllSave, mnuRangeSave});
    } else if (key == QLatin1String("Line")) {
        drop.addActions({mnuDspLineDual, mnuDspLineSd, mnuDspLineRd});
    } else if (key == QLatin1String("Code")) {
        drop.addActions({mnuDspCodeAscii, mnuDspCodeJis7, mnuDspCodeJis8, mnuDspCodeEbcdic,
                         mnuDspCodeUni, mnuDspCodeShift});
    } else {
        return;
    }
    QWidget* button = Toolbar1->widgetForAction(Buttons.Button(key));
    drop.exec(button != nullptr ? button->mapToGlobal(QPoint(0, button->height())) : QCursor::pos());
}

// --- find, goto, range and properties ------------------------------------------

void frmMain::mnuFind_Click() {
    if (!Loaded() || ctx_.State.FindOpen) return;
    find_ = new frmFind(ctx_, *this);
    find_->show();
}

void frmMain::FindLock(bool open) {
    for (QMenu* menu : {mnuFile, mnuDsp}) {
        menu->menuAction()->setEnabled(!open);
        // A disabled menu also keeps its items' shortcuts from firing.
        menu->setEnabled(!open);
    }
    mnuColor->setEnabled(!open);
    mnuFind->setEnabled(!open);
    Toolbar1->setEnabled(!open);
    const bool dual = ctx_.gCommon && ctx_.gCommon->Direction() == kLineDual;
    mnuRange->setEnabled(!open && dual);
}

void frmMain::mnuLineNo_Click() {
    if (!Loaded()) return;
    frmGoto dialog(this, GotoLoad(ctx_.State, *ctx_.gCommon));
    dialog.exec();
    ctx_.State.GotoLine = dialog.GotoLine();
    NavApply(viewer::mnuLineNo_Click(ctx_.State, *ctx_.gCommon));
}

void frmMain::mnuRange_Click() {
    if (!Loaded() || ctx_.State.DspLine != kLineDual || ctx_.State.FindOpen) return;
    frmRange dialog(this, ctx_.State, *ctx_.gCommon);
    if (dialog.exec() == QDialog::Accepted) {
        PageRedraw();
        mnuRangeSave->setEnabled(ctx_.State.BothMarksSet());
    }
    NavApply(viewer::mnuRange_Click(ctx_.State, *ctx_.gCommon));
}

void frmMain::mnuHistory_Click() {
    if (!Loaded()) return;
    if (prop_) {
        prop_->raise();
        prop_->activateWindow();
        return;
    }
    prop_ = new frmProp(this, ctx_.State.PropOpen);
    prop_->DspProp(*ctx_.gCommon);
    prop_->show();
}

frmFind* frmMain::FindWindow() const { return find_; }

frmProp* frmMain::PropWindow() const { return prop_; }

void frmMain::SearchShow(const NavResult& result) { NavApply(result); }

void frmMain::MsgShow(const std::string& text, int16_t icon) {
    if (ctx_.gMsgBox) ctx_.gMsgBox->Show(text, 1, this, icon, "");
}

}  // namespace viewer::ui
