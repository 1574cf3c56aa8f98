// The viewer's process-wide objects and shared state in one place: the
// current history, the message box, the progress window, the state the
// windows share, and the program folder. The main window and its dialogs
// hold a reference to it instead of reaching for globals.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ViewerState.h"
#include "his/store/Ky1Source.h"
#include "his/store/clsCommon.h"
#include "his/store/ui/clsBar.h"
#include "his/store/ui/frmBar.h"  // clsBar holds a guarded pointer to it
#include "his/store/ui/clsMsgBox.h"

namespace viewer::ui {

class ViewerContext {
public:
    explicit ViewerContext(std::string programFolder);

    // New gCommon, gMsgBox and gBar; the code table; the shared state back
    // to "nothing loaded"; the colours from Rewindo.ini (created from the
    // defaults when missing).
    void CommonInit();
    // Releases gBar, gMsgBox and gCommon, in that order, as the main window
    // closes.
    void Release();

    const std::string& ProgramFolder() const { return programFolder_; }
    std::string IniPath() const;
    // Writes the colours back; failures are not reported.
    void ColorIniWrite() const;

    std::unique_ptr<store::clsCommon> gCommon;
    std::unique_ptr<store::clsMsgBox> gMsgBox;
    std::unique_ptr<store::clsBar> gBar;
    ViewerState State;

    // Converts a KY1 file into a new KY2 file beside it (clsConver's
    // DBRead). CommonInit installs Ky1Convert; until then every conversion
    // fails.
    std::function<bool(const std::string& ky1Path)> DBRead;

    // One conversion with gBar for progress and cancel, the main window
    // disabled and the busy pointer up meanwhile. Leaves the parts it
    // created in ConvertedParts.
    bool Ky1Convert(const std::string& ky1Path);
    // The parts of the last conversion, first to last; empty when it wrote
    // none (failed, cancelled, or not run).
    std::vector<std::string> ConvertedParts;
    // Where KY1 files are read from: the reader program beside the viewer
    // (Ky1ReaderPath), in a process of its own, unless a test says
    // otherwise.
    std::function<std::unique_ptr<store::Ky1Source>()> Ky1SourceMake;
    std::string Ky1ReaderPath;
    // The window a conversion disables; set once it exists.
    QPointer<QWidget> MainWindow;

private:
    void ConversionBusy(bool busy);
    std::unique_ptr<store::Ky1Source> Ky1ReaderStart();

    std::string programFolder_;
};

}  // namespace viewer::ui
