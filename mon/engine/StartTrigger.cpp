#include "StartTrigger.h"

#include <vector>

#include "PortelloApi.h"
#include "his/store/SharedFunctions.h"

namespace mon {

namespace {

// The library walks units until an end byte; the zeros behind a copy make
// sure a malformed record stops there too.
std::vector<uint8_t> Padded(const std::string& bytes) {
    std::vector<uint8_t> v(bytes.begin(), bytes.end());
    v.insert(v.end(), 4, 0);
    return v;
}

int32_t OffsetOf(PortelloApi& api, int16_t kind, const std::string& bytes, uint32_t n) {
    std::vector<uint8_t> b = Padded(bytes);
    return api.GetCountInf(kind, b.data(), n);
}

bool IsTimeWord(uint8_t b) { return (b & 0xC0) == 0x40; }
bool IsEndByte(uint8_t b) { return (b & 0xC0) == 0x00; }

uint8_t At(const std::string& bytes, size_t i) {
    return i < bytes.size() ? static_cast<uint8_t>(bytes[i]) : 0;
}

}  // namespace

StartPattern ParsePattern(const std::string& text) {
    StartPattern p;
    p.PatternLength = static_cast<uint32_t>(std::min<size_t>(text.size() / 2, p.PatternValues.size()));
    for (uint32_t i = 0; i < p.PatternLength; ++i) {
        const std::string pair = text.substr(2 * i, 2);
        p.PatternValues[i] = pair == "**" ? int16_t{256} : store::HexToInt(pair, 2);
    }
    return p;
}

void RecountUnits(RecordUnitsState& rec, PortelloApi& api) {
    std::vector<uint8_t> b = Padded(rec.RecordBytes);
    api.GetCountAll(b.data(), &rec.RecordUnits, &rec.RecordSdUnits, &rec.RecordRdUnits);
}

size_t EndByteOffset(const std::string& bytes) {
    size_t i = 2;
    while (i < bytes.size() && !IsEndByte(At(bytes, i))) i += 2;
    return std::min(i, bytes.size());
}

void StartTrigger::Reset(const TriggerSetting& start) {
    StartTrigFound = -1;
    StartTrigDone = 0;
    UnitsSinceTrigger = 0;
    Patterns[kSd] = ParsePattern(start.SdData);
    Patterns[kRd] = ParsePattern(start.RdData);
    SdSearchBytes.clear();
    RdSearchBytes.clear();
}

int32_t StartTrigger::TriggerFind(Direction d, int16_t count) {
    StartPattern& p = Patterns[d];
    std::string& bytes = d == kSd ? SdSearchBytes : RdSearchBytes;
    if (p.PatternLength == 0 || bytes.empty()) return 0;
    int32_t result = 0;
    uint32_t from = 0;
    const auto length = static_cast<uint32_t>(bytes.size());
    while (true) {
        const int32_t found = api_.FindChar(reinterpret_cast<uint8_t*>(bytes.data()), from, length,
                                            p.PatternValues.data(), p.PatternLength);
        if (found < 1) break;
        if (++p.Matches < count) {
            from = static_cast<uint32_t>(found);
            continue;
        }
        result = found + static_cast<int32_t>(p.PatternLength) - 1 - static_cast<int32_t>(p.CarryLength);
        break;
    }
    // The tail that may start a match completed in the next record.
    const size_t keep = std::min<size_t>(p.PatternLength - 1, bytes.size());
    bytes.erase(0, bytes.size() - keep);
    p.CarryLength = static_cast<uint32_t>(keep);
    return result;
}

void StartTrigger::TrigMarkSet(RecordUnitsState& rec, int16_t kind, int32_t n) {
    const int32_t off = OffsetOf(api_, kind, rec.RecordBytes, static_cast<uint32_t>(n));
    StartTrigFound = kind;
    size_t next = static_cast<size_t>(off) + 2;
    while (IsTimeWord(At(rec.RecordBytes, next))) next += 2;
    if (IsEndByte(At(rec.RecordBytes, next))) {
        rec.RecordUnits = rec.RecordSdUnits = rec.RecordRdUnits = 0;
        return;
    }
    rec.RecordBytes = rec.RecordBytes.substr(0, 2) + rec.RecordBytes.substr(next);
    RecountUnits(rec, api_);
    UnitsSinceTrigger += rec.RecordUnits;
}

bool StartTrigger::TriggerCheck(RecordUnitsState& rec, const TriggerSetting& start) {
    if (start.Active == 0) {
        SdSearchBytes.clear();
        RdSearchBytes.clear();
        return false;
    }
    int32_t total = 0;
    if (StartTrigFound == -1) {
        if (start.Line == 1) {
            const int32_t n = TriggerFind(kSd, start.SdCount);
            RdSearchBytes.clear();
            if (n > 0) TrigMarkSet(rec, 1, n);
        } else if (start.Line == 2) {
            SdSearchBytes.clear();
            const int32_t r = TriggerFind(kRd, start.RdCount);
            if (r > 0) TrigMarkSet(rec, 2, r);
        } else {
            const int32_t n = TriggerFind(kSd, start.SdCount);
            const int32_t r = TriggerFind(kRd, start.RdCount);
            const bool rdFirst = r > 0 && (n <= 0 || OffsetOf(api_, 2, rec.RecordBytes, static_cast<uint32_t>(r)) <
                                                         OffsetOf(api_, 1, rec.RecordBytes, static_cast<uint32_t>(n)));
            if (rdFirst) {
                TrigMarkSet(rec, 2, r);
            } else if (n > 0) {
                TrigMarkSet(rec, 1, n);
            }
        }
        total = UnitsSinceTrigger;
    } else {
        UnitsSinceTrigger += rec.RecordUnits;
        total = UnitsSinceTrigger;
    }
    if (total < start.Length) return false;

    const int32_t keep = std::max<int32_t>(0, rec.RecordUnits - (total - start.Length));
    int32_t off = OffsetOf(api_, 0, rec.RecordBytes, static_cast<uint32_t>(keep) + 1);
    if (off == 0) off = static_cast<int32_t>(EndByteOffset(rec.RecordBytes));
    rec.RecordBytes = rec.RecordBytes.substr(0, static_cast<size_t>(off)) + std::string("\x00\r\n", 3);
    RecountUnits(rec, api_);
    StartTrigDone = -1;
    return true;
}

}  // namespace mon
