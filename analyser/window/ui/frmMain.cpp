#include "frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QShowEvent>
#include <QLayout>
#include <QStatusBar>
#include <QUrl>

#include <algorithm>
#include <utility>

#include "FrameChart.h"
#include "MarkPictures.h"
#include "ProtocolRowSource.h"
#include "RowNumberInput.h"
#include "clsProtocol.h"
#include "frmFind.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/Twips.h"

namespace analyser::ui {

frmMain::frmMain(std::string programFolder)
    : Buttons([this](const QString& key) { Toolbar1_ButtonClick(key); }),
      state_(std::move(programFolder)),
      msgBox_(kTitle, false) {
    setObjectName(QStringLiteral("frmMain"));
    chart_.Filter = &state_.gFilter;
    Design();
}

// The find window has no owner; it goes with the main window.
frmMain::~frmMain() { delete find_.data(); }

// --- load and close -----------------------------------------------------------

void frmMain::Form_Load() {
    state_.gFrameConfigFile.clear();
    setWindowTitle(QString::fromLatin1(kTitle));
    setWindowIcon(WindowIconMake());
    fFileOpenFlgChange(false);
    state_.gFrameConfigFolder = state_.gLinkTableFolder = state_.gFrameFileFolder =
        state_.gHistoryFileFolder = state_.ProgramFolder;
    chart_.Marks.Clear();
    fChartControlsInit();
    Form_Resize();
    picFrameView->setFocus();
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        StatusPanelsFit();
    }
}

// The window opens wide enough for every status panel's widest text; the
// status bars know what they need only once they show (the size grip).
void frmMain::StatusPanelsFit() {
    for (QStatusBar* bar : {StatusBar1, StatusBar2}) bar->layout()->activate();
    const int needed = std::max(StatusBar1->sizeHint().width(), StatusBar2->sizeHint().width());
    if (width() < needed) resize(needed, height());
}

void frmMain::CommandLineOpen(const std::string& text) {
    if (text.empty() || !QFileInfo(QString::fromStdString(text)).isFile()) return;
    setEnabled(false);
    fFileOpenKYP(text, "");
    setEnabled(true);
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Changed comments are asked about; Cancel keeps the window open.
    bool close = true;
    platform::NoThrow("frmMain close", [&] { close = CommentChangesResolved(); });
    if (!close) {
        event->ignore();
        return;
    }
    event->accept();
    platform::NoThrow("frmMain close", [&] {
        chart_.Rows.Clear();
        rowSource_.reset();
        state_.gFilter.reset();
        state_.gProtocol.reset();
    });
    // The program ends with its main window, every other window with it.
    QCoreApplication::quit();
}

void frmMain::mnuFileExit_Click() { close(); }

// --- commands -----------------------------------------------------------------

void frmMain::SetCommand(QAction* item, std::function<void()> handler) {
    if (item == nullptr) return;
    if (handler) {
        commands_[item] = std::move(handler);
    } else {
        commands_.erase(item);
    }
    CommandStatesApply();
}

bool frmMain::HasCommand(const QAction* item) const { return commands_.count(item) != 0; }

void frmMain::RunCommand(QAction* item) {
    const auto it = commands_.find(item);
    if (it == commands_.end()) return;
    // A copy: the handler may replace itself.
    const std::function<void()> handler = it->second;
    platform::NoThrow(item->objectName().toLatin1().constData(), [&] { handler(); });
}

void frmMain::AddClosedStateHook(std::function<void()> hook) {
    if (hook) closedHooks_.push_back(std::move(hook));
}

void frmMain::Toolbar1_ButtonClick(const QString& key) {
    const std::pair<const char*, QAction*> routes[] = {
        {"Open", mnuFileOpen},    {"Save", mnuFileSaveOver}, {"Print", mnuFilePrint},
        {"Find", mnuEditSerch},   {"Prop", mnuViewHistory},  {"Help", mnuHelpTopic}};
    for (const auto& [name, item] : routes) {
        if (key == QLatin1String(name)) {
            RunCommand(item);
            return;
        }
    }
}

void frmMain::mnuHelpTopic_Click() {
    const QString help = QString::fromStdString(state_.ProgramFolder) + "/" + kHelpFile;
    if (!QFileInfo::exists(help) || !QDesktopServices::openUrl(QUrl::fromLocalFile(help))) {
        QApplication::beep();
    }
}

void frmMain::MsgShow(const std::string& text, int16_t icon) {
    if (MessageShow) MessageShow(text, icon);
}

void frmMain::fTextSetOnStatusBar(const std::string& text) {
    Panels.SetText(QStringLiteral("Message"), QString::fromStdString(text));
}

// --- display code, size, font, arrangement -------------------------------------

FrameViewCode frmMain::ViewCode() const {
    if (mnuViewAscii->isChecked()) return FrameViewCode::Ascii;
    if (mnuViewUnicode->isChecked()) return FrameViewCode::Unicode;
    if (mnuViewShiftJIS->isChecked()) return FrameViewCode::ShiftJis;
    return FrameViewCode::Hex;
}

void frmMain::mnuViewCode_Click(FrameViewCode code) {
    mnuViewHex->setChecked(code == FrameViewCode::Hex);
    mnuViewAscii->setChecked(code == FrameViewCode::Ascii);
    mnuViewUnicode->setChecked(code == FrameViewCode::Unicode);
    mnuViewShiftJIS->setChecked(code == FrameViewCode::ShiftJis);
    if (state_.gProtocol) fSetTblRelation("", false);
}

void frmMain::mnuViewWidth_Click(ChartSize size) {
    mnuViewWidthL->setChecked(size == ChartSize::Large);
    mnuViewWidthM->setChecked(size == ChartSize::Medium);
    mnuViewWidthS->setChecked(size == ChartSize::Small);
    ChartSizeSet(size);
    Redraw();
}

void frmMain::mnuViewFont_Click() {
    if (!FontAsk) return;
    const std::optional<FontChoice> chosen = FontAsk({chart_.CommentFont, chart_.CommentColor});
    if (!chosen) return;  // cancelled: nothing changes
    chart_.CaptionFont = chosen->Font;
    chart_.CommentFont = chosen->Font;
    chart_.CommentColor = chosen->Color;
    Redraw();
}

void frmMain::mnuViewArrangement_Click() {
    const SplitterPair s = ArrangedSplitters(platform::PixelsToTwips(Client->width(), this));
    splitterLeft_[0] = barLeft_[0] = s.Left;
    splitterLeft_[1] = barLeft_[1] = s.Right;
    fSizeControls(splitterLeft_[0], splitterLeft_[1]);
}

// --- the frame-number box -------------------------------------------------------

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txtCurrentFrame || event->type() != QEvent::KeyPress) {
        return QMainWindow::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        platform::NoThrow("txtCurrentFrame", [&] { txtCurrentFrame_Enter(); });
        return true;
    }
    // Keys without text (arrows, Delete) edit the box as usual; of the
    // typed characters only digits, Backspace and "." get through.
    const QString text = key->text();
    if (text.isEmpty()) return false;
    return !RowBoxAccepts(text.front().unicode());
}

void frmMain::txtCurrentFrame_Enter() {
    const std::optional<int32_t> number = RowBoxNumber(txtCurrentFrame->text().toStdString());
    if (!number) return;  // an empty box, "." or junk moves nothing
    fCurrentFrameChange(int64_t{*number} - 1);
}

}  // namespace analyser::ui
