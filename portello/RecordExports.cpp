// C exports of the record and baud-table functions. Each one screens its
// pointers and hands the work to the pure functions in Records and
// BaudTable; callers get 0 (or nothing) rather than a crash on bad input.
#include <cstddef>
#include <span>

#include "BaudTable.h"
#include "Records.h"
#include "portello.h"

extern "C" PORTELLO_API int32_t AP_CheckSum(uint8_t* data, int32_t len) {
    if (data == nullptr || len < 2) return 0;
    return portello::RecordChecksum({data, static_cast<std::size_t>(len)}) ? 1 : 0;
}

extern "C" PORTELLO_API int16_t AP_GetDataAttr(uint8_t attribute, int16_t* same, int16_t* rd,
                                               int16_t* jis7, int16_t* trig, int16_t* parity,
                                               int16_t* over, int16_t* flam) {
    const portello::AttrFlags flags = portello::AttrSplit(attribute);
    // Callers ask only for the flags they need and pass null for the rest.
    const auto put = [](int16_t* out, int16_t value) {
        if (out != nullptr) *out = value;
    };
    put(same, flags.same);
    put(rd, flags.rd);
    put(jis7, flags.jis7);
    put(trig, flags.trig);
    put(parity, flags.parity);
    put(over, flags.over);
    put(flam, flags.flam);
    return flags.flam;
}

extern "C" PORTELLO_API void AP_GetCountAll(uint8_t* block, int32_t* total, int32_t* sdCount,
                                            int32_t* rdCount) {
    if (block == nullptr || total == nullptr || sdCount == nullptr || rdCount == nullptr) return;
    const portello::UnitCounts counts = portello::RecordCountAll(block);
    *total = counts.total;
    *sdCount = counts.sd;
    *rdCount = counts.rd;
}

extern "C" PORTELLO_API int32_t AP_GetCountInf(int16_t kind, uint8_t* block, uint32_t n) {
    if (block == nullptr) return 0;
    return portello::RecordOffsetOf(kind, block, n);
}

extern "C" PORTELLO_API void AP_CreateDspData(uint8_t* block, DisplayRecord* table,
                                              int32_t* index, uint32_t capacity) {
    if (block == nullptr || table == nullptr || index == nullptr || capacity == 0) return;
    portello::DisplayRecordsBuild(block, {table, capacity}, *index);
}

extern "C" PORTELLO_API int32_t AP_FindChar(uint8_t* data, uint32_t from, uint32_t to,
                                            int16_t* pattern, uint32_t len) {
    if (data == nullptr || pattern == nullptr || len == 0 || to < len) return 0;
    // Only data[0..to-1] is ever read; a match must end before `to`.
    return portello::PatternFind({data, to}, from, {pattern, len});
}

extern "C" PORTELLO_API int32_t AP_GetBaudRateN4(uint16_t row, int16_t* group, float* baud,
                                                 int16_t* clockCode, int32_t* divisor) {
    if (group == nullptr || baud == nullptr || clockCode == nullptr || divisor == nullptr) {
        return 0;
    }
    portello::BaudRow found{};
    if (!portello::BaudRowGet(row, found)) return 0;
    *group = found.group;
    *baud = found.baud;
    *clockCode = found.clockCode;
    *divisor = found.divisor;
    return 1;
}
