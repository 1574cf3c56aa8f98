// The main window's dialogs and the commands that open them: the file
// picker (opening with a chosen frame configuration, the link table
// change), the frame detail windows with their change dialog, the
// conversion dialog and the filter dialogs. Built once beside the main
// window; it gives the window's menu items their handlers.
#pragma once

#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frmChange.h"
#include "frmFileConvert.h"
#include "frmFileOpen.h"
#include "frmFilter.h"
#include "frmdetails.h"

namespace analyser::ui {

class frmMain;

class AnalyserDialogs {
public:
    explicit AnalyserDialogs(frmMain& main);
    ~AnalyserDialogs();
    AnalyserDialogs(const AnalyserDialogs&) = delete;
    AnalyserDialogs& operator=(const AnalyserDialogs&) = delete;

    // --- the commands -----------------------------------------------------------
    void mnuEditRelationSet_Click();
    void mnuEditRelationUndo_Click();
    void mnuViewDetail_Click();
    void mnuToolConvert_Click();
    void mnuEditFilter_Click();

    // The picker of a kind, opening in the folder remembered for it.
    FilePick PickFile(int16_t kind);

    // --- seams, replaced by tests ------------------------------------------------
    // The file picker: kind and start folder.
    std::function<FilePick(int16_t kind, const std::string& folder)> FilePicker;
    // Runs the change dialog modally.
    std::function<void(frmChange& dialog)> ChangeRun;
    // The system's open and save dialogs of the conversion dialog: title,
    // filter, start folder; "" is a Cancel.
    std::function<std::string(const QString& title, const QString& filter, const std::string& folder)> OpenFileAsk;
    std::function<std::string(const QString& title, const QString& filter, const std::string& folder)> SaveFileAsk;

    // The detail windows still open, oldest first.
    std::vector<frmdetails*> DetailWindows() const;
    const ChangePaths& ChangeMemory() const { return changePaths_; }
    // The conversion and filter dialogs while they are open.
    frmFileConvert* ConvertDialog() const { return convert_.data(); }
    frmFilter* FilterDialog() const { return filter_.data(); }

private:
    void CommandsInstall();
    void ChangeOpen(frmdetails& from);
    std::string& RememberedFolder(int16_t kind);

    frmMain& main_;
    std::shared_ptr<DetailHooks> detailHooks_;
    std::vector<QPointer<frmdetails>> details_;
    ChangePaths changePaths_;
    QPointer<frmFileConvert> convert_;
    QPointer<frmFilter> filter_;
};

}  // namespace analyser::ui
