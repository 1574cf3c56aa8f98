#include "FilterRun.h"

#include <utility>

#include "AnalyserBar.h"
#include "clsFilter.h"
#include "clsProtocol.h"
#include "platform/ui/WindowPlacement.h"

namespace analyser::ui {

bool FilterRun(frames::clsFilter& filter, const frames::clsProtocol& doc, std::string linkFile, QWidget* main) {
    const std::unique_ptr<store::clsBar> bar =
        frames::NewAnalyserBar([main] { return platform::WindowTwips(main); }, main);
    return filter.Filter(doc, linkFile, bar.get());
}

std::unique_ptr<frames::clsFilter> AllFramesRun(const frames::clsProtocol& doc, QWidget* main, bool& complete) {
    auto filter = std::make_unique<frames::clsFilter>();
    for (int k = 0; k < 4; ++k) filter->FilterOption(k, 0);
    complete = FilterRun(*filter, doc, "", main);
    return filter;
}

}  // namespace analyser::ui
