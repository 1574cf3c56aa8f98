#include "clsCommon.h"

#include <algorithm>
#include <limits>

namespace store {

namespace {

void SetInt16(int16_t& field, const LooseValue& v, int16_t low, int16_t high) {
    if (auto n = LooseInt16(v, low, high)) field = *n;
}

void SetDate(double& field, const LooseValue& v) {
    if (auto d = v.AsDate()) field = *d;
}

std::string TrimBlanks(const std::string& s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Text lengths kept per trigger condition: characters, attributes.
constexpr size_t kCharLength[2] = {10, 24};
constexpr size_t kAttrLength[2] = {5, 10};

}  // namespace

void clsCommon::DspMode(const LooseValue& v) { SetInt16(dspMode_, v, 0, 5); }
void clsCommon::BaudRate(const LooseValue& v) {
    if (auto n = LooseInt32(v, 1, std::numeric_limits<int32_t>::max())) baudRate_ = *n;
}
void clsCommon::DataLength(const LooseValue& v) { SetInt16(dataLength_, v, 0, 1); }
void clsCommon::ErrStop(const LooseValue& v) { SetInt16(errStop_, v, 0, 1); }
void clsCommon::Direction(const LooseValue& v) { SetInt16(direction_, v, 0, 2); }
void clsCommon::Interface(const LooseValue& v) { SetInt16(interface_, v, 0, 1); }
void clsCommon::CharTime(const LooseValue& v) { SetInt16(charTime_, v, 0, 1); }
void clsCommon::Led(const LooseValue& v) { SetInt16(led_, v, 0, 1); }
void clsCommon::MemoryMode(const LooseValue& v) { SetInt16(memoryMode_, v, 0, 2); }
void clsCommon::Parity(const LooseValue& v) { SetInt16(parity_, v, 0, 2); }
void clsCommon::TrigStop(const LooseValue& v) { SetInt16(trigStop_, v, 0, 1); }
void clsCommon::TrigStart(const LooseValue& v) { SetInt16(trigStart_, v, 0, 1); }
void clsCommon::RangeDate(const LooseValue& v) { SetInt16(rangeDate_, v, 0, 1); }

void clsCommon::MonitorStart(const LooseValue& v) { SetDate(monitorStart_, v); }
void clsCommon::MonitorStop(const LooseValue& v) { SetDate(monitorStop_, v); }
void clsCommon::RangeStart(const LooseValue& v) { SetDate(rangeStart_, v); }
void clsCommon::RangeStop(const LooseValue& v) { SetDate(rangeStop_, v); }

void clsCommon::PrecedFile(const LooseValue& v) {
    const std::string name = TrimBlanks(v.AsText());
    precedFile_ = FileExists(name) ? name : std::string();
}

void clsCommon::FollowFile(const LooseValue& v) { followFile_ = ProbeFollowFile(v.AsText()); }

clsCommon::Trigger* clsCommon::TriggerAt(int i) {
    return i == 0 || i == 1 ? &trig_[static_cast<size_t>(i)] : nullptr;
}
const clsCommon::Trigger* clsCommon::TriggerAt(int i) const {
    return i == 0 || i == 1 ? &trig_[static_cast<size_t>(i)] : nullptr;
}

int16_t clsCommon::TrigLine(int i) const {
    const Trigger* t = TriggerAt(i);
    return t ? t->line : 0;
}
void clsCommon::TrigLine(int i, const LooseValue& v) {
    if (Trigger* t = TriggerAt(i)) SetInt16(t->line, v, 0, 2);
}
int16_t clsCommon::SdCount(int i) const {
    const Trigger* t = TriggerAt(i);
    return t ? t->sdCount : 0;
}
void clsCommon::SdCount(int i, const LooseValue& v) {
    if (Trigger* t = TriggerAt(i)) SetInt16(t->sdCount, v, 0, 256);
}
int16_t clsCommon::RdCount(int i) const {
    const Trigger* t = TriggerAt(i);
    return t ? t->rdCount : 0;
}
void clsCommon::RdCount(int i, const LooseValue& v) {
    if (Trigger* t = TriggerAt(i)) SetInt16(t->rdCount, v, 0, 256);
}
int32_t clsCommon::AfterLength(int i) const {
    const Trigger* t = TriggerAt(i);
    return t ? t->afterLength : 0;
}
void clsCommon::AfterLength(int i, const LooseValue& v) {
    Trigger* t = TriggerAt(i);
    if (!t) return;
    if (auto n = LooseInt32(v, 0, 0xFFFFFF)) t->afterLength = *n;
}

std::string clsCommon::SdChar(int i) const {
    const Trigger* t = TriggerAt(i);
    return t ? t->sdChar : std::string();
}
void clsCommon::SdChar(int i, const LooseValue& v) {
    if (Trigger* t = TriggerAt(i)) t->sdChar = LeftChars(v.AsText(), kCharLength[i]);
}
std::string clsCommon::SdCharAt(int i) const {
    const Trigger* t = TriggerAt(i);
    return t ? t->sdCharAt : std::string();
}
void clsCommon::SdCharAt(int i, const LooseValue& v) {
    if (Trigger* t = TriggerAt(i)) t->sdCharAt = LeftChars(v.AsText(), kAttrLength[i]);
}
std::string clsCommon::RdChar(int i) const {
    const Trigger* t = TriggerAt(i);
    return t ? t->rdChar : std::string();
}
void clsCommon::RdChar(int i, const LooseValue& v) {
    if (Trigger* t = TriggerAt(i)) t->rdChar = LeftChars(v.AsText(), kCharLength[i]);
}
std::string clsCommon::RdCharAt(int i) const {
    const Trigger* t = TriggerAt(i);
    return t ? t->rdCharAt : std::string();
}
void clsCommon::RdCharAt(int i, const LooseValue& v) {
    if (Trigger* t = TriggerAt(i)) t->rdCharAt = LeftChars(v.AsText(), kAttrLength[i]);
}

// --- records ---------------------------------------------------------------

std::optional<HistoryRecord> clsCommon::RecordAt(int32_t aRecord) const {
    if (aRecord < 0 || aRecord >= RecordCount()) return std::nullopt;
    return records_.Get(aRecord);
}

const HistoryRecord* clsCommon::Record(int32_t aRecord) const {
    if (aRecord < 0 || aRecord >= RecordCount()) return nullptr;
    return records_.Pinned(aRecord);
}

void clsCommon::HistoryClear() {
    records_.Clear();
    trigPos_ = -1;
}

bool clsCommon::RecordAdd(double dateTime, uint8_t attribute, uint8_t data) {
    const int32_t index = records_.Count();
    if (!records_.Add(dateTime, attribute, data)) return false;
    if (attribute & kAttrTrig) trigPos_ = index;
    return true;
}

void clsCommon::CharTimeSet(uint16_t word) { records_.CharTimeSet(word); }

void clsCommon::IsCounterInf(int32_t& aTrCount, int32_t& aSdCount, int32_t& aRdCount) const {
    aTrCount = RecordCount();
    aSdCount = records_.SdTotal();
    aRdCount = records_.RdTotal();
}

bool clsCommon::GetDataAtInf(int32_t aRecord, int16_t& aData, int16_t& aSame, int16_t& aCh,
                             int16_t& aJis7, int16_t& aTrig, int16_t& aParity, int16_t& aOver,
                             int16_t& aFlam) const {
    if (aRecord < 0 || aRecord >= RecordCount()) return false;
    const uint8_t attr = records_.Attr(aRecord);
    auto flag = [attr](UnitAttr mask) -> int16_t { return (attr & mask) != 0 ? 1 : 0; };
    aData = records_.Data(aRecord);
    aSame = flag(kAttrSame);
    aCh = flag(kAttrRd);
    aJis7 = flag(kAttrJis7);
    aTrig = flag(kAttrTrig);
    aParity = flag(kAttrParity);
    aOver = flag(kAttrOver);
    aFlam = flag(kAttrFlam);
    return true;
}

bool clsCommon::GetDataTimInf(int32_t aRecord, int16_t& aIndex, int16_t& aValue) const {
    if (aRecord < 0 || aRecord >= RecordCount()) return false;
    uint16_t value = 0;
    records_.CharTime(aRecord, aIndex, value);
    aValue = static_cast<int16_t>(value);
    return true;
}

bool clsCommon::GetDataOtherInf(int32_t aRecord, double& aDateTime, int32_t& aDualCount,
                                int32_t& aSdCount, int32_t& aRdCount) const {
    if (aRecord < 0 || aRecord >= RecordCount()) return false;
    aDateTime = records_.Stamp(aRecord);
    aDualCount = aRecord + 1;
    aRdCount = records_.RdCount(aRecord);
    aSdCount = aDualCount - aRdCount;
    return true;
}

bool clsCommon::GetDirectionTrInf(int16_t aDirection, int32_t aCount, int32_t& aRecord) const {
    const bool sd = aDirection == 1;
    const int32_t total = sd ? records_.SdTotal() : records_.RdTotal();
    if (aCount < 0 || aCount > total) return false;
    if (aCount > 0) {
        aRecord = sd ? records_.SdRecord(aCount) : records_.RdRecord(aCount);
        return true;
    }
    // A running count of 0 stands only on records of the other direction
    // before the first one of this direction: the first such is record 0.
    if (RecordCount() == 0 || records_.IsRd(0) != sd) return false;
    aRecord = 0;
    return true;
}

bool clsCommon::GetRecNo(const LooseValue& aDirection, const LooseValue& aCount,
                         int32_t& aRecord) const {
    const auto direction = LooseInt16(aDirection, std::numeric_limits<int16_t>::min(),
                                      std::numeric_limits<int16_t>::max());
    const auto count = LooseInt32(aCount, 0, std::numeric_limits<int32_t>::max());
    if (!direction || !count) return false;
    const bool sd = *direction == 1;
    if (*count < (sd ? records_.SdTotal() : records_.RdTotal())) {
        aRecord = sd ? records_.SdRecord(*count + 1) : records_.RdRecord(*count + 1);
        return true;
    }
    // Not found: the search ran to the end of the history.
    aRecord = std::max(*count, RecordCount());
    return false;
}

}  // namespace store
