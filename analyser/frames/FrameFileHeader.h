// The header of a KYP frame file: the configuration and link table it
// names, the two device names, the cut settings of the conversion, the
// part files with the monitoring times, and the monitoring conditions of
// the KY2 history it was made from.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "FileText.h"

namespace frames {

class ByteReader;

// KYP and KYF files open with the same magic; the previous generation's
// is read too, the current one written.
inline constexpr uint32_t kFrameMagic = 0x4E350050;
inline constexpr uint32_t kFrameMagicOld = 0x4E345850;

constexpr bool IsFrameMagic(uint32_t magic) { return magic == kFrameMagic || magic == kFrameMagicOld; }

// How the conversion cut the history into frames.
struct CutSettings {
    // Switches 0 to 4; 1 CR LF, 2 character time and 3 user string cut.
    std::array<uint8_t, 5> CutMode{};
    // The inter-character time that starts a frame.
    int32_t Deadhead = 0;
    // The byte string that ends a frame, bytes as they are.
    std::string UserChar;
};

struct PartRecord {
    FileText PrecedFile;
    FileText FollowFile;
    double MonitorStart = 0;
    double MonitorStop = 0;
};

// One trigger condition: 0 the stop trigger, 1 the start trigger.
struct TriggerRecord {
    int16_t TrgLine = 0;
    int16_t SdEveCnt = 0;
    int16_t RdEveCnt = 0;
    int32_t LenAfter = 0;
    FileText SdChr, SdChrAtt, RdChr, RdChrAtt;
};

struct MonitorRecord {
    int16_t MoniMode = 0;
    int32_t Brate = 0;
    int16_t DataLen = 0, PrtBit = 0, ErrStop = 0, MoniDrec = 0, InterFase = 0, ChrTime = 0;
    int16_t SelLED = 0, MemMode = 0, RangeDate = 0;
    double RangeStart = 0;
    double RangeStop = 0;
    int16_t TrgStop = 0;
    int16_t TrgStart = 0;
    std::array<TriggerRecord, 2> trigger{};
};

struct FrameFileHeader {
    uint32_t magic = kFrameMagic;
    FileText FrameFile;
    FileText LinkFile;
    FileText SpotA;
    FileText SpotB;
    CutSettings cut;
    PartRecord part;
    MonitorRecord monitor;
};

// Reads the header at the reader's position. False for a wrong magic or a
// header cut short; header is then partly filled and not to be used.
bool FrameHeaderRead(ByteReader& in, FrameFileHeader& header);

// Appends the header with the current magic, whatever header.magic says.
// False when a text is too long for its 16-bit count.
bool FrameHeaderWrite(std::string& out, const FrameFileHeader& header);

}  // namespace frames
