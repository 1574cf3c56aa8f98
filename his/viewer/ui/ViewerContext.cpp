#include "ViewerContext.h"

#include <utility>

#include "Colors.h"
#include "his/store/CodeTable.h"

namespace viewer::ui {

ViewerContext::ViewerContext(std::string programFolder)
    : programFolder_(std::move(programFolder)) {}

void ViewerContext::CommonInit() {
    gCommon = std::make_unique<store::clsCommon>();
    gMsgBox = std::make_unique<store::clsMsgBox>();
    gBar = std::make_unique<store::clsBar>();
    store::CodeTableRead();
    // A fresh state is exactly the start-up one: nothing loaded, no marks,
    // no time base, default colours.
    State = ViewerState{};
    State.Colors = DefaultColors();
    State.TimeBaseRecord = -1;
    viewer::ColorIniRead(IniPath(), State.Colors);
}

void ViewerContext::Release() {
    gBar.reset();
    gMsgBox.reset();
    gCommon.reset();
}

std::string ViewerContext::IniPath() const { return ColorIniPath(programFolder_); }

void ViewerContext::ColorIniWrite() const { viewer::ColorIniWrite(IniPath(), State.Colors); }

}  // namespace viewer::ui
