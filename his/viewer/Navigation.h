// How the user moves through the history: scroll bar, paging and cursor
// keys, the DUAL row-skipping rule, first/last page, goto, mark and
// trigger jumps, and setting the two marks. Each operation updates the
// state and tells the window what to do next.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "GridSetup.h"
#include "ViewerState.h"
#include "clsCommon.h"

namespace viewer {

inline constexpr int kKeyPageUp = 33;
inline constexpr int kKeyPageDown = 34;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyDown = 40;

inline constexpr int16_t kIconStop = 16;
inline constexpr int16_t kIconExclamation = 48;
inline constexpr int16_t kIconInformation = 64;

inline constexpr const char* kMsgNoMark = "マーク設定されていません！";
inline constexpr const char* kMsgNoTrigger = "トリガポイントはありません！";
inline constexpr const char* kMsgMarkOrder = "BEGIN > END のため設定できません！";

enum class Mark { Begin, End };

// What the window does after an operation, in this order: when
// PageChanged, redraw the page (PageBuild) and the time panels; show
// Message (type 1, owner the main window, empty title) when not empty;
// put the grid cursor on Cursor; refresh the time panels when TimePanels.
struct NavResult {
    bool PageChanged = false;
    std::optional<GridCell> Cursor;
    std::string Message;
    int16_t Icon = 0;
    bool TimePanels = false;
    bool Redraw = false;           // the page must be redrawn even without a scroll
    bool EnableRangeSave = false;  // both marks now set: enable mnuRangeSave
};

// Sets the scroll bar's value (kept inside its range) and, when it
// changed, the page's records. True when the value changed: the window
// then redraws, as a scroll bar's change event does.
bool ScrollChange(ViewerState& st, const store::clsCommon& doc, int32_t value);

// Grid key-down. The key is never consumed: the grid moves its cursor as
// usual afterwards.
NavResult KeyDown(ViewerState& st, const store::clsCommon& doc, int key, int32_t cursorRow);

// After the cursor moved in DUAL: the row the cursor must go to instead
// (skipping spacer and hidden rows), or nullopt to stay.
std::optional<int32_t> RowSkip(const ViewerState& st, int32_t oldRow, int32_t newRow);

bool IsDataCol(const ViewerState& st, int32_t col);
// Whether a double-click shows the BEGIN/END popup.
bool DoubleClickOffersMarks(const ViewerState& st, GridCell cursor, bool cellHasText);

NavResult mnuTop_Click(ViewerState& st, const store::clsCommon& doc);
NavResult mnuBottom_Click(ViewerState& st, const store::clsCommon& doc);
// After the goto window closed; GotoLine -1 means cancelled.
NavResult mnuLineNo_Click(ViewerState& st, const store::clsCommon& doc);
NavResult MarkJump(ViewerState& st, const store::clsCommon& doc, Mark which);
NavResult mnuRightTrigJump_Click(ViewerState& st, const store::clsCommon& doc);
NavResult MarkSet(ViewerState& st, Mark which, GridCell cursor,
                  bool cellHasText);
// After the date-range window closed: jump to BEGIN unless cancelled.
NavResult mnuRange_Click(ViewerState& st, const store::clsCommon& doc);

}  // namespace viewer
