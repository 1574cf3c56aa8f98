// Opening frame files on every road (menu, with a frame configuration,
// command line, drop, after a conversion), the row table's build, and the
// window's open and closed states.
#include <QDir>
#include <QFileInfo>

#include <set>

#include "AnalyserBar.h"
#include "FilterRun.h"
#include "ProtocolRowSource.h"
#include "clsFilter.h"
#include "clsFrameConfig.h"
#include "clsLink.h"
#include "clsProtocol.h"
#include "frmMain.h"
#include "platform/ui/MsgBoxRules.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/WaitCursor.h"
#include "platform/ui/WindowPlacement.h"

namespace analyser::ui {
namespace {

constexpr const char* kReadFailed = "の読込に失敗しました。";
constexpr const char* kConfigReadFailed = "フレーム構成ファイルの読込に失敗しました。";

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Keeps a window's enabled state across an open and puts it back after.
class Disabled {
public:
    explicit Disabled(QWidget* window) : window_(window), was_(window->isEnabled()) {
        window_->setEnabled(false);
    }
    ~Disabled() { window_->setEnabled(was_); }
    Disabled(const Disabled&) = delete;
    Disabled& operator=(const Disabled&) = delete;

private:
    QWidget* window_;
    bool was_;
};

}  // namespace

// --- the open sequence --------------------------------------------------------

// Reads the file into a new document. Only a read that succeeded replaces
// the open document, its comments and its rows; a failure leaves the
// window exactly as it was.
int16_t frmMain::OpenSequence(const std::string& path, const std::string& configPath, OpenRoad road) {
    auto doc = std::make_unique<frames::clsProtocol>();
    int16_t result = frames::clsProtocol::kReadDone;
    {
        const platform::WaitCursor wait;
        fTextSetOnStatusBar(path + "を開いています...");
        const std::unique_ptr<store::clsBar> bar =
            frames::NewAnalyserBar([this] { return platform::WindowTwips(this); }, this);
        result = doc->FileRead(path, road == OpenRoad::WithConfig ? configPath : std::string(), bar.get());
    }
    if (result != frames::clsProtocol::kReadDone) return result;

    const platform::WaitCursor wait;
    const Disabled disabled(this);
    CommentEditFinish();  // an open comment edit belongs to the old document
    // Marks name frames of the old document; none carries over.
    chart_.Marks.Clear();
    MarkJumpItemsShow();
    chart_.Rows.Clear();
    rowSource_.reset();
    state_.gFilter.reset();
    state_.gProtocol = std::move(doc);
    commentsChanged_ = false;
    state_.gFrameFile = path;
    state_.gFrameConfigFile =
        road == OpenRoad::WithConfig ? configPath : state_.gProtocol->FrameFile();
    rowSource_ = std::make_unique<ProtocolRowSource>(*state_.gProtocol);

    // Every condition off: every frame is a row. A cancelled run keeps
    // the rows found so far.
    fTextSetOnStatusBar("フィルタ実行中...");
    bool complete = false;
    state_.gFilter = AllFramesRun(*state_.gProtocol, this, complete);
    fTextSetOnStatusBar(complete ? "" : "フィルタ失敗");

    fSetTblRelation(state_.gProtocol->LinkFile(), true);
    fFileOpenFlgChange(true);
    fCurrentFrameChange(0);
    return result;
}

void frmMain::OpenFailureShow(int16_t result, const std::string& path, const std::string& configPath,
                              OpenRoad road) {
    std::string text;
    if (result == frames::clsProtocol::kReadNoConfig) {
        text = road == OpenRoad::WithConfig ? configPath + kReadFailed : kConfigReadFailed;
    } else {
        text = path + kReadFailed;
    }
    MsgShow(text, platform::kMsgIconInformation);
    fTextSetOnStatusBar("");
}

void frmMain::mnuFileOpen_Click() {
    if (!CommentChangesResolved()) return;
    const std::string path = OpenFileAsk ? OpenFileAsk(QStringLiteral("ファイルを開く"),
                                                       QStringLiteral("kypファイル(*.kyp)"))
                                         : std::string();
    if (path.empty()) {
        fTextSetOnStatusBar("");
        return;
    }
    FolderRemember(state_.gFrameFileFolder, path);
    const int16_t result = [&] {
        const Disabled disabled(this);
        return OpenSequence(path, "", OpenRoad::Menu);
    }();
    if (result != frames::clsProtocol::kReadDone) {
        OpenFailureShow(result, path, "", OpenRoad::Menu);
        return;
    }
    activateWindow();
}

void frmMain::mnuFileOpenWithKYF_Click() {
    if (!FrameConfigPick || !CommentChangesResolved()) return;
    const std::string config = FrameConfigPick();
    if (config.empty()) return;
    FolderRemember(state_.gFrameConfigFolder, config);
    const std::string path = OpenFileAsk ? OpenFileAsk(QStringLiteral("KYPファイルを選択してください"),
                                                       QStringLiteral("KYPファイル(*.kyp)"))
                                         : std::string();
    if (path.empty()) return;  // the open file stays open
    FolderRemember(state_.gFrameFileFolder, path);
    const int16_t result = [&] {
        const Disabled disabled(this);
        return OpenSequence(path, config, OpenRoad::WithConfig);
    }();
    if (result != frames::clsProtocol::kReadDone) OpenFailureShow(result, path, config, OpenRoad::WithConfig);
}

bool frmMain::fFileOpenKYP(const std::string& vKYPFileName, const std::string&) {
    FolderRemember(state_.gFrameFileFolder, vKYPFileName);
    const int16_t result = OpenSequence(vKYPFileName, "", OpenRoad::Direct);
    if (result == frames::clsProtocol::kReadDone) return true;
    OpenFailureShow(result, vKYPFileName, "", OpenRoad::Direct);
    return false;
}

void frmMain::FileDrop(const QString& path) {
    if (!path.toUpper().endsWith(QLatin1String(".KYP"))) return;  // other files are ignored
    if (!CommentChangesResolved()) return;
    const Disabled disabled(this);
    fFileOpenKYP(path.toStdString(), "");
}

// A dialog's folder is remembered as the folder of the file chosen in it.
void frmMain::FolderRemember(std::string& folder, const std::string& chosenPath) {
    const QFileInfo chosen(Q(chosenPath));
    if (chosen.absoluteDir().exists()) folder = chosen.absolutePath().toStdString();
}

// --- the row table ------------------------------------------------------------

void frmMain::fSetTblRelation(const std::string& vLinkFile, bool vInit) {
    if (!state_.gProtocol || !rowSource_) return;
    state_.gLinkFile = vLinkFile;
    fTextSetOnStatusBar("関連付けを行っています...");
    if (vInit) {
        mFrameCount_ = state_.gProtocol->FrameMax();
        state_.gRowCount = state_.gFilter ? state_.gFilter->FilterMax() : 0;
        chart_.Marks.Cover(mFrameCount_);
    }
    fDeviceNameSet(state_.gProtocol->SpotA(), 0);
    fDeviceNameSet(state_.gProtocol->SpotB(), 1);

    auto link = std::make_unique<frames::clsLink>();
    const bool linked = link->LinkRead(vLinkFile);
    if (linked) {
        link->DataJoint(*state_.gProtocol);
        chart_.Rows.Reset(rowSource_.get(), std::make_unique<LinkRowNamer>(std::move(link)), ViewCode());
    } else {
        fTextSetOnStatusBar("");
        chart_.Rows.Reset(rowSource_.get(), nullptr, ViewCode());
    }
    mnuEditRelationSet->setChecked(linked);
    mnuEditRelationUndo->setChecked(!linked);
    for (QAction* code : {mnuViewHex, mnuViewAscii, mnuViewUnicode, mnuViewShiftJIS, mnuViewLine3}) {
        code->setVisible(!linked);
    }
    fCurrentFrameChange(0);
    if (linked) fTextSetOnStatusBar("");
}

// --- open and closed states ----------------------------------------------------

void frmMain::fFileOpenFlgChange(bool vOpen) {
    state_.gFileOpen = vOpen;
    chart_.Paging.SetFileOpen(vOpen);
    CommandStatesApply();
    if (vOpen) {
        setWindowTitle(QString::fromLatin1(kTitle) + QStringLiteral(" - [") + Q(state_.gFrameFile) +
                       QStringLiteral("]"));
        StatusBar2Show();
        return;
    }
    chart_.Marks.Clear();
    for (QAction* line : {mnuEditMarkJumpLine, mnuRightMarkJumpLine}) line->setVisible(false);
    for (int n = 1; n <= 5; ++n) {
        mnuEditMarkJumpMark[n]->setVisible(false);
        mnuRightMarkJumpMark[n]->setVisible(false);
    }
    setWindowTitle(QString::fromLatin1(kTitle));
    for (const char* key : {"FrameConfig", "LinkTable"}) {
        QLabel* panel = Panels.Panel(QString::fromLatin1(key));
        panel->clear();
        panel->hide();
    }
    for (const auto& hook : closedHooks_) platform::NoThrow("closed state", [&] { hook(); });
}

void frmMain::StatusBar2Show() {
    frames::clsFrameConfig config;
    const std::string configName = config.FrameRead(state_.gFrameConfigFile) ? config.FrameName() : "";
    frames::clsLink link;
    const std::string linkName = link.LinkRead(state_.gLinkFile) ? link.LinkName() : "";
    const std::pair<const char*, std::string> panels[] = {{"FrameConfig", configName},
                                                          {"LinkTable", linkName}};
    for (const auto& [key, text] : panels) {
        QLabel* panel = Panels.Panel(QString::fromLatin1(key));
        panel->setText(Q(text));
        panel->show();
    }
}

void frmMain::CommandStatesApply() {
    const bool open = state_.gFileOpen;
    const std::set<const QAction*> dependent = {mnuFilePrint, mnuFileSaveOver, mnuEditJump,
                                                mnuEditSerch, mnuEditFilter,   mnuViewDetail,
                                                mnuViewHistory};
    for (QAction* item : items_) {
        item->setEnabled(HasCommand(item) && (open || dependent.count(item) == 0));
    }
    mnuRightOpen->setEnabled(HasCommand(mnuViewDetail));
    for (QMenu* menu : {mnuFileSave, mnuFileCsv, mnuEditRelation, mnuEditMarkJump, mnuEditMarkSet}) {
        menu->menuAction()->setEnabled(open);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{cmdBefore, cmdBeforePage, cmdBeforeBegin, cmdNext,
                                                      cmdNextPage, cmdNextEnd, txtCurrentFrame}) {
        w->setEnabled(open);
    }
    const std::pair<const char*, QAction*> buttons[] = {
        {"Open", mnuFileOpen},  {"Save", mnuFileSaveOver}, {"Print", mnuFilePrint},
        {"Find", mnuEditSerch}, {"Prop", mnuViewHistory},  {"Help", mnuHelpTopic}};
    for (const auto& [key, item] : buttons) Buttons.SetEnabled(key, item->isEnabled());
}

}  // namespace analyser::ui
