// The monitor's two groups of settings: the unit's monitoring conditions
// and the PC side of the link.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace mon {

// One trigger condition. Trig[0] is the stop trigger, which the unit
// applies; Trig[1] the start trigger, applied on the PC.
struct TriggerSetting {
    int16_t Active = 0;  // 0 off, non-zero on
    int16_t Line = 0;    // 0 DUAL, 1 SD, 2 RD
    int16_t SdCount = 1;
    int16_t RdCount = 1;
    int32_t Length = 0;  // units kept after the trigger; the monitor length for Trig[1]
    std::string SdCharAttr{};  // one attribute digit per pattern character
    std::string RdCharAttr{};
    std::string SdData{};  // the pattern's bytes as hex digit pairs
    std::string RdData{};

    friend bool operator==(const TriggerSetting&, const TriggerSetting&) = default;
};

struct MonitorSettings {
    int16_t Code = 1;  // 0 HEX, 1 ASCII, 2 JIS7, 3 JIS7 (kana), 4 JIS8, 5 EBCDIC
    float BaudRate = 9600;
    int16_t DataLength = 1;  // 1 eight bits, 0 seven
    int16_t ErrStop = 0;     // 0 off, non-zero on
    int16_t Direction = 0;   // 0 DUAL, 1 SD, 2 RD
    int16_t Interface = 0;   // 0 RS-232C, 1 RS-422
    int16_t CharTime = 0;    // 0 off, non-zero on
    int16_t Led = 0;         // 0 CD, 1 CI
    int16_t MemoryMode = 0;  // 0 RING(RESTART), 1 RING(STOP), 2 FIX
    int16_t Parity = 0;      // 0 NON, 1 ODD, 2 EVEN
    std::array<TriggerSetting, 2> Trig{};
    int16_t RangeDate = 0;   // 0 off, non-zero on
    std::string RangeStart;  // "yyyy/mm/dd hh:nn:ss"
    std::string RangeStop;

    friend bool operator==(const MonitorSettings&, const MonitorSettings&) = default;
};

constexpr int32_t kFileMaxUnlimited = 0x40000000;

struct PcSettings {
    int16_t ModelNumber = 1;  // 1 KY-N4, 2 KY-N5
    int16_t LinkKind = 1;     // 1 serial port, 2 LAN
    int16_t PortNumber = 1;
    int16_t PcBaudIndex = 4;  // 1-6: 19200, 38400, 57600, 115200, 230400, 460800
    std::string DataDir;
    std::string FileName = "Ky";
    int32_t SdForeColor = 0;         // 0x00BBGGRR
    int32_t RdForeColor = 0xFF8000;  // 0x00BBGGRR
    int16_t WaitSend = 0;            // 1 paced sending
    int32_t FileMax = kFileMaxUnlimited;

    friend bool operator==(const PcSettings&, const PcSettings&) = default;
};

}  // namespace mon
