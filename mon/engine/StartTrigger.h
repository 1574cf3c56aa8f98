// The start trigger, applied on the PC: records are searched for a byte
// pattern and dropped until it has occurred the set number of times; then
// recording begins after the unit that completed it and stops once the
// monitor length is reached.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Settings.h"

namespace mon {

class PortelloApi;

// The data units of the record being handled, as the monitoring step and
// the trigger share it.
struct RecordUnitsState {
    std::string RecordBytes;  // the line's bytes, CR LF included
    int32_t RecordUnits = 0;
    int32_t RecordSdUnits = 0;
    int32_t RecordRdUnits = 0;
};

struct StartPattern {
    std::array<int16_t, 12> PatternValues{};  // 0-255 a byte, 256 any byte
    uint32_t PatternLength = 0;
    int32_t Matches = 0;
    uint32_t CarryLength = 0;
};

class StartTrigger {
public:
    enum Direction { kSd = 0, kRd = 1 };

    explicit StartTrigger(PortelloApi& api) : api_(api) {}

    // At the start of a capture: state back to "awaited", patterns parsed.
    void Reset(const TriggerSetting& start);
    // Applies the trigger to one data record with units; true when the
    // monitor length was reached and the unit must be asked to stop.
    bool TriggerCheck(RecordUnitsState& rec, const TriggerSetting& start);
    // Whether records may be written and shown.
    bool Recording(const TriggerSetting& start) const {
        return start.Active == 0 || StartTrigFound != -1;
    }

    int16_t StartTrigFound = -1;  // -1 awaited, 1 found on SD, 2 on RD
    int16_t StartTrigDone = 0;    // -1 once the monitor length was taken
    int32_t UnitsSinceTrigger = 0;
    std::array<StartPattern, 2> Patterns{};
    std::string SdSearchBytes, RdSearchBytes;

private:
    int32_t TriggerFind(Direction d, int16_t count);
    void TrigMarkSet(RecordUnitsState& rec, int16_t kind, int32_t n);

    PortelloApi& api_;
};

// Parses "41**43" into byte values, "**" standing for any byte.
StartPattern ParsePattern(const std::string& text);
// Recounts a record's units with the library.
void RecountUnits(RecordUnitsState& rec, PortelloApi& api);
// The offset of the record's end byte (walking units and time words).
size_t EndByteOffset(const std::string& bytes);

}  // namespace mon
