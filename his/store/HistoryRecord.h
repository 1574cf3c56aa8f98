// One captured character of a loaded history.
#pragma once

#include <cstdint>

#include "Ky2Format.h"

namespace store {

struct HistoryRecord {
    int32_t SdCount = 0;  // SD records up to and including this one
    int32_t RdCount = 0;  // RD records up to and including this one
    double DateTime = 0;  // time stamp of the line it came from
    uint8_t Data = 0;
    uint8_t Attr = 0;  // the unit's attribute flags (UnitAttr)
    int16_t TimIndex = kCharTimeNone;
    uint16_t TimValue = 0;

    int16_t Flag(UnitAttr mask) const { return (Attr & mask) != 0 ? 1 : 0; }
};

}  // namespace store
