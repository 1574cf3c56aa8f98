#include "Ky1Encode.h"

#include <cmath>

#include "Ky2Format.h"
#include "platform/text/Cp932.h"
#include "platform/text/Rounding.h"

namespace store {

namespace {

// The word's top two bits must read 01; 0x7FFF, the highest such word, is
// also the highest a 16-bit conversion lets through.
constexpr int16_t kWordLowest = 0x4000;

std::string Bit(bool v) { return v ? "1" : "0"; }
std::string Num(int32_t v) { return std::to_string(v); }

std::string TriggerLine(const Ky1Trg& t) {
    return Num(t.Line) + "," + t.SdChar + "," + t.SdNot + "," + Num(t.SdCnt) + "," + t.RdChar +
           "," + t.RdNot + "," + Num(t.RdCnt) + "," + Num(t.After);
}

// Every field is followed by its comma, leaving RangeDate empty at the end.
std::string SettingsLine(const Ky1Inf& inf) {
    const std::string fields[] = {
        Num(inf.MonitorCode), inf.Band,         Num(inf.Data),       Bit(inf.ErrStop),
        Num(inf.Monitor),     Num(inf.Interface), Bit(inf.TimeDsp),  Num(inf.Led),
        Num(inf.MemoryMode),  Num(inf.Parity),  Bit(inf.TrigStop),   Bit(inf.TrigStart),
    };
    std::string line;
    for (const std::string& f : fields) line += f + ",";
    return line;
}

std::optional<uint16_t> CharTimeWordOf(float chrTime) {
    if (chrTime == 0.0F) return uint16_t{0};
    const std::optional<int16_t> w = platform::ToInt16(static_cast<double>(chrTime));
    if (!w || *w < kWordLowest) return std::nullopt;
    return static_cast<uint16_t>(*w);
}

}  // namespace

uint8_t ConvAttribute(const Ky1Mst& row) {
    uint8_t a = kAttrUnit;
    if (row.SdRd == 1) a |= kAttrRd;
    if (row.Same == 1) a |= kAttrSame;
    if (row.ErrBit & 1) a |= kAttrParity;
    if (row.ErrBit & 2) a |= kAttrOver;
    if (row.ErrBit & 4) a |= kAttrFlam;
    if (row.Trig1 == 1) a |= kAttrTrig;
    if (row.SiSo == 1) a |= kAttrJis7;
    return a;
}

std::optional<ConvUnit> EncodeUnit(const Ky1Mst& row) {
    if (row.Data < 0 || row.Data > 255) return std::nullopt;
    const std::optional<uint16_t> word = CharTimeWordOf(row.ChrTime);
    if (!word) return std::nullopt;
    return ConvUnit{row.Dtime, ConvAttribute(row), static_cast<uint8_t>(row.Data), *word};
}

std::string ConvHeaderText(const Ky1Inf& inf, const std::array<Ky1Trg, 2>& trg,
                           const std::string& precedName, const std::string& followName) {
    const std::string lines[] = {
        std::string(kKy2Magic),
        precedName + "," + followName,
        FormatStamp(inf.Start) + "," + FormatStamp(inf.Stop),
        SettingsLine(inf),
        ",",
        TriggerLine(trg[0]),
        TriggerLine(trg[1]),
    };
    std::string text;
    for (const std::string& line : lines) text += platform::Utf8ToCp932(line) + "\r\n";
    return text;
}

}  // namespace store
