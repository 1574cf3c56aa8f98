// The status-bar panels that follow the grid cursor: the record's time
// stamp, its character time and its time relative to the time base.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "GridSetup.h"
#include "ViewerState.h"
#include "clsCommon.h"

namespace viewer {

enum class PanelAlign { Left, Centre, Right };

// A panel left as nullopt keeps its text.
struct PanelUpdate {
    std::optional<std::string> DateTime;
    std::optional<std::string> CharTime;
    std::optional<std::string> SecTime;
    std::optional<PanelAlign> SecTimeAlign;
};

// cellHasText: whether the cursor cell shows anything.
PanelUpdate TimePanelSet(const ViewerState& st, const store::clsCommon& doc, GridCell cursor,
                         bool cellHasText);

// Before the cursor moves the three time panels are emptied.
PanelUpdate PanelsCleared();

// The character time as the "CharTime" panel shows it for a range index
// and its 10-bit value.
std::string CharTimeText(int16_t index, int16_t value);

// d whole seconds as "hh:mm:ss" of a day, "-" in front when negative.
std::string SecTimeText(int64_t seconds);

// Applies DspCur: sets TimeBaseRecord. The window checks the menu item
// and calls TimePanelSet afterwards.
void DspCurSet(ViewerState& st);

// The record under a character cell; -1 when the cell shows none.
int32_t CellRecord(const ViewerState& st, const store::clsCommon& doc, GridCell cell);

}  // namespace viewer
