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

const HistoryRecord* clsCommon::Record(int32_t aRecord) const {
    if (aRecord < 0 || aRecord >= RecordCount()) return nullptr;
    return &records_[static_cast<size_t>(aRecord)];
}

void clsCommon::HistoryClear() {
    records_.clear();
    sdIndex_.clear();
    rdIndex_.clear();
    sdBytes_.clear();
    rdBytes_.clear();
    trigPos_ = -1;
}

bool clsCommon::RecordAdd(double dateTime, uint8_t attribute, uint8_t data) {
    const size_t index = records_.size();
    if (index >= static_cast<size_t>(std::numeric_limits<int32_t>::max())) return false;
    const bool rd = (attribute & kAttrRd) != 0;
    (rd ? rdIndex_ : sdIndex_).push_back(static_cast<int32_t>(index));
    (rd ? rdBytes_ : sdBytes_).push_back(static_cast<char>(data));

    HistoryRecord& r = records_.emplace_back();
    r.DateTime = dateTime;
    r.Attr = static_cast<uint8_t>(attribute & 0x7F);
    r.Data = data;
    r.SdCount = static_cast<int32_t>(sdIndex_.size());
    r.RdCount = static_cast<int32_t>(rdIndex_.size());
    if (attribute & kAttrTrig) trigPos_ = static_cast<int32_t>(index);
    return true;
}

void clsCommon::CharTimeSet(uint16_t word) {
    if (records_.empty()) return;
    HistoryRecord& r = records_.back();
    r.TimIndex = CharTimeRange(word);
    r.TimValue = CharTimeValue(word);
}

void clsCommon::IsCounterInf(int32_t& aTrCount, int32_t& aSdCount, int32_t& aRdCount) const {
    aTrCount = RecordCount();
    aSdCount = static_cast<int32_t>(sdIndex_.size());
    aRdCount = static_cast<int32_t>(rdIndex_.size());
}

bool clsCommon::GetDataAtInf(int32_t aRecord, int16_t& aData, int16_t& aSame, int16_t& aCh,
                             int16_t& aJis7, int16_t& aTrig, int16_t& aParity, int16_t& aOver,
                             int16_t& aFlam) const {
    const HistoryRecord* r = Record(aRecord);
    if (!r) return false;
    aData = r->Data;
    aSame = r->Flag(kAttrSame);
    aCh = r->Flag(kAttrRd);
    aJis7 = r->Flag(kAttrJis7);
    aTrig = r->Flag(kAttrTrig);
    aParity = r->Flag(kAttrParity);
    aOver = r->Flag(kAttrOver);
    aFlam = r->Flag(kAttrFlam);
    return true;
}

bool clsCommon::GetDataTimInf(int32_t aRecord, int16_t& aIndex, int16_t& aValue) const {
    const HistoryRecord* r = Record(aRecord);
    if (!r) return false;
    aIndex = r->TimIndex;
    aValue = static_cast<int16_t>(r->TimValue);
    return true;
}

bool clsCommon::GetDataOtherInf(int32_t aRecord, double& aDateTime, int32_t& aDualCount,
                                int32_t& aSdCount, int32_t& aRdCount) const {
    const HistoryRecord* r = Record(aRecord);
    if (!r) return false;
    aDateTime = r->DateTime;
    aDualCount = aRecord + 1;
    aSdCount = r->SdCount;
    aRdCount = r->RdCount;
    return true;
}

bool clsCommon::GetDirectionTrInf(int16_t aDirection, int32_t aCount, int32_t& aRecord) const {
    const std::vector<int32_t>& index = aDirection == 1 ? sdIndex_ : rdIndex_;
    if (aCount < 0 || aCount > static_cast<int32_t>(index.size())) return false;
    if (aCount > 0) {
        aRecord = index[static_cast<size_t>(aCount - 1)];
        return true;
    }
    // A running count of 0 stands only on records of the other direction
    // before the first one of this direction: the first such is record 0.
    if (records_.empty() || (!index.empty() && index.front() == 0)) return false;
    aRecord = 0;
    return true;
}

bool clsCommon::GetRecNo(const LooseValue& aDirection, const LooseValue& aCount,
                         int32_t& aRecord) const {
    const auto direction = LooseInt16(aDirection, std::numeric_limits<int16_t>::min(),
                                      std::numeric_limits<int16_t>::max());
    const auto count = LooseInt32(aCount, 0, std::numeric_limits<int32_t>::max());
    if (!direction || !count) return false;
    const std::vector<int32_t>& index = *direction == 1 ? sdIndex_ : rdIndex_;
    if (*count < static_cast<int32_t>(index.size())) {
        aRecord = index[static_cast<size_t>(*count)];
        return true;
    }
    // Not found: the search ran to the end of the history.
    aRecord = std::max(*count, RecordCount());
    return false;
}

}  // namespace store
