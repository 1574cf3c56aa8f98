#include "AnalyserBar.h"

#include <utility>

namespace frames {

store::BarRules AnalyserBarRules(MainWindowRect mainWindowRect) {
    store::BarRules rules;
    rules.ownerRect = std::move(mainWindowRect);
    rules.emptyTotalShowsNothing = true;
    rules.busyPointer = true;
    return rules;
}

std::unique_ptr<store::clsBar> NewAnalyserBar(MainWindowRect mainWindowRect, QWidget* owner) {
    return std::make_unique<store::clsBar>(owner, AnalyserBarRules(std::move(mainWindowRect)));
}

}  // namespace frames
