// The in-memory document of one loaded history: the KY2 header as checked
// properties and one HistoryRecord per captured character, read only
// through queries by record index.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "HistoryRecord.h"
#include "Ky2DataRead.h"
#include "LooseValue.h"
#include "Progress.h"
#include "RecordStore.h"

namespace store {

class clsCommon {
public:
    // --- header properties: setters keep a value only when it passes ------
    int16_t DspMode() const { return dspMode_; }
    void DspMode(const LooseValue& v);
    int32_t BaudRate() const { return baudRate_; }
    void BaudRate(const LooseValue& v);
    int16_t DataLength() const { return dataLength_; }
    void DataLength(const LooseValue& v);
    int16_t ErrStop() const { return errStop_; }
    void ErrStop(const LooseValue& v);
    int16_t Direction() const { return direction_; }
    void Direction(const LooseValue& v);
    int16_t Interface() const { return interface_; }
    void Interface(const LooseValue& v);
    int16_t CharTime() const { return charTime_; }
    void CharTime(const LooseValue& v);
    int16_t Led() const { return led_; }
    void Led(const LooseValue& v);
    int16_t MemoryMode() const { return memoryMode_; }
    void MemoryMode(const LooseValue& v);
    int16_t Parity() const { return parity_; }
    void Parity(const LooseValue& v);
    int16_t TrigStop() const { return trigStop_; }
    void TrigStop(const LooseValue& v);

    // Trigger condition i: 0 the stop trigger, 1 the start trigger. Any
    // other i reads as empty and is not set.
    int16_t TrigLine(int i) const;
    void TrigLine(int i, const LooseValue& v);
    int16_t SdCount(int i) const;
    void SdCount(int i, const LooseValue& v);
    int16_t RdCount(int i) const;
    void RdCount(int i, const LooseValue& v);
    int32_t AfterLength(int i) const;
    void AfterLength(int i, const LooseValue& v);
    std::string SdChar(int i) const;
    void SdChar(int i, const LooseValue& v);
    std::string SdCharAt(int i) const;
    void SdCharAt(int i, const LooseValue& v);
    std::string RdChar(int i) const;
    void RdChar(int i, const LooseValue& v);
    std::string RdCharAt(int i) const;
    void RdCharAt(int i, const LooseValue& v);

    const std::string& PrecedFile() const { return precedFile_; }
    void PrecedFile(const LooseValue& v);
    const std::string& FollowFile() const { return followFile_; }
    void FollowFile(const LooseValue& v);
    double MonitorStart() const { return monitorStart_; }
    void MonitorStart(const LooseValue& v);
    double MonitorStop() const { return monitorStop_; }
    void MonitorStop(const LooseValue& v);
    int16_t TrigStart() const { return trigStart_; }
    void TrigStart(const LooseValue& v);
    int16_t RangeDate() const { return rangeDate_; }
    void RangeDate(const LooseValue& v);
    double RangeStart() const { return rangeStart_; }
    void RangeStart(const LooseValue& v);
    double RangeStop() const { return rangeStop_; }
    void RangeStop(const LooseValue& v);

    // --- loading ----------------------------------------------------------
    // Loads a KY2 file. True when it is one and at least one record was
    // read, also when the user cancelled after that (progress->Cancel()
    // tells). progress may be null. A long file's data lines are read in
    // stretches side by side, cut as split says (see Ky2DataRead).
    bool Read(const std::string& aFileName, ProgressSink* progress = nullptr, const DataReadSplit& split = {});

    // --- queries: an index outside 0..count-1 gives false ------------------
    void IsCounterInf(int32_t& aTrCount, int32_t& aSdCount, int32_t& aRdCount) const;
    bool GetDataAtInf(int32_t aRecord, int16_t& aData, int16_t& aSame, int16_t& aCh,
                      int16_t& aJis7, int16_t& aTrig, int16_t& aParity, int16_t& aOver,
                      int16_t& aFlam) const;
    bool GetDataTimInf(int32_t aRecord, int16_t& aIndex, int16_t& aValue) const;
    bool GetDataOtherInf(int32_t aRecord, double& aDateTime, int32_t& aDualCount,
                         int32_t& aSdCount, int32_t& aRdCount) const;
    // The record whose running count of one direction (1 SD, else RD) is
    // aCount.
    bool GetDirectionTrInf(int16_t aDirection, int32_t aCount, int32_t& aRecord) const;
    // The record of character aCount (from 0) of one direction.
    bool GetRecNo(const LooseValue& aDirection, const LooseValue& aCount, int32_t& aRecord) const;
    std::string_view GetSdCharB() const { return records_.SdBytes(); }
    std::string_view GetRdCharB() const { return records_.RdBytes(); }
    int32_t GetTrigPos() const { return trigPos_; }

    // The whole record by value; nullopt outside 0..count-1.
    std::optional<HistoryRecord> RecordAt(int32_t aRecord) const;
    // The same record at an address that stays valid while the document
    // lives; null outside 0..count-1. Each record asked for this way costs
    // its full size besides the compact store, so loops over a whole
    // history walk Records() with a cursor instead.
    const HistoryRecord* Record(int32_t aRecord) const;
    int32_t RecordCount() const { return records_.Count(); }
    // The compact records themselves, for code that walks or counts them.
    const RecordStore& Records() const { return records_; }

    // Appends one character, as the reader does for each data unit. False
    // when the history cannot take more records.
    bool RecordAdd(double dateTime, uint8_t attribute, uint8_t data);
    // Sets the character time of the last record; nothing without one.
    void CharTimeSet(uint16_t word);
    // Empties records, totals, byte strings and the trigger position.
    void HistoryClear();
    // Room for about that many more records, and giving back what such a
    // reservation left unused: for readers that can estimate the count.
    void RecordsReserve(size_t records) { records_.Reserve(records); }
    void RecordsShrink() { records_.ShrinkToFit(); }

private:
    struct Trigger {
        int16_t line = 0;
        int16_t sdCount = 0;
        int16_t rdCount = 0;
        int32_t afterLength = 0;
        std::string sdChar, sdCharAt, rdChar, rdCharAt;
    };
    Trigger* TriggerAt(int i);
    const Trigger* TriggerAt(int i) const;

    int16_t dspMode_ = 0, dataLength_ = 0, errStop_ = 0, direction_ = 0, interface_ = 0;
    int16_t charTime_ = 0, led_ = 0, memoryMode_ = 0, parity_ = 0, trigStop_ = 0;
    int16_t trigStart_ = 0, rangeDate_ = 0;
    int32_t baudRate_ = 0;
    double monitorStart_ = 0, monitorStop_ = 0, rangeStart_ = 0, rangeStop_ = 0;
    std::string precedFile_, followFile_;
    std::array<Trigger, 2> trig_{};

    RecordStore records_;
    int32_t trigPos_ = -1;
};

}  // namespace store
