// Lays the one grid page out for the window size and line mode, sets the
// scroll bar's range and turns its value into the page's first and last
// record. Everything is twips and record indexes; the window applies the
// widths and heights to its grid.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "ViewerState.h"
#include "clsCommon.h"

namespace viewer {

inline constexpr int kFirstDataCol = 3;

struct GridLayoutResult {
    std::vector<int> ColWidths;   // GridCols entries, twips
    std::vector<int> RowHeights;  // row count entries, row 0 the header
};

struct GridCell {
    int32_t Row = 0;
    int32_t Col = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// Call once after a history has become the current one (and never on a
// resize): builds the position table and takes the record count.
void HistoryAttach(ViewerState& st, const store::clsCommon& doc);

// The whole layout step: geometry, scroll range and the page's records.
// gridWidth/gridHeight are the grid's client size and scrollWidth the
// scroll bar's width, all in twips.
GridLayoutResult GridLayout(ViewerState& st, const store::clsCommon& doc, int gridWidth,
                            int gridHeight, int scrollWidth);

void ScrollMaxSet(ViewerState& st, const store::clsCommon& doc);
// TopRecord and BottomRecord from the scroll bar's value.
void ScrollPosSet(ViewerState& st, const store::clsCommon& doc);

// The cell of a record (DUAL) or of an EntryPosition (SD, RD) on the page
// the scroll bar shows; nullopt when the record query for the argument
// fails.
std::optional<GridCell> CursorToRecord(const ViewerState& st, const store::clsCommon& doc,
                                       int32_t position);

// --- small lookups the other modules share -------------------------------
bool IsDirMode(const ViewerState& st);
// 1 for SD mode, 2 for RD mode: the direction argument of the store.
int16_t ModeDirection(const ViewerState& st);
// The SD or RD total of the line mode's direction; in DUAL the table size.
int32_t ModeTotal(const ViewerState& st, const store::clsCommon& doc);
// The record whose running count of the mode's direction is count; -1 when
// none.
int32_t RecordOfCount(const ViewerState& st, const store::clsCommon& doc, int32_t count);
// The running count of the mode's direction that a record carries; -1 when
// the record does not exist.
int32_t CountOfRecord(const ViewerState& st, const store::clsCommon& doc, int32_t record);
bool IsRdRecord(const store::clsCommon& doc, int32_t record);
// The record query for this index would succeed.
inline bool HasRecord(const store::clsCommon& doc, int32_t record) {
    return record >= 0 && record < doc.RecordCount();
}

}  // namespace viewer
