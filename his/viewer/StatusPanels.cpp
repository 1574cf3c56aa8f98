#include "StatusPanels.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "VbDate.h"
#include "VbFormat.h"

namespace viewer {
namespace {

constexpr int64_t kSecondsPerDay = 86400;

std::optional<double> StampOf(const store::clsCommon& doc, int32_t record) {
    double stamp = 0;
    int32_t dual = 0, sd = 0, rd = 0;
    if (!doc.GetDataOtherInf(record, stamp, dual, sd, rd)) return std::nullopt;
    return stamp;
}

}  // namespace

int32_t CellRecord(const ViewerState& st, const store::clsCommon& doc, GridCell cell) {
    const int32_t c = st.CharsPerLine;
    const int32_t col = cell.Col - kFirstDataCol;
    if (!IsDirMode(st)) {
        const int32_t k = c * (cell.Row / 4) + st.Lines.RecordToLine(st.TopRecord) + col;
        if (k >= st.LineTableCount()) return -1;
        const int32_t side = cell.Row % 4;
        return st.Lines.LineToRecord(k, static_cast<int16_t>(side == 1 ? kKindSd : side == 2 ? kKindRd : 0));
    }
    const int32_t n = c * (cell.Row - 1) + col + CountOfRecord(st, doc, st.TopRecord);
    return RecordOfCount(st, doc, n);
}

PanelUpdate TimePanelSet(const ViewerState& st, const store::clsCommon& doc, GridCell cursor,
                         bool cellHasText) {
    PanelUpdate up;
    if (!cellHasText || cursor.Col < kFirstDataCol || cursor.Col >= st.CharsPerLine + kFirstDataCol) {
        return up;
    }
    const int32_t record = CellRecord(st, doc, cursor);
    if (record < 0) return up;
    const std::optional<double> stamp = StampOf(doc, record);
    if (stamp) up.DateTime = platform::FormatDateTime(*stamp);

    up.CharTime = "-";
    int16_t index = 0, value = 0;
    if (doc.CharTime() == 1 && doc.GetDataTimInf(record, index, value)) up.CharTime = CharTimeText(index, value);

    if (st.TimeBaseRecord == -1) {
        up.SecTime = "-";
        up.SecTimeAlign = PanelAlign::Centre;
        return up;
    }
    const std::optional<double> base = StampOf(doc, st.TimeBaseRecord);
    if (base && stamp) {
        up.SecTime = SecTimeText(std::llround((*stamp - *base) * kSecondsPerDay));
        up.SecTimeAlign = PanelAlign::Right;
    }
    return up;
}

PanelUpdate PanelsCleared() { return {std::string(), std::string(), std::string(), std::nullopt}; }

std::string CharTimeText(int16_t index, int16_t value) {
    switch (index) {
        case 0: return platform::FormatNumber(value * 0.001, ".000");
        case 1: return platform::FormatNumber(value * 0.01, "0.00");
        case 2: return platform::FormatNumber(value * 0.1, "#0.0");
        case 3: return platform::FormatNumber(value, "##0");
        case 4: return platform::FormatNumber(value * 10.0, "###0");
        case 5: return "****";
        default: return "0";
    }
}

std::string SecTimeText(int64_t seconds) {
    const int64_t of = std::llabs(seconds) % kSecondsPerDay;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(of / 3600),
                  static_cast<int>(of / 60 % 60), static_cast<int>(of % 60));
    return (seconds < 0 ? "-" : "") + std::string(text);
}

void DspCurSet(ViewerState& st) {
    switch (st.DspCur) {
        case kBaseTop: st.TimeBaseRecord = 0; break;
        case kBaseBegin: st.TimeBaseRecord = st.MarkBegin; break;
        case kBaseEnd: st.TimeBaseRecord = st.MarkEnd; break;
        default: break;
    }
}

}  // namespace viewer
