// The searches behind the find window: a byte pattern in one line's bytes
// and an error condition on one line's records, downward or upward, from
// the main grid's cursor or from the start or end of the history, and the
// move of the page and cursor to a hit.
#pragma once

#include <cstdint>
#include <optional>

#include "GridSetup.h"
#include "Navigation.h"
#include "ViewerState.h"
#include "clsCommon.h"

namespace viewer {

inline constexpr const char* kMsgNoString = "該当する文字列は見つかりませんでした";
inline constexpr const char* kMsgNoErrCond = "該当するエラー条件は見つかりませんでした";

enum FindLine : int16_t { kFindSd = 0, kFindRd = 1 };

struct FindRequest {
    int16_t Line = kFindSd;  // the find window's line list index
    bool Downward = true;
};

struct ErrConditions {
    bool Parity = false;
    bool Overrun = false;
    bool Framing = false;
    bool And = false;  // false: OR
    bool Any() const { return Parity || Overrun || Framing; }
};

// What the window shows after a search: Nav as the navigation commands
// give it (scroll, cursor, message with icon 64); Beep before the message;
// Hit when the find window takes the focus back.
struct FindResult {
    NavResult Nav;
    bool Beep = false;
    bool Hit = false;
};

class FindSearch {
public:
    // cursor: the main grid's current cell.
    FindSearch(ViewerState& st, const store::clsCommon& doc, FindRequest request, GridCell cursor);

    FindResult StrFindNext();
    FindResult StrFindPrev();
    FindResult StrFind(int32_t start, int32_t bound);

    FindResult ErrFindNext(const ErrConditions& cond);
    FindResult ErrFindPrev(const ErrConditions& cond);
    FindResult ErrFind(const ErrConditions& cond, int32_t start, int32_t bound);

    // The record under the cursor in DUAL; -1 on a cell without one.
    int32_t CursorRecordGet() const;
    // The first record of the chosen line from start whose flags match.
    std::optional<int32_t> ErrCondMatch(const ErrConditions& cond, int32_t start) const;

private:
    int16_t LineDirection() const;  // 1 SD, 2 RD: the store's direction
    int32_t LineTotal() const;
    int32_t CountIn(int32_t record, int16_t direction) const;
    // The cursor's running count in the chosen line; nullopt on a DUAL
    // cell without a record.
    std::optional<int32_t> CursorCount(bool errorSearch) const;
    int32_t RecordOfLineCount(int32_t count) const;  // -1 when none
    bool ErrCondTest(const ErrConditions& cond, int32_t record) const;
    FindResult NotFound(const char* message, bool beep) const;
    FindResult FindHitShow(int32_t x);

    ViewerState& st_;
    const store::clsCommon& doc_;
    FindRequest request_;
    GridCell cursor_;
};

}  // namespace viewer
