// The texts of the recording-conditions windows: every monitoring
// condition a history header carries (KY2 or, copied from it, KYP) as its
// value label shows it, with which labels are greyed. The viewer's
// properties window and the analyser's history window show the same texts.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace store {

class clsCommon;

struct TriggerConditions {
    int16_t Line = 0;
    int32_t After = 0;
    int16_t SdCount = 0;
    int16_t RdCount = 0;
    std::string SdChar, SdCharAt, RdChar, RdCharAt;
};

// The monitoring conditions as stored, whatever their values.
struct RecordingConditions {
    int16_t DspMode = 0;
    int32_t BaudRate = 0;
    int16_t DataLength = 0, Parity = 0, ErrStop = 0, Direction = 0, Interface = 0;
    int16_t CharTime = 0, Led = 0, MemoryMode = 0;
    double MonitorStart = 0, MonitorStop = 0;
    int16_t RangeDate = 0;
    double RangeStart = 0, RangeStop = 0;
    int16_t TrigStop = 0, TrigStart = 0;
    // The data holds a trigger point (the viewer knows; a frame file does not).
    bool TriggerPointFound = false;
    std::array<TriggerConditions, 2> Trigger{};  // 0 stop, 1 start
};

RecordingConditions ConditionsOf(const clsCommon& doc);

struct PropView {
    std::string DspCode, Direction, Baud, DataLength, Parity, ErrStop, CharTime, Interface, Led;
    std::string MemoryMode, Start, Stop, RangeDate, RangeStart, RangeStop;
    bool RangeEnabled = false;

    std::string CodeCaption;  // lblCode(0) to (3)
    std::string Trig1Stop, Trig1Line, Trig1After, Trig1SdCnt, Trig1RdCnt;
    std::string Trig1SdNot, Trig1SdChar, Trig1SdCharCode, Trig1RdNot, Trig1RdChar, Trig1RdCharCode;
    bool Trig1Enabled = false;

    std::string Trig2Stop, Trig2Line, Trig2After, Trig2SdCnt, Trig2RdCnt;
    std::string Trig2SdChar, Trig2SdCharCode, Trig2RdChar, Trig2RdCharCode;
    bool Trig2Enabled = false;
};

// A number outside its table shows as the number it is, and a trigger
// pair that is not two hex digits as the pair itself, so a damaged header
// shows what it holds and never reaches past a table.
PropView PropTexts(const RecordingConditions& c);

// The stop trigger's characters: up to five, a kind digit each ("0" ends
// the list, "2" and "6" any character), each item after a blank, in the
// code-table form code.
std::string TrigCharText(std::string_view kinds, std::string_view chars, int16_t code);
// The start trigger's characters: up to twelve pairs, "**" any character.
std::string TrigChar12Text(std::string_view chars, int16_t code);
// One mark a position for count positions: " ×", " ○" or " －".
std::string TrigMarkText(std::string_view kinds, int16_t count);

}  // namespace store
