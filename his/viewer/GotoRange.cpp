#include "GotoRange.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "GridSetup.h"

namespace viewer {
namespace {

// Numeric as a user types it: blanks around a whole number, a sign.
std::optional<int64_t> NumberOf(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return v;
}

}  // namespace

int64_t WholeSeconds(double date) { return std::llround(date * 86400.0); }

GotoLimits GotoLoad(const ViewerState& st, const store::clsCommon& doc) {
    GotoLimits lim;
    const int32_t c = st.CharsPerLine;
    const int32_t n = ModeTotal(st, doc);
    lim.Max = std::max<int32_t>(1, (n + c - 1) / c);
    lim.Value = st.Scroll.Value + 1;
    return lim;
}

int32_t GotoAccept(std::string_view text, const GotoLimits& limits) {
    const std::optional<int64_t> typed = NumberOf(text);
    const int64_t v = typed ? std::clamp<int64_t>(*typed, limits.Min, limits.Max) : limits.Value;
    return static_cast<int32_t>(v - 1);
}

std::pair<double, double> RangeDefaults(const store::clsCommon& doc) {
    const store::RecordStore& records = doc.Records();
    const int32_t count = records.Count();
    return {count > 0 ? records.Stamp(0) : doc.MonitorStart(),
            count > 0 ? records.Stamp(count - 1) : doc.MonitorStop()};
}

RangeRefusal RangeCheck(double first, double last, double start, double end) {
    if (WholeSeconds(first) > WholeSeconds(start)) return RangeRefusal::StartBeforeHistory;
    if (WholeSeconds(last) < WholeSeconds(end)) return RangeRefusal::EndAfterHistory;
    if (WholeSeconds(start) > WholeSeconds(end)) return RangeRefusal::StartAfterEnd;
    return RangeRefusal::None;
}

std::pair<int32_t, int32_t> RangeMarks(const store::clsCommon& doc, double start, double end) {
    const int64_t s = WholeSeconds(start);
    const int64_t e = WholeSeconds(end);
    const store::RecordStore& records = doc.Records();
    int32_t b = 0;
    for (store::RecordStore::Cursor c(records, 0); !c.AtEnd(); c.Next()) {
        if (WholeSeconds(c.Record().DateTime) >= s) {
            b = c.Index();
            break;
        }
    }
    int32_t last = 0;
    for (store::RecordStore::Cursor c(records, 0); !c.AtEnd(); c.Next()) {
        if (WholeSeconds(c.Record().DateTime) > e) break;
        last = c.Index();
    }
    return {b, last < b ? b : last};
}

}  // namespace viewer
