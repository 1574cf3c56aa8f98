#include "AnalyserDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "FilterRun.h"
#include "FrameChart.h"
#include "clsFilter.h"
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
    OpenFileAsk = [](const QString& title, const QString& filter, const std::string& folder) {
        return QFileDialog::getOpenFileName(nullptr, title, QString::fromStdString(folder), filter).toStdString();
    };
    SaveFileAsk = [](const QString& title, const QString& filter, const std::string& folder) {
        return QFileDialog::getSaveFileName(nullptr, title, QString::fromStdString(folder), filter).toStdString();
    };
    detailHooks_->MessageShow = [this](const std::string& text, int16_t icon) { main_.MsgShow(text, icon); };
    detailHooks_->PopupRun = [this](QMenu* menu, const QPoint& at) {
        if (main_.PopupRun) main_.PopupRun(menu, at);
    };
    detailHooks_->ChangeOpen = [this](frmdetails& from) { ChangeOpen(from); };
    detailHooks_->Opened = [this](frmdetails* window) { details_.emplace_back(window); };
    CommandsInstall();
}

AnalyserDialogs::~AnalyserDialogs() {
    // Detail windows may stay open a moment longer; the hooks they share
    // stop reaching back here.
    *detailHooks_ = DetailHooks{};
    delete convert_.data();
}

void AnalyserDialogs::CommandsInstall() {
    main_.FrameConfigPick = [this] { return PickFile(kPickFrameConfig).Path; };
    main_.SetCommand(main_.mnuFileOpenWithKYF, [this] { main_.mnuFileOpenWithKYF_Click(); });
    main_.SetCommand(main_.mnuEditRelationSet, [this] { mnuEditRelationSet_Click(); });
    main_.SetCommand(main_.mnuEditRelationUndo, [this] { mnuEditRelationUndo_Click(); });
    main_.SetCommand(main_.mnuViewDetail, [this] { mnuViewDetail_Click(); });
    main_.SetCommand(main_.mnuToolConvert, [this] { mnuToolConvert_Click(); });
    main_.SetCommand(main_.mnuEditFilter, [this] { mnuEditFilter_Click(); });
    // The filter belongs to the open file.
    main_.AddClosedStateHook([this] {
        if (filter_) filter_->close();
    });
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
        bool complete = false;
        st.gFilter = AllFramesRun(*st.gProtocol, &main_, complete);
        main_.fTextSetOnStatusBar(complete ? "" : "フィルタ失敗");
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

// --- the conversion and filter dialogs ----------------------------------------------

void AnalyserDialogs::mnuToolConvert_Click() {
    if (convert_) return;
    frmFileConvert::Seams seams;
    seams.OpenAsk = OpenFileAsk;
    seams.SaveAsk = SaveFileAsk;
    seams.Pick = [this](int16_t kind) { return PickFile(kind); };
    seams.MessageShow = [this](const std::string& text, int16_t icon) { main_.MsgShow(text, icon); };
    convert_ = new frmFileConvert(main_, std::move(seams));
    main_.setEnabled(false);
    convert_->show();
}

void AnalyserDialogs::mnuEditFilter_Click() {
    if (!main_.State().gProtocol || !main_.State().gFilter) return;
    if (!filter_) {
        filter_ = new frmFilter(main_, [this](const std::string& text, int16_t icon) { main_.MsgShow(text, icon); });
    }
    filter_->show();
    filter_->raise();
    filter_->activateWindow();
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
