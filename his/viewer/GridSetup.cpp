#include "GridSetup.h"

#include <algorithm>

namespace viewer {
namespace {

void GeometrySet(ViewerState& st, int gridWidth, int gridHeight) {
    const GridMetrics& g = st.Metrics;
    const int m = std::max(0, (gridWidth - g.NoCol - g.LabelCol) / std::max(1, g.DataCol));
    // A grid too small for one character or one line still gets one of
    // each, so that no page arithmetic ever divides by zero.
    st.CharsPerLine = static_cast<int16_t>(std::max(1, m * 7 / 11));
    st.GridCols = static_cast<int16_t>(st.CharsPerLine + 4);
    st.TextCol = static_cast<int16_t>(st.CharsPerLine + 3);
    const int body = gridHeight - g.Row;
    if (st.DspLine == kLineDual) {
        st.LinesPerPage = static_cast<int16_t>(std::max(1, body / std::max(1, 2 * g.Row + g.SpacerRow)));
        st.PageLastRow = static_cast<int16_t>(4 * st.LinesPerPage - 2);
    } else {
        st.LinesPerPage = static_cast<int16_t>(std::max(1, body / std::max(1, g.Row)));
        st.PageLastRow = st.LinesPerPage;
    }
}

std::vector<int> ColWidths(const ViewerState& st, int gridWidth, int scrollWidth) {
    const GridMetrics& g = st.Metrics;
    std::vector<int> widths{0, g.NoCol, g.LabelCol};
    widths.insert(widths.end(), static_cast<size_t>(st.CharsPerLine), g.DataCol);
    widths.push_back(gridWidth - g.NoCol - g.LabelCol - g.DataCol * st.CharsPerLine - scrollWidth - 80);
    return widths;
}

std::vector<int> RowHeights(const ViewerState& st) {
    const GridMetrics& g = st.Metrics;
    std::vector<int> heights{g.Row};
    for (int i = 0; i < st.LinesPerPage; ++i) {
        if (st.DspLine == kLineDual) {
            heights.insert(heights.end(), {g.Row, g.Row, g.SpacerRow, 0});
        } else {
            heights.push_back(g.Row);
        }
    }
    return heights;
}

}  // namespace

void HistoryAttach(ViewerState& st, const store::clsCommon& doc) {
    st.Lines.Build(doc);
    st.RecordCount = doc.RecordCount();
}

GridLayoutResult GridLayout(ViewerState& st, const store::clsCommon& doc, int gridWidth,
                            int gridHeight, int scrollWidth) {
    GeometrySet(st, gridWidth, gridHeight);
    ScrollMaxSet(st, doc);
    ScrollPosSet(st, doc);
    return {ColWidths(st, gridWidth, scrollWidth), RowHeights(st)};
}

void ScrollMaxSet(ViewerState& st, const store::clsCommon& doc) {
    ScrollBarState& sb = st.Scroll;
    const int32_t c = st.CharsPerLine;
    const int32_t p = st.LinesPerPage;
    const int32_t n = ModeTotal(st, doc);
    sb.Enabled = true;
    sb.Min = 0;
    const bool manyPages = st.DspLine == kLineDual ? n > c * p : n >= c * p;
    if (!manyPages) {
        sb.Max = sb.Min;
        sb.Enabled = false;
    } else {
        sb.Max = (n - 1) / c - (p - 1);
        sb.SmallChange = 1;
        sb.LargeChange = p;
    }
    // A scroll bar never holds a value outside its range.
    sb.Value = std::clamp(sb.Value, sb.Min, sb.Max);
}

void ScrollPosSet(ViewerState& st, const store::clsCommon& doc) {
    const int32_t c = st.CharsPerLine;
    const int32_t p = st.LinesPerPage;
    const int32_t v = st.Scroll.Value;
    if (IsDirMode(st)) {
        const int32_t top = RecordOfCount(st, doc, c * v + 1);
        if (top == -1) return;
        st.TopRecord = top;
        const int32_t bottom = RecordOfCount(st, doc, c * (p + v));
        st.BottomRecord = bottom != -1 ? bottom : st.RecordCount - 1;
        return;
    }
    if (c * v >= st.LineTableCount()) return;
    st.TopRecord = st.Lines.LineToRecord(c * v, 0);
    const LineEntry last = st.Lines.At(c * (p + v) - 1);
    st.BottomRecord = last.Rd != -1 ? last.Rd : last.Sd != -1 ? last.Sd : st.RecordCount - 1;
}

std::optional<GridCell> CursorToRecord(const ViewerState& st, const store::clsCommon& doc,
                                       int32_t position) {
    if (!HasRecord(doc, position)) return std::nullopt;
    const int32_t c = st.CharsPerLine;
    const int32_t v = st.Scroll.Value;
    if (IsDirMode(st)) {
        return GridCell{std::min<int32_t>(position / c - v + 1, st.LinesPerPage),
                        position % c + kFirstDataCol};
    }
    const int32_t k = st.Lines.RecordToLine(position);
    return GridCell{4 * (k / c - v) + 1 + (IsRdRecord(doc, position) ? 1 : 0), k % c + kFirstDataCol};
}

bool IsDirMode(const ViewerState& st) { return st.DspLine == kLineSd || st.DspLine == kLineRd; }

int16_t ModeDirection(const ViewerState& st) { return st.DspLine == kLineSd ? 1 : 2; }

int32_t ModeTotal(const ViewerState& st, const store::clsCommon& doc) {
    if (!IsDirMode(st)) return st.LineTableCount();
    int32_t total = 0, sd = 0, rd = 0;
    doc.IsCounterInf(total, sd, rd);
    return st.DspLine == kLineSd ? sd : rd;
}

int32_t RecordOfCount(const ViewerState& st, const store::clsCommon& doc, int32_t count) {
    int32_t record = -1;
    return doc.GetDirectionTrInf(ModeDirection(st), count, record) ? record : -1;
}

int32_t CountOfRecord(const ViewerState& st, const store::clsCommon& doc, int32_t record) {
    if (!HasRecord(doc, record)) return -1;
    const store::RecordStore& records = doc.Records();
    return st.DspLine == kLineSd ? records.SdCount(record) : records.RdCount(record);
}

bool IsRdRecord(const store::clsCommon& doc, int32_t record) {
    return HasRecord(doc, record) && doc.Records().IsRd(record);
}

}  // namespace viewer
