#include "PropTexts.h"

#include <array>

#include "CodeTable.h"
#include "SharedFunctions.h"
#include "VbDate.h"
#include "clsCommon.h"

namespace store {
namespace {

// A value outside its table is shown as the number it is, so a damaged
// header is visible rather than hidden behind a plausible name.
template <size_t N>
std::string Pick(const std::array<const char*, N>& table, int value) {
    if (value >= 0 && static_cast<size_t>(value) < N) return table[static_cast<size_t>(value)];
    return std::to_string(value);
}

std::string OnOff(int value) { return value == 0 ? "無効" : "有効"; }
std::string LineName(int v) { return Pick(std::array{"DUAL", "SD", "RD"}, v); }

std::string_view Pair(std::string_view chars, size_t i) {
    if (2 * i >= chars.size()) return {};
    return chars.substr(2 * i, 2);
}

// " " and the pair's code-table text, or the pair itself when it is not
// two hex digits: it must never index the table.
std::string CharItem(std::string_view pair, int16_t code) {
    const int16_t v = HexToInt(pair, 2);
    if (v < 0 || v > 255 || code < 0 || code >= kCodeFormCount) return " " + std::string(pair);
    return " " + CodeTable[static_cast<size_t>(code)][static_cast<size_t>(v)];
}

void InfoTab(const RecordingConditions& c, PropView& v) {
    v.DspCode = Pick(std::array{"HEX", "ASCII", "JIS7", "JIS7", "JIS8", "EBCDIC"}, c.DspMode);
    v.Baud = std::to_string(c.BaudRate);
    v.DataLength = Pick(std::array{"7", "8"}, c.DataLength);
    v.ErrStop = OnOff(c.ErrStop);
    v.Direction = LineName(c.Direction);
    v.Interface = Pick(std::array{"RS-232C", "RS-422"}, c.Interface);
    v.CharTime = OnOff(c.CharTime);
    v.Led = Pick(std::array{"CD", "CI"}, c.Led);
    v.MemoryMode = Pick(std::array{"RING(RESTART)", "RING(STOP)", "FIX"}, c.MemoryMode);
    v.Parity = Pick(std::array{"NON", "ODD", "EVEN"}, c.Parity);
    v.Start = platform::FormatDateTime(c.MonitorStart);
    v.Stop = c.MonitorStop == 0 ? "-" : platform::FormatDateTime(c.MonitorStop);
    v.RangeDate = OnOff(c.RangeDate);
    v.RangeStart = platform::FormatDateTime(c.RangeStart);
    v.RangeStop = platform::FormatDateTime(c.RangeStop);
    v.RangeEnabled = c.RangeDate != 0;
}

void StopTriggerTab(const RecordingConditions& c, PropView& v) {
    const TriggerConditions& t = c.Trigger[0];
    v.Trig1Stop = c.TriggerPointFound ? "検出" : OnOff(c.TrigStop);
    v.Trig1Line = LineName(t.Line);
    v.Trig1After = std::to_string(t.After);
    v.Trig1SdCnt = std::to_string(t.SdCount);
    v.Trig1RdCnt = std::to_string(t.RdCount);
    v.Trig1SdNot = TrigMarkText(t.SdCharAt, 5);
    v.Trig1SdChar = TrigCharText(t.SdCharAt, t.SdChar, 0);
    v.Trig1SdCharCode = TrigCharText(t.SdCharAt, t.SdChar, c.DspMode);
    v.Trig1RdNot = TrigMarkText(t.RdCharAt, 5);
    v.Trig1RdChar = TrigCharText(t.RdCharAt, t.RdChar, 0);
    v.Trig1RdCharCode = TrigCharText(t.RdCharAt, t.RdChar, c.DspMode);
    v.Trig1Enabled = c.TrigStop != 0;
}

void StartTriggerTab(const RecordingConditions& c, PropView& v) {
    const TriggerConditions& t = c.Trigger[1];
    v.Trig2Stop = c.TrigStart == 0 ? "無効" : "検出";
    v.Trig2Line = LineName(t.Line);
    v.Trig2After = std::to_string(t.After);
    v.Trig2SdCnt = std::to_string(t.SdCount);
    v.Trig2RdCnt = std::to_string(t.RdCount);
    v.Trig2SdChar = TrigChar12Text(t.SdChar, 0);
    v.Trig2SdCharCode = TrigChar12Text(t.SdChar, c.DspMode);
    v.Trig2RdChar = TrigChar12Text(t.RdChar, 0);
    v.Trig2RdCharCode = TrigChar12Text(t.RdChar, c.DspMode);
    v.Trig2Enabled = c.TrigStart != 0;
}

}  // namespace

RecordingConditions ConditionsOf(const clsCommon& doc) {
    RecordingConditions c;
    c.DspMode = doc.DspMode();
    c.BaudRate = doc.BaudRate();
    c.DataLength = doc.DataLength();
    c.Parity = doc.Parity();
    c.ErrStop = doc.ErrStop();
    c.Direction = doc.Direction();
    c.Interface = doc.Interface();
    c.CharTime = doc.CharTime();
    c.Led = doc.Led();
    c.MemoryMode = doc.MemoryMode();
    c.MonitorStart = doc.MonitorStart();
    c.MonitorStop = doc.MonitorStop();
    c.RangeDate = doc.RangeDate();
    c.RangeStart = doc.RangeStart();
    c.RangeStop = doc.RangeStop();
    c.TrigStop = doc.TrigStop();
    c.TrigStart = doc.TrigStart();
    c.TriggerPointFound = doc.GetTrigPos() != -1;
    for (int i = 0; i < 2; ++i) {
        TriggerConditions& t = c.Trigger[static_cast<size_t>(i)];
        t.Line = doc.TrigLine(i);
        t.After = doc.AfterLength(i);
        t.SdCount = doc.SdCount(i);
        t.RdCount = doc.RdCount(i);
        t.SdChar = doc.SdChar(i);
        t.SdCharAt = doc.SdCharAt(i);
        t.RdChar = doc.RdChar(i);
        t.RdCharAt = doc.RdCharAt(i);
    }
    return c;
}

PropView PropTexts(const RecordingConditions& c) {
    PropView v;
    InfoTab(c, v);
    StopTriggerTab(c, v);
    v.CodeCaption = Pick(std::array{"ＨＥＸ：", "ＡＳＣＩＩ：", "ＪＩＳ７：", "ＪＩＳ７：", "ＪＩＳ８：",
                                    "ＥＢＣＤＩＣ："},
                         c.DspMode);
    StartTriggerTab(c, v);
    return v;
}

std::string TrigCharText(std::string_view kinds, std::string_view chars, int16_t code) {
    std::string text;
    for (size_t i = 0; i < 5 && i < kinds.size(); ++i) {
        const char k = kinds[i];
        if (k == '0') break;
        text += k == '2' || k == '6' ? std::string(" **") : CharItem(Pair(chars, i), code);
    }
    return text;
}

std::string TrigChar12Text(std::string_view chars, int16_t code) {
    std::string text;
    for (size_t i = 0; i < 12; ++i) {
        const std::string_view h = Pair(chars, i);
        if (h.empty()) break;
        text += h == "**" ? std::string(" **") : CharItem(h, code);
    }
    return text;
}

std::string TrigMarkText(std::string_view kinds, int16_t count) {
    std::string text;
    for (size_t i = 0; i < static_cast<size_t>(count > 0 ? count : 0); ++i) {
        const char k = i < kinds.size() ? kinds[i] : '0';
        text += k == '1' || k == '2' ? " ×" : k == '5' || k == '6' ? " ○" : " －";
    }
    return text;
}

}  // namespace store
