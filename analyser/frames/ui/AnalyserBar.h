// The analyser's progress object: the programs' shared progress window
// (clsBar, frmBar) with the analyser's rules. It centres on the analyser's
// main window, whose rectangle it asks each time it opens; a total below 1
// shows nothing; the pointer over it is the arrow with the hourglass.
#pragma once

#include <QWidget>

#include <functional>
#include <memory>

#include "his/store/ui/clsBar.h"
#include "platform/ui/Placement.h"

namespace frames {

// The analyser main window's Left, Top, Width and Height in twips. The
// main window supplies it; asking may load that window first.
using MainWindowRect = std::function<platform::TwipsRect()>;

store::BarRules AnalyserBarRules(MainWindowRect mainWindowRect);

// A progress object for one long operation of the analyser. owner, when
// given, is the window the progress window belongs to.
std::unique_ptr<store::clsBar> NewAnalyserBar(MainWindowRect mainWindowRect, QWidget* owner = nullptr);

}  // namespace frames
