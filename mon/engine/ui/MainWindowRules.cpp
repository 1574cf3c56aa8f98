#include "MainWindowRules.h"

#include "Engine.h"

namespace mon {

std::optional<TwipsSize> ForcedMainSize(int16_t engineState, TwipsSize now, TwipsSize saved) {
    if (engineState != kStateIdle) {
        if (now == saved) return std::nullopt;
        return saved;
    }
    if (now.height < kMainMinHeight) return TwipsSize{now.width, kMainMinHeight};
    if (now.width < kMainMinWidth) return TwipsSize{kMainMinWidth, now.height};
    return std::nullopt;
}

bool MainWindowMayEnable(const Engine& engine) {
    return engine.MessageShown == 0 && engine.PcDialogShown == 0 && engine.MonitorDialogShown == 0;
}

}  // namespace mon
