#include "MonitorEdit.h"

#include <array>
#include <cmath>

#include "platform/time/VbDate.h"

namespace mon {

namespace {

constexpr std::array<int16_t, 5> kCodes = {0, 1, 2, 4, 5};
constexpr double kSecondsPerDay = 86400.0;

int Choice(int16_t value, int16_t highest) { return value >= 0 && value <= highest ? value : -1; }

std::string DatePart(double date) { return platform::FormatDateTime(date).substr(0, 10); }
std::string TimePart(double date) { return platform::FormatDateTime(date).substr(11); }

double RangeDateOf(const std::string& text, double now) {
    return platform::ParseDateTime(text).value_or(now);
}

}  // namespace

int CodeIndexOf(int16_t code) {
    if (code == 3) return 2;  // the kana form of JIS7
    for (size_t i = 0; i < kCodes.size(); ++i) {
        if (kCodes[i] == code) return static_cast<int>(i);
    }
    return -1;
}

int16_t CodeOfIndex(int index) {
    if (index < 0 || index >= static_cast<int>(kCodes.size())) return -1;
    return kCodes[static_cast<size_t>(index)];
}

MonitorForm MonitorFormLoad(const MonitorSettings& s, double now) {
    MonitorForm f;
    f.codeIndex = CodeIndexOf(s.Code);
    f.dataLengthIndex = s.DataLength != 0 ? 1 : 0;
    f.parityIndex = Choice(s.Parity, 2);
    f.direction = Choice(s.Direction, 2);
    f.interfaceIndex = s.Interface != 0 ? 1 : 0;
    f.led = s.Led != 0 ? 1 : 0;
    f.memoryMode = Choice(s.MemoryMode, 2);
    f.charTime = s.CharTime != 0;
    f.errStop = s.ErrStop != 0;
    f.baudText = BaudOpenText(s.BaudRate);
    f.rangeDate = s.RangeDate != 0;
    const double start = RangeDateOf(s.RangeStart, now);
    const double stop = RangeDateOf(s.RangeStop, now);
    f.startDate = DatePart(start);
    f.startTime = TimePart(start);
    f.stopDate = DatePart(stop);
    f.stopTime = TimePart(stop);
    return f;
}

namespace {

std::optional<MonitorRefusal> RangeSet(const MonitorForm& f, MonitorSettings& s) {
    const auto refuse = [](MonitorField field) { return MonitorRefusal{kRangePage, field}; };
    if (!platform::ParseDate(f.startDate)) return refuse(MonitorField::StartDate);
    if (!platform::ParseTime(f.startTime)) return refuse(MonitorField::StartTime);
    if (!platform::ParseDate(f.stopDate)) return refuse(MonitorField::StopDate);
    if (!platform::ParseTime(f.stopTime)) return refuse(MonitorField::StopTime);
    const std::optional<double> start = platform::ParseDateTime(f.startDate + " " + f.startTime);
    const std::optional<double> stop = platform::ParseDateTime(f.stopDate + " " + f.stopTime);
    if (!start) return refuse(MonitorField::StartDate);
    if (!stop) return refuse(MonitorField::StopDate);
    if (*platform::ParseDate(f.stopDate) < *platform::ParseDate(f.startDate)) {
        return refuse(MonitorField::StopDate);
    }
    if (std::llround((*stop - *start) * kSecondsPerDay) < 0) return refuse(MonitorField::StopTime);
    s.RangeStart = platform::FormatDateTime(*start);
    s.RangeStop = platform::FormatDateTime(*stop);
    return std::nullopt;
}

}  // namespace

MonitorSetOutcome MonitorSetApply(const MonitorSettings& draft, const MonitorForm& f, int16_t model,
                                  const BaudTable& table) {
    MonitorSettings s = draft;
    s.Interface = f.interfaceIndex == 1 ? 1 : 0;
    s.Led = f.led == 1 ? 1 : 0;
    s.MemoryMode = static_cast<int16_t>(f.memoryMode == 2 ? 2 : f.memoryMode == 1 ? 1 : 0);
    s.Direction = static_cast<int16_t>(f.direction == 2 ? 2 : f.direction == 1 ? 1 : 0);
    if (f.dataLengthIndex == 0 || f.dataLengthIndex == 1) s.DataLength = static_cast<int16_t>(f.dataLengthIndex);
    if (f.parityIndex >= 0 && f.parityIndex <= 2) s.Parity = static_cast<int16_t>(f.parityIndex);
    if (CodeOfIndex(f.codeIndex) >= 0) s.Code = CodeOfIndex(f.codeIndex);
    s.CharTime = f.charTime ? -1 : 0;
    s.ErrStop = f.errStop ? -1 : 0;
    const std::optional<float> typed = BaudNumber(f.baudText);
    const std::optional<float> baud = typed ? BaudSnap(table, model, *typed) : std::nullopt;
    if (!baud) return {MonitorRefusal{kMeasurePage, MonitorField::BaudRate}, draft};
    s.BaudRate = *baud;
    s.RangeDate = f.rangeDate ? -1 : 0;
    if (f.rangeDate) {
        if (std::optional<MonitorRefusal> refused = RangeSet(f, s)) return {refused, draft};
    }
    return {std::nullopt, s};
}

}  // namespace mon
