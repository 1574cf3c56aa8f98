// The rules of the goto and date-range windows: the line-number limits
// and their clamping, the date range's defaults and checks, and turning a
// range of times into the two marks.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "ViewerState.h"
#include "clsCommon.h"

namespace viewer {

struct GotoLimits {
    int32_t Min = 1;
    int32_t Max = 1;
    int32_t Value = 1;  // the line at the top of the page, from 1
};

GotoLimits GotoLoad(const ViewerState& st, const store::clsCommon& doc);
// The 0-based line for the typed text: a number is clamped into the
// limits, anything else takes the up-down's value.
int32_t GotoAccept(std::string_view text, const GotoLimits& limits);

// The history's first and last time stamps, or the header's monitoring
// start and stop when there is no record.
std::pair<double, double> RangeDefaults(const store::clsCommon& doc);

enum class RangeRefusal { None, StartBeforeHistory, EndAfterHistory, StartAfterEnd };

// first/last: the history's span; start/end: the chosen times. Compared in
// whole seconds.
RangeRefusal RangeCheck(double first, double last, double start, double end);

// MarkBegin: the first record at or after start; MarkEnd: the last record
// at or before end, or MarkBegin when that lies before it.
std::pair<int32_t, int32_t> RangeMarks(const store::clsCommon& doc, double start, double end);

// Whole seconds of a date value, so that two stamps of the same second
// compare equal.
int64_t WholeSeconds(double date);

}  // namespace viewer
