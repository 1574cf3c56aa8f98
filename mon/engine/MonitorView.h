// What monitoring needs of the main window: its toolbar and menus, its
// caption and pointer, the live grid and the end-of-monitoring notices.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mon {

// Which commands to enable; an empty field leaves that command as it is.
struct ToolbarState {
    std::optional<bool> start{}, stop{}, kill{}, monitor{}, kyPc{}, menus{};
};

// One picture of the live grid: rows of cells, each with its text and
// fore colour (0x00BBGGRR). Row 0 of a detail page is the header row.
struct GridCell {
    std::string text;
    int32_t color = 0;
};
struct GridPage {
    bool detail = false;
    std::vector<std::vector<GridCell>> rows;
};

class MonitorView {
public:
    virtual ~MonitorView() = default;

    virtual void ToolbarApply(const ToolbarState& state) = 0;
    virtual void CaptionSet(const std::string& caption) = 0;
    // The arrow-with-hourglass pointer while monitoring runs.
    virtual void BusyPointer(bool on) = 0;
    // Keeps the window at its present size while monitoring runs.
    virtual void SizeLock(bool on) = 0;
    virtual void GridClear() = 0;
    virtual void GridShow(const GridPage& page) = 0;
    // A notice in the monitor's message box: OK only, modeless, over the
    // main window; icon 16 error, 64 information.
    virtual void NoticeShow(const std::string& text, int16_t icon) = 0;
    virtual void Beep() = 0;
};

}  // namespace mon
