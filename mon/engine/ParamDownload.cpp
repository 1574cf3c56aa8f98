#include "ParamDownload.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "Engine.h"
#include "platform/text/Cp932.h"

namespace mon {

namespace {

constexpr char kLetters[kParamLetterCount + 1] = "ABCEFIKLMPTUVWXYZ";
constexpr uint16_t kLastBaudRow = 1046;

std::string Hex(uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

std::string OnOff(int16_t v) { return v != 0 ? "1" : "0"; }
std::string Dec(int v) { return std::to_string(v); }

}  // namespace

char ParamLetter(int step) {
    return step >= 1 && step <= kParamLetterCount ? kLetters[step - 1] : '\0';
}

std::string ParamCodeSet(int16_t code) {
    static constexpr const char* kValue[] = {"0", "1", "2", "2", "3", "4"};
    return code >= 0 && code <= 5 ? kValue[code] : "";
}

std::string ParamBaudSet(float baud, int16_t model, PortelloApi& api) {
    if (model != 1) return DdsWord(baud);
    int16_t group = 0, clockCode = 0;
    float rowBaud = 0;
    int32_t divisor = 0;
    for (uint16_t row = 0; row <= kLastBaudRow; ++row) {
        if (api.GetBaudRateN4(row, &group, &rowBaud, &clockCode, &divisor) == 0) break;
        if (rowBaud >= baud) break;
    }
    const auto d = static_cast<uint32_t>(divisor);
    return Dec(clockCode) + Hex(d & 0xFF, 2) + Hex((d >> 8) & 0xFF, 2);
}

std::string DdsWord(float baud) {
    // Computed in single precision on purpose: the unit expects the word
    // its own firmware tables were made with.
    const float k = static_cast<float>(4294967296.0 / 40000000.0);
    const float w = baud * 16.0f * k;
    const double word = std::nearbyint(static_cast<double>(w));  // halves to even
    return Hex(static_cast<uint32_t>(word), 8);
}

std::string StopPattern(const std::string& attributes, const std::string& data) {
    std::string value;
    for (size_t p = 0; p < 5; ++p) {
        const char d = p < attributes.size() ? attributes[p] : '0';
        value += d;
        std::string pair = data.size() > 2 * p ? data.substr(2 * p, 2) : "";
        for (char& c : pair) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (d == '6' || d == '2' || pair.empty()) pair = "00";
        value += pair;
    }
    return value;
}

std::string ParamLengthAfterSet(int32_t length) {
    const std::string h = Hex(static_cast<uint32_t>(length) & 0xFFFFFF, 6);
    return h.substr(4, 2) + h.substr(2, 2) + h.substr(0, 2);
}

std::string ParamSetCommand(int step, const MonitorSettings& s, int16_t model, PortelloApi& api) {
    const TriggerSetting& stop = s.Trig[0];
    std::string value;
    switch (ParamLetter(step)) {
        case 'A': value = ParamCodeSet(s.Code); if (value.empty()) return ""; break;
        case 'B': value = ParamBaudSet(s.BaudRate, model, api); break;
        case 'C': value = Dec(s.DataLength); break;
        case 'E': value = OnOff(s.ErrStop); break;
        case 'F': value = Dec(s.Direction); break;
        case 'I': value = Dec(s.Interface); break;
        case 'K': value = OnOff(s.CharTime); break;
        case 'L': value = Dec(s.Led); break;
        case 'M': value = Dec(s.MemoryMode); break;
        case 'P': value = Dec(s.Parity); break;
        case 'T': value = OnOff(stop.Active); break;
        case 'U': value = Dec(stop.Line); break;
        case 'V': value = Hex(static_cast<uint16_t>(stop.SdCount) & 0xFF, 2); break;
        case 'W': value = Hex(static_cast<uint16_t>(stop.RdCount) & 0xFF, 2); break;
        case 'X': value = ParamLengthAfterSet(stop.Length); break;
        case 'Y': value = StopPattern(stop.SdCharAttr, stop.SdData); break;
        case 'Z': value = StopPattern(stop.RdCharAttr, stop.RdData); break;
        default: return "";
    }
    return std::string(1, ParamLetter(step)) + value + "\r\n";
}

void ParamDownload::ParamSetStart() {
    ParamPhase = 1;
    ParamStep = 1;
    ParamResult = kParamOk;
    ParamRetryCount = 0;
    e_.LampState = kLampGrey;
    e_.Io.RecvClear();
    e_.StatusTextSet("");
    e_.MessageShow("パラメータ設定中", 1);
}

void ParamDownload::ParamStepRun() {
    if (ParamPhase == 1) {
        ParamSend();
        return;
    }
    if (e_.Io.LastLine.empty()) return;
    ParamReplyCheck(e_.Io.LastLine);
    if (e_.EngineState != kStateParamDownload) return;  // ended by a failure
    ParamPhase = 1;
    if (ParamStep > kParamLetterCount) ParamSetEnd();
}

void ParamDownload::ParamSend() {
    ParamCommand = ParamSetCommand(ParamStep, e_.WorkingSettings, e_.Pc.ModelNumber, e_.Api);
    if (e_.Api.IsCommCTS() != 1) return;
    std::string text = ParamCommand + "Q" + ParamLetter(ParamStep) + "\r\n";
    if (e_.Io.LineSend(text, e_.Pc.WaitSend)) {
        ParamPhase = 2;
        return;
    }
    if (++ParamRetryCount > 1) {
        ParamResult = kParamSendFailed;
        ParamSetEnd();
    }
}

void ParamDownload::ParamReplyCheck(const std::string& line) {
    const std::string text = platform::Cp932ToUtf8(line);
    if (!text.empty() && text[0] == ParamLetter(ParamStep) && text == ParamCommand) {
        ParamRetryCount = 0;
        ++ParamStep;
        return;
    }
    if (ParamRetryCount > 1) {
        ParamResult = kParamMismatch;
        ParamSetEnd();
        return;
    }
    ++ParamRetryCount;
}

void ParamDownload::ParamSetEnd() {
    if (ParamResult != kParamOk) {
        e_.MessageShow("パラメータ設定に失敗しました。", 0);
        e_.LampState = kLampRed;
    } else {
        e_.MessageShow("", 1);
        e_.LampState = kLampGreen;
        if (e_.MessageShown != 0) e_.View.StepMessageUnload();
        e_.CommittedSettings = e_.WorkingSettings;
        e_.SettingsStatusShow();
        e_.IniFileWrite();
    }
    e_.ConnectLampSet();
    e_.EngineState = kStateIdle;
}

}  // namespace mon
