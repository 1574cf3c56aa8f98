#include "Navigation.h"

#include <algorithm>

namespace viewer {
namespace {

bool Active(const ViewerState& st) { return st.FileLoaded; }

// Scrolls so the record's line is on the page and puts the cursor on it.
NavResult JumpToRecord(ViewerState& st, const store::clsCommon& doc, int32_t record) {
    NavResult res;
    const int32_t line = st.Lines.RecordToLine(record) / st.CharsPerLine;
    res.PageChanged = ScrollChange(st, doc, std::min(line, st.Scroll.Max));
    res.Cursor = CursorToRecord(st, doc, record);
    return res;
}

NavResult Message(const char* text, int16_t icon) {
    NavResult res;
    res.Message = text;
    res.Icon = icon;
    return res;
}

int32_t MarkRecordAt(const ViewerState& st, GridCell cursor) {
    const int32_t c = st.CharsPerLine;
    const int32_t q = (st.Scroll.Value + cursor.Row / 4) * c + (cursor.Col - kFirstDataCol);
    const int32_t side = cursor.Row % 4;
    const auto kind = static_cast<int16_t>(side == 1 ? kKindSd : side == 2 ? kKindRd : -1);
    return st.Lines.LineToRecord(q, kind);
}

}  // namespace

bool ScrollChange(ViewerState& st, const store::clsCommon& doc, int32_t value) {
    const int32_t v = std::clamp(value, st.Scroll.Min, st.Scroll.Max);
    if (v == st.Scroll.Value) return false;
    st.Scroll.Value = v;
    ScrollPosSet(st, doc);
    return true;
}

NavResult KeyDown(ViewerState& st, const store::clsCommon& doc, int key, int32_t cursorRow) {
    NavResult res;
    if (!Active(st) || !st.Scroll.Enabled) return res;
    const int32_t v = st.Scroll.Value;
    const int32_t m = st.Scroll.Max;
    const int32_t p = st.LinesPerPage;
    std::optional<int32_t> to;
    if (key == kKeyPageUp) to = v - p > 0 ? v - p : 0;
    if (key == kKeyPageDown) to = v + p < m ? v + p : m;
    if (key == kKeyUp && cursorRow == 1 && v >= 1) to = v - 1;
    if (key == kKeyDown && cursorRow == st.PageLastRow && v < m) to = v + 1;
    if (to) res.PageChanged = ScrollChange(st, doc, *to);
    return res;
}

std::optional<int32_t> RowSkip(const ViewerState& st, int32_t oldRow, int32_t newRow) {
    if (st.DspLine != kLineDual) return std::nullopt;
    if (newRow % 4 == 3) {
        if (oldRow < newRow) return newRow + 2 < st.PageLastRow ? newRow + 2 : newRow - 1;
        return newRow - 1;
    }
    if (newRow > st.PageLastRow) return newRow - 2;
    return std::nullopt;
}

bool IsDataCol(const ViewerState& st, int32_t col) {
    return col >= kFirstDataCol && col < st.CharsPerLine + kFirstDataCol;
}

bool DoubleClickOffersMarks(const ViewerState& st, GridCell cursor, bool cellHasText) {
    return cellHasText && st.DspLine == kLineDual && IsDataCol(st, cursor.Col);
}

NavResult mnuTop_Click(ViewerState& st, const store::clsCommon& doc) {
    NavResult res;
    if (!Active(st)) return res;
    res.PageChanged = ScrollChange(st, doc, 0);
    res.Cursor = CursorToRecord(st, doc, 0);
    res.TimePanels = true;
    return res;
}

NavResult mnuBottom_Click(ViewerState& st, const store::clsCommon& doc) {
    NavResult res;
    if (!Active(st)) return res;
    res.PageChanged = ScrollChange(st, doc, st.Scroll.Max);
    int32_t total = 0, sd = 0, rd = 0;
    doc.IsCounterInf(total, sd, rd);
    const int32_t last = st.DspLine == kLineSd ? sd : st.DspLine == kLineRd ? rd : total;
    res.Cursor = CursorToRecord(st, doc, last - 1);
    res.TimePanels = true;
    return res;
}

NavResult mnuLineNo_Click(ViewerState& st, const store::clsCommon& doc) {
    NavResult res;
    if (!Active(st) || st.GotoLine == -1) return res;
    const int32_t c = st.CharsPerLine;
    const int32_t v = std::min(st.GotoLine, st.Scroll.Max);
    res.PageChanged = ScrollChange(st, doc, v);
    int32_t position = c * st.GotoLine;
    if (!IsDirMode(st)) position = v * c < st.LineTableCount() ? st.Lines.LineToRecord(position, 0) : 0;
    res.Cursor = CursorToRecord(st, doc, position);
    return res;
}

NavResult MarkJump(ViewerState& st, const store::clsCommon& doc, Mark which) {
    if (!Active(st)) return {};
    const int32_t mark = which == Mark::Begin ? st.MarkBegin : st.MarkEnd;
    if (mark == -1) return Message(kMsgNoMark, kIconExclamation);
    NavResult res = JumpToRecord(st, doc, mark);
    res.TimePanels = true;
    return res;
}

NavResult mnuRightTrigJump_Click(ViewerState& st, const store::clsCommon& doc) {
    if (!Active(st)) return {};
    const int32_t trig = doc.GetTrigPos();
    if (trig == -1) return Message(kMsgNoTrigger, kIconInformation);
    return JumpToRecord(st, doc, trig);
}

NavResult MarkSet(ViewerState& st, Mark which, GridCell cursor,
                  bool cellHasText) {
    NavResult res;
    if (!Active(st) || st.DspLine != kLineDual || !IsDataCol(st, cursor.Col) || !cellHasText) return res;
    const int32_t record = MarkRecordAt(st, cursor);
    if (record == -1) return res;
    const bool begin = which == Mark::Begin;
    const bool inOrder = begin ? (st.MarkEnd == -1 || st.MarkEnd >= record)
                               : (st.MarkBegin == -1 || record >= st.MarkBegin);
    if (!inOrder) return Message(kMsgMarkOrder, kIconExclamation);
    (begin ? st.MarkBegin : st.MarkEnd) = record;
    res.EnableRangeSave = st.BothMarksSet();
    if (st.DspCur == (begin ? kBaseBegin : kBaseEnd)) st.TimeBaseRecord = record;
    res.Redraw = true;
    res.TimePanels = true;
    return res;
}

NavResult mnuRange_Click(ViewerState& st, const store::clsCommon& doc) {
    if (!Active(st) || st.DspLine != kLineDual || st.DialogCancelled != 0) return {};
    return MarkJump(st, doc, Mark::Begin);
}

}  // namespace viewer
