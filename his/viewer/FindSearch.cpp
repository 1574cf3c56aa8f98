#include "FindSearch.h"

#include <algorithm>
#include <string_view>

#include "PatternScan.h"

namespace viewer {

FindSearch::FindSearch(ViewerState& st, const store::clsCommon& doc, FindRequest request,
                       GridCell cursor)
    : st_(st), doc_(doc), request_(request), cursor_(cursor) {
    // In the one-line modes the line list is fixed to the shown line.
    if (IsDirMode(st_)) request_.Line = st_.DspLine == kLineSd ? kFindSd : kFindRd;
}

int16_t FindSearch::LineDirection() const { return request_.Line == kFindSd ? 1 : 2; }

int32_t FindSearch::LineTotal() const {
    int32_t total = 0, sd = 0, rd = 0;
    doc_.IsCounterInf(total, sd, rd);
    return request_.Line == kFindSd ? sd : rd;
}

int32_t FindSearch::CountIn(int32_t record, int16_t direction) const {
    if (!HasRecord(doc_, record)) return -1;
    const store::RecordStore& records = doc_.Records();
    return direction == 1 ? records.SdCount(record) : records.RdCount(record);
}

int32_t FindSearch::RecordOfLineCount(int32_t count) const {
    // A count of 0 names no character of the line.
    if (count < 1) return -1;
    int32_t record = -1;
    return doc_.GetDirectionTrInf(LineDirection(), count, record) ? record : -1;
}

int32_t FindSearch::CursorRecordGet() const {
    if (!IsDataCol(st_, cursor_.Col)) return -1;
    const int32_t c = st_.CharsPerLine;
    const int32_t k = (st_.Scroll.Value + cursor_.Row / 4) * c + cursor_.Col - kFirstDataCol;
    if (cursor_.Row % 4 == 2) {
        const LineEntry e = st_.Lines.At(k);
        return e.Rd != -1 ? e.Rd : e.Sd;
    }
    return st_.Lines.LineToRecord(k, 0);
}

std::optional<int32_t> FindSearch::CursorCount(bool errorSearch) const {
    if (!IsDirMode(st_)) {
        const int32_t r = CursorRecordGet();
        if (r == -1) return std::nullopt;
        return CountIn(r, LineDirection());
    }
    const int32_t c = st_.CharsPerLine;
    const int32_t inPage = (cursor_.Row - 1) * c + (cursor_.Col - kFirstDataCol);
    if (errorSearch) return c * st_.Scroll.Value + inPage + 1;
    return CountIn(st_.TopRecord, LineDirection()) + inPage;
}

FindResult FindSearch::NotFound(const char* message, bool beep) const {
    FindResult res;
    res.Nav.Message = message;
    res.Nav.Icon = kIconInformation;
    res.Beep = beep;
    return res;
}

// --- data search --------------------------------------------------------------

FindResult FindSearch::StrFindNext() {
    const std::optional<int32_t> c = CursorCount(false);
    if (!c || *c + 1 > LineTotal()) return NotFound(kMsgNoString, true);
    return StrFind(*c + 1, LineTotal());
}

FindResult FindSearch::StrFindPrev() {
    const std::optional<int32_t> c = CursorCount(false);
    if (!c || RecordOfLineCount(*c - 1) == -1) return NotFound(kMsgNoString, true);
    return StrFind(0, *c - 1);
}

FindResult FindSearch::StrFind(int32_t start, int32_t bound) {
    const std::string_view text = request_.Line == kFindSd ? doc_.GetSdCharB() : doc_.GetRdCharB();
    const PatternScan scan(st_.FindPattern, st_.FindKinds);
    const std::optional<int32_t> h =
        request_.Downward ? scan.First(text, start) : scan.LastChained(text, bound);
    if (!h) return NotFound(kMsgNoString, false);
    return FindHitShow(IsDirMode(st_) ? *h - 1 : RecordOfLineCount(*h));
}

// --- error search -------------------------------------------------------------

bool FindSearch::ErrCondTest(const ErrConditions& cond, int32_t record) const {
    if (!HasRecord(doc_, record)) return false;
    const uint8_t attr = doc_.Records().Attr(record);
    if (((attr & store::kAttrRd) != 0 ? 1 : 0) != request_.Line) return false;
    const bool flags[3] = {(attr & store::kAttrParity) != 0, (attr & store::kAttrOver) != 0,
                           (attr & store::kAttrFlam) != 0};
    const bool ticked[3] = {cond.Parity, cond.Overrun, cond.Framing};
    bool all = true, any = false;
    for (int i = 0; i < 3; ++i) {
        if (!ticked[i]) continue;
        all = all && flags[i];
        any = any || flags[i];
    }
    return cond.And ? all : any;
}

std::optional<int32_t> FindSearch::ErrCondMatch(const ErrConditions& cond, int32_t start) const {
    for (int32_t r = std::max(start, 0); r < doc_.RecordCount(); ++r) {
        if (ErrCondTest(cond, r)) return r;
    }
    return std::nullopt;
}

FindResult FindSearch::ErrFindNext(const ErrConditions& cond) {
    int32_t start = -1;
    if (!IsDirMode(st_)) {
        // On a cell without a record the search starts at record 0.
        start = CursorRecordGet() + 1;
    } else if (const auto c = CursorCount(true)) {
        start = RecordOfLineCount(*c + 1);
    }
    if (!HasRecord(doc_, start)) return NotFound(kMsgNoErrCond, true);
    return ErrFind(cond, start, doc_.RecordCount());
}

FindResult FindSearch::ErrFindPrev(const ErrConditions& cond) {
    int32_t bound = -1;
    if (!IsDirMode(st_)) {
        const int32_t r = CursorRecordGet();
        bound = r == -1 ? -1 : r - 1;
    } else if (const auto c = CursorCount(true)) {
        bound = RecordOfLineCount(*c - 1);
    }
    if (!HasRecord(doc_, bound)) return NotFound(kMsgNoErrCond, true);
    return ErrFind(cond, 0, bound);
}

// Each upward step resumes one record after the last match, so the last
// match at or before the bound is found in one pass up to the bound.
FindResult FindSearch::ErrFind(const ErrConditions& cond, int32_t start, int32_t bound) {
    std::optional<int32_t> h;
    if (request_.Downward) {
        h = ErrCondMatch(cond, start);
    } else {
        const int32_t last = std::min(bound, doc_.RecordCount() - 1);
        for (int32_t r = std::max(start, 0); r <= last; ++r) {
            if (ErrCondTest(cond, r)) h = r;
        }
    }
    if (!h) return NotFound(kMsgNoErrCond, false);
    if (!IsDirMode(st_)) return FindHitShow(*h);
    const int16_t shown = st_.DspLine == kLineSd ? 1 : 2;
    return FindHitShow(CountIn(*h, shown) - 1);
}

// --- showing a hit ------------------------------------------------------------

FindResult FindSearch::FindHitShow(int32_t x) {
    FindResult res;
    res.Hit = true;
    const int32_t k = IsDirMode(st_) ? x : st_.Lines.RecordToLine(x);
    const int32_t line = k / st_.CharsPerLine;
    res.Nav.PageChanged = ScrollChange(st_, doc_, std::min(line, st_.Scroll.Max));
    res.Nav.Cursor = CursorToRecord(st_, doc_, x);
    res.Nav.TimePanels = true;
    return res;
}

}  // namespace viewer
