#include "AnalyserDialogs.h"

#include <QApplication>
#include <QFileInfo>

#include "FrameChart.h"
#include "clsProtocol.h"
#include "frmMain.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/WaitCursor.h"

namespace analyser::ui {

namespace {

// The folder of a chosen file, where the next picker of its kind opens.
std::string FolderOf(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).absolutePath().toStdString();
}

}  // namespace

AnalyserDialogs::AnalyserDialogs(frmMain& main) : main_(main), detailHooks_(std::make_shared<DetailHooks>()) {
    FilePicker = [this](int16_t kind, const std::string& folder) {
        return frmFileOpen::fFileOpen(kind, folder, &main_);
    };
    ChangeRun = [](frmChange& dialog) { dialog.exec(); };
    detailHooks_->MessageShow = [this](const std::string& text, int16_t icon) { main_.MsgShow(text, icon); };
    detailHooks_->PopupRun = [this](QMenu* menu, const QPoint& at) {
        if (main_.PopupRun) main_.PopupRun(menu, at);
    };
    detailHooks_->ChangeOpen = [this](frmdetails& from) { ChangeOpen(from); };
    detailHooks_->Opened = [this](frmdetails* window) { details_.emplace_back(window); };
    CommandsInstall();
}

AnalyserDialogs::~AnalyserDialogs() {
    // The windows outlive nothing they were given; the hooks they share
    // stop reaching back here.
    *detailHooks_ = DetailHooks{};
}

void AnalyserDialogs::CommandsInstall() {
    main_.FrameConfigPick = [this] { return PickFile(kPickFrameConfig).Path; };
    main_.SetCommand(main_.mnuFileOpenWithKYF, [this] { main_.mnuFileOpenWithKYF_Click(); });
    main_.SetCommand(main_.mnuEditRelationSet, [this] { mnuEditRelationSet_Click(); });
    main_.SetCommand(main_.mnuEditRelationUndo, [this] { mnuEditRelationUndo_Click(); });
    main_.SetCommand(main_.mnuViewDetail, [this] { mnuViewDetail_Click(); });
}

std::string& AnalyserDialogs::RememberedFolder(int16_t kind) {
    return kind == kPickLinkTable ? main_.State().gLinkTableFolder : main_.State().gFrameConfigFolder;
}

FilePick AnalyserDialogs::PickFile(int16_t kind) {
    return FilePicker ? FilePicker(kind, RememberedFolder(kind)) : FilePick{};
}

// --- the link table ---------------------------------------------------------------

void AnalyserDialogs::mnuEditRelationSet_Click() {
    AnalyserState& st = main_.State();
    if (!st.gProtocol) return;
    main_.setEnabled(false);
    const FilePick pick = PickFile(kPickLinkTable);
    if (pick.Path.empty()) {
        main_.setEnabled(true);
        return;
    }
    RememberedFolder(kPickLinkTable) = FolderOf(pick.Path);
    {
        const platform::WaitCursor wait;
        // Every frame is a row again: a filter set before is dropped.
        main_.fTextSetOnStatusBar("フィルタ実行中...");
        st.gFilter = std::make_unique<AllFramesFilter>(st.gProtocol->FrameMax());
        main_.fTextSetOnStatusBar("");
        main_.fSetTblRelation(st.gProtocol->LinkFile(), true);
        main_.fSetTblRelation(pick.Path, false);
        main_.fFileOpenFlgChange(true);
        main_.setEnabled(true);
    }
    main_.activateWindow();
    main_.picFrameView->setFocus();
}

void AnalyserDialogs::mnuEditRelationUndo_Click() {
    if (!main_.State().gProtocol) return;
    main_.fSetTblRelation("", false);
    main_.fFileOpenFlgChange(true);
    main_.fCurrentFrameChange(0);
}

// --- the detail windows -------------------------------------------------------------

void AnalyserDialogs::mnuViewDetail_Click() {
    AnalyserState& st = main_.State();
    if (!st.gFileOpen || !st.gProtocol || !st.gFilter || st.gRowCount < 1) return;
    const int32_t frame = st.gFilter->FilterNo(main_.CurrentRow());
    frmdetails::DataProc(st.gProtocol, frame, main_.TableEntry(frame).Caption, st.gLinkFile, detailHooks_,
                         &main_);
}

void AnalyserDialogs::ChangeOpen(frmdetails& from) {
    frmChange dialog(
        changePaths_, [this](int16_t kind) { return PickFile(kind); },
        [this](const std::string& text, int16_t icon) { main_.MsgShow(text, icon); }, &from);
    dialog.frmSet(&from);
    if (ChangeRun) ChangeRun(dialog);
}

std::vector<frmdetails*> AnalyserDialogs::DetailWindows() const {
    std::vector<frmdetails*> open;
    for (const QPointer<frmdetails>& w : details_) {
        if (w && w->isVisible()) open.push_back(w.data());
    }
    return open;
}

}  // namespace analyser::ui
