// The main window's rules that need no window: the size it may take, when
// it may be enabled again, and which monitoring controls are on.
#pragma once

#include <cstdint>
#include <optional>

namespace mon {

class Engine;

// The smallest client area of the main window, in twips.
inline constexpr int kMainMinWidth = 7800;
inline constexpr int kMainMinHeight = 4035;

struct TwipsSize {
    int width = 0;
    int height = 0;

    friend bool operator==(const TwipsSize&, const TwipsSize&) = default;
};

// The size the main window must be given instead of now, or nothing when
// now stands and the window is laid out. While the engine is busy the size
// saved when it started stands; else the height, then the width, are
// raised to the minimum one at a time.
std::optional<TwipsSize> ForcedMainSize(int16_t engineState, TwipsSize now, TwipsSize saved);

// Whether a closing window may enable the main window: not while the step
// window or a settings dialog that keeps it disabled is still up.
bool MainWindowMayEnable(const Engine& engine);

// The toolbar buttons and the three top menus for one moment of the
// engine.
struct MonitorControls {
    bool start = true;
    bool stop = false;
    bool kill = false;
    bool monitor = true;
    bool kyPc = true;
    bool menus = true;

    friend bool operator==(const MonitorControls&, const MonitorControls&) = default;
};

// At load and after monitoring ends.
inline constexpr MonitorControls kIdleControls{};
// While monitoring runs.
inline constexpr MonitorControls kMonitoringControls{false, true, false, false, false, false};

}  // namespace mon
