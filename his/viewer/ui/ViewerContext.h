// The viewer's process-wide objects and shared state in one place: the
// current history, the message box, the progress window, the state the
// windows share, and the program folder. The main window and its dialogs
// hold a reference to it instead of reaching for globals.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ViewerState.h"
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
    // DBRead). Until a converter is installed every conversion fails.
    std::function<bool(const std::string& ky1Path)> DBRead;

private:
    std::string programFolder_;
};

}  // namespace viewer::ui
