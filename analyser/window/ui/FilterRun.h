// One run of the frame filter over the open document, with the analyser's
// progress window centred on the main window.
#pragma once

#include <memory>
#include <string>

class QWidget;

namespace frames {
class clsFilter;
class clsProtocol;
}

namespace analyser::ui {

// Runs filter over doc with the link table linkFile ("" the document's
// own); true when every frame was tested, false when cancelled.
bool FilterRun(frames::clsFilter& filter, const frames::clsProtocol& doc, std::string linkFile, QWidget* main);

// A filter with every condition off, run: every frame is a row.
std::unique_ptr<frames::clsFilter> AllFramesRun(const frames::clsProtocol& doc, QWidget* main, bool& complete);

}  // namespace analyser::ui
