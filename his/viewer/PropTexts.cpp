#include "PropTexts.h"

#include <array>

#include "CodeTable.h"
#include "SharedFunctions.h"
#include "VbDate.h"

namespace viewer {
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
    const int16_t v = store::HexToInt(pair, 2);
    if (v < 0 || v > 255 || code < 0 || code >= store::kCodeFormCount) return " " + std::string(pair);
    return " " + store::CodeTable[static_cast<size_t>(code)][static_cast<size_t>(v)];
}

void InfoTab(const store::clsCommon& doc, PropView& v) {
    v.DspCode = Pick(std::array{"HEX", "ASCII", "JIS7", "JIS7", "JIS8", "EBCDIC"}, doc.DspMode());
    v.Baud = std::to_string(doc.BaudRate());
    v.DataLength = Pick(std::array{"7", "8"}, doc.DataLength());
    v.ErrStop = OnOff(doc.ErrStop());
    v.Direction = LineName(doc.Direction());
    v.Interface = Pick(std::array{"RS-232C", "RS-422"}, doc.Interface());
    v.CharTime = OnOff(doc.CharTime());
    v.Led = Pick(std::array{"CD", "CI"}, doc.Led());
    v.MemoryMode = Pick(std::array{"RING(RESTART)", "RING(STOP)", "FIX"}, doc.MemoryMode());
    v.Parity = Pick(std::array{"NON", "ODD", "EVEN"}, doc.Parity());
    v.Start = platform::FormatDateTime(doc.MonitorStart());
    v.Stop = doc.MonitorStop() == 0 ? "-" : platform::FormatDateTime(doc.MonitorStop());
    v.RangeDate = OnOff(doc.RangeDate());
    v.RangeStart = platform::FormatDateTime(doc.RangeStart());
    v.RangeStop = platform::FormatDateTime(doc.RangeStop());
    v.RangeEnabled = doc.RangeDate() != 0;
}

void StopTriggerTab(const store::clsCommon& doc, PropView& v) {
    v.Trig1Stop = doc.GetTrigPos() != -1 ? "検出" : OnOff(doc.TrigStop());
    v.Trig1Line = LineName(doc.TrigLine(0));
    v.Trig1After = std::to_string(doc.AfterLength(0));
    v.Trig1SdCnt = std::to_string(doc.SdCount(0));
    v.Trig1RdCnt = std::to_string(doc.RdCount(0));
    const int16_t code = doc.DspMode();
    v.Trig1SdNot = TrigMarkText(doc.SdCharAt(0), 5);
    v.Trig1SdChar = TrigCharText(doc.SdCharAt(0), doc.SdChar(0), 0);
    v.Trig1SdCharCode = TrigCharText(doc.SdCharAt(0), doc.SdChar(0), code);
    v.Trig1RdNot = TrigMarkText(doc.RdCharAt(0), 5);
    v.Trig1RdChar = TrigCharText(doc.RdCharAt(0), doc.RdChar(0), 0);
    v.Trig1RdCharCode = TrigCharText(doc.RdCharAt(0), doc.RdChar(0), code);
    v.Trig1Enabled = doc.TrigStop() != 0;
}

void StartTriggerTab(const store::clsCommon& doc, PropView& v) {
    v.Trig2Stop = doc.TrigStart() == 0 ? "無効" : "検出";
    v.Trig2Line = LineName(doc.TrigLine(1));
    v.Trig2After = std::to_string(doc.AfterLength(1));
    v.Trig2SdCnt = std::to_string(doc.SdCount(1));
    v.Trig2RdCnt = std::to_string(doc.RdCount(1));
    const int16_t code = doc.DspMode();
    v.Trig2SdChar = TrigChar12Text(doc.SdChar(1), 0);
    v.Trig2SdCharCode = TrigChar12Text(doc.SdChar(1), code);
    v.Trig2RdChar = TrigChar12Text(doc.RdChar(1), 0);
    v.Trig2RdCharCode = TrigChar12Text(doc.RdChar(1), code);
    v.Trig2Enabled = doc.TrigStart() != 0;
}

}  // namespace

PropView DspProp(const store::clsCommon& doc) {
    PropView v;
    InfoTab(doc, v);
    StopTriggerTab(doc, v);
    v.CodeCaption = Pick(std::array{"ＨＥＸ：", "ＡＳＣＩＩ：", "ＪＩＳ７：", "ＪＩＳ７：", "ＪＩＳ８：",
                                    "ＥＢＣＤＩＣ："},
                         doc.DspMode());
    StartTriggerTab(doc, v);
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

}  // namespace viewer
