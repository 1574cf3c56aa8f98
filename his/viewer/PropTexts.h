// The texts of the properties window: every recording condition of the
// loaded history's header as the label shows it, with which labels are
// greyed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "clsCommon.h"

namespace viewer {

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

PropView DspProp(const store::clsCommon& doc);

// The stop trigger's characters: up to five, a kind digit each ("0" ends
// the list, "2" and "6" any character), each item after a blank, in the
// code-table form code. A pair that is not two hex digits is shown as it
// stands.
std::string TrigCharText(std::string_view kinds, std::string_view chars, int16_t code);
// The start trigger's characters: up to twelve pairs, "**" any character.
std::string TrigChar12Text(std::string_view chars, int16_t code);
// One mark a position for count positions: " ×", " ○" or " －".
std::string TrigMarkText(std::string_view kinds, int16_t count);

}  // namespace viewer
