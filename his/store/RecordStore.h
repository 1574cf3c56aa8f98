// The records of a loaded history, held compactly: per record its
// attribute flags, its data byte (in the SD or RD byte string), a bit of
// direction and a bit that marks a change of time stamp; time stamps once
// per run of equal stamps, character times only for the records that carry
// one. Running counts and the record of the n-th character of a direction
// come from counting bit sequences, so every query is O(1) or close to it.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Arena.h"
#include "HistoryRecord.h"
#include "Ky2Format.h"
#include "RankBits.h"

namespace store {

class RecordStore {
public:
    int32_t Count() const { return static_cast<int32_t>(attr_.size()); }
    int32_t SdTotal() const { return static_cast<int32_t>(sdBytes_.size()); }
    int32_t RdTotal() const { return static_cast<int32_t>(rdBytes_.size()); }

    // Appends a record; false when the history cannot take more.
    bool Add(double stamp, uint8_t attribute, uint8_t data);
    // Gives the last record a character time; nothing without a record.
    void CharTimeSet(uint16_t word);
    void Clear();
    // Room for about that many more records, shaped like those held so far.
    void Reserve(size_t records);
    // Gives back what a reservation left unused.
    void ShrinkToFit();

    // --- single fields; i must lie in 0..Count()-1 ------------------------
    uint8_t Attr(int32_t i) const { return attr_[static_cast<size_t>(i)]; }
    // The flags of all records, Count() bytes in record order.
    const uint8_t* AttrData() const { return attr_.data(); }
    bool IsRd(int32_t i) const { return (Attr(i) & kAttrRd) != 0; }
    int32_t RdCount(int32_t i) const { return static_cast<int32_t>(rd_.Rank(static_cast<size_t>(i) + 1)); }
    int32_t SdCount(int32_t i) const { return i + 1 - RdCount(i); }
    uint8_t Data(int32_t i) const;
    double Stamp(int32_t i) const;
    // The range code (kCharTimeNone when the record has no time) and value.
    void CharTime(int32_t i, int16_t& index, uint16_t& value) const;
    HistoryRecord Get(int32_t i) const;

    // The record of character n (from 1) of SD or RD; -1 when there are
    // fewer.
    int32_t SdRecord(int32_t n) const { return Nth(false, n); }
    int32_t RdRecord(int32_t n) const { return Nth(true, n); }
    // The first record of that direction after record i; -1 when none.
    int32_t NextOfDirection(bool rd, int32_t i) const {
        const auto from = static_cast<size_t>(i) + 1;
        return static_cast<int32_t>(rd ? rd_.NextOne(from) : rd_.NextZero(from));
    }

    std::string_view SdBytes() const { return sdBytes_; }
    std::string_view RdBytes() const { return rdBytes_; }

    // A record that stays at its address as long as the store lives: the
    // records are unpacked a block at a time on demand, for callers that
    // keep pointers. Index as for Get.
    const HistoryRecord* Pinned(int32_t i) const;

    // Heap bytes held, unpacked blocks included.
    size_t HeapBytes() const;
    // Whether the records lie in that arena.
    bool InArena(const Arena& arena) const { return !attr_.empty() && arena.Holds(attr_.data()); }

    // A piece of a history filled on its own, to be joined to the pieces
    // before it: its records, and the character time it owes to the
    // record before its first (Filler::LeadTime).
    struct Piece {
        RecordStore* Records = nullptr;
        int32_t LeadTime = -1;
    };
    // Fills this store, emptied first and filled by no Filler, with the
    // pieces in order, as if all their records had been added here one by
    // one. Room for all of them is taken at once, in one arena; the pieces
    // are copied side by side on the worker pool and emptied. The only
    // piece with records is moved here instead, arena and all. False, with
    // the store untouched, when the history cannot take that many records.
    bool Join(const std::vector<Piece>& pieces);

    // Fills an emptied store record by record at the pace of a file read:
    // the last few dozen records are gathered in small arrays and words of
    // their own and stored 64 at a time. The store is whole again once the filler is flushed or gone;
    // until then only the filler and Reserve may touch it.
    class Filler {
    public:
        explicit Filler(RecordStore& store) : store_(store) { store_.Clear(); }
        ~Filler();
        Filler(const Filler&) = delete;
        Filler& operator=(const Filler&) = delete;

        int32_t Count() const { return static_cast<int32_t>(count_); }
        // As RecordStore::Reserve, with the records gathered here counted
        // as held.
        void Reserve(size_t records) { store_.Reserve(records, {fill_, sdFill_, rdFill_, timesFill_}, false, nullptr); }
        // The same in an arena (see Arena): cheap to fill, and room never
        // written costs no memory. Pieces filled side by side may share
        // one; without one given, the store takes an arena of its own.
        void ReserveInArena(size_t records, const std::shared_ptr<Arena>& arena = nullptr) {
            store_.Reserve(records, {fill_, sdFill_, rdFill_, timesFill_}, true, arena);
        }
        // As RecordStore::Add and CharTimeSet.
        bool Add(double stamp, uint8_t attribute, uint8_t data) {
            if (count_ >= kMaxRecords) return false;
            if (fill_ == 64) Spill();
            UnitGather(attribute, data, fill_, sdFill_, rdFill_, rdWord_);
            const uint64_t bit = uint64_t{1} << fill_;
            if (count_ == 0 || !SameStamp(stamp, lastStamp_)) {
                store_.stamps_.push_back(stamp);
                lastStamp_ = stamp;
                runWord_ |= bit;
            }
            ++fill_;
            ++count_;
            return true;
        }
        void CharTimeSet(uint16_t word) {
            TimeGather(PackTime(CharTimeRange(word), CharTimeValue(word)), count_, fill_, timeWord_, timesFill_);
        }
        // The units and character times of one item stream, all with one
        // stamp, up to the item that ends it or the end of the bytes (an
        // odd byte at the end is no item). trigPos becomes the index of
        // each record flagged Trig. False when the history cannot take
        // more; the records before stay. rest, when given, becomes where
        // the items stopped: at the item that ended them, at a last odd
        // byte, or at end.
        bool AddStream(double stamp, const uint8_t* at, const uint8_t* end, int32_t& trigPos,
                       const uint8_t** rest = nullptr);
        // Stores the gathered records: the store is whole again, and the
        // filling is over (no Add may follow).
        void Flush();
        // The last character time that came before the first record, in
        // the store's packed form; -1 when none did. A store filled from
        // the middle of a history owes it to the record before its first.
        int32_t LeadTime() const { return leadTime_; }

    private:
        void Spill();
        // A unit's flags, byte and direction into the small arrays at the
        // counts as they stand (AddStream keeps them in locals).
        void UnitGather(uint8_t attribute, uint8_t data, unsigned fill, unsigned& sdFill, unsigned& rdFill,
                        uint64_t& rdWord) {
            const bool rd = (attribute & kAttrRd) != 0;
            attr_[fill] = static_cast<uint8_t>(attribute & 0x7F);
            // Both sides are written; only the record's own side counts.
            sd_[sdFill] = static_cast<char>(data);
            rd_[rdFill] = static_cast<char>(data);
            sdFill += rd ? 0U : 1U;
            rdFill += rd ? 1U : 0U;
            rdWord |= static_cast<uint64_t>(rd) << fill;
        }
        // A packed character time for the last record gathered, given the
        // counts as they stand (AddStream keeps them in locals); before any
        // record it is the lead time.
        void TimeGather(uint16_t packed, size_t count, unsigned fill, uint64_t& timeWord, unsigned& timesFill) {
            if (count == 0) {
                leadTime_ = packed;
                return;
            }
            const uint64_t bit = uint64_t{1} << (fill - 1);  // the last record is never spilled
            if ((timeWord & bit) != 0) {
                times_[timesFill - 1] = packed;  // a second word for one record replaces the first
            } else {
                timeWord |= bit;
                times_[timesFill++] = packed;
            }
        }

        RecordStore& store_;
        size_t count_ = 0;
        unsigned fill_ = 0;  // records gathered below
        unsigned sdFill_ = 0, rdFill_ = 0, timesFill_ = 0;
        bool broken_ = false;  // a spill stopped half way: the store's parts disagree
        int32_t leadTime_ = -1;
        uint64_t rdWord_ = 0, runWord_ = 0, timeWord_ = 0;
        double lastStamp_ = 0;
        uint8_t attr_[64];
        char sd_[64], rd_[64];
        uint16_t times_[64];
    };

    // Walks records in order, keeping the running positions so that each
    // step costs a few array reads.
    class Cursor {
    public:
        Cursor(const RecordStore& store, int32_t first);
        bool AtEnd() const { return index_ >= store_.Count(); }
        int32_t Index() const { return index_; }
        const HistoryRecord& Record() const { return record_; }
        // Numbers the runs of equal time stamps: the same value for every
        // record of one run.
        size_t StampRun() const { return run_; }
        void Next();

    private:
        void Load();

        const RecordStore& store_;
        int32_t index_;
        size_t sdBefore_ = 0, rdBefore_ = 0;  // characters before index_
        size_t run_ = 0;
        size_t timeNext_ = 0;  // character time of the next record that has one
        HistoryRecord record_;
    };

private:
    // Records a filler holds that the store does not yet.
    struct Gathered {
        size_t Records = 0, Sd = 0, Rd = 0, Times = 0;
    };
    // In an arena (arena, or one of its own when null) or on the heap.
    void Reserve(size_t records, const Gathered& gathered, bool inArena, const std::shared_ptr<Arena>& arena);
    // The sizes of every part of a store.
    struct Sizes {
        size_t Records = 0, Sd = 0, Rd = 0, Stamps = 0, Times = 0;
    };
    // Room for that many of each in arena (a new one of the right size
    // when null), the records held moved there; false, with nothing
    // changed, when the system gives no arena.
    bool ArenaMove(const Sizes& sizes, std::shared_ptr<Arena> arena = nullptr);
    // The same on the heap, its room asked to be backed by huge pages.
    void HeapReserve(const Sizes& sizes);
    void LastTimeSet(uint16_t packed);

    static constexpr int kBlockShift = 10;  // records a pinned block holds: 1024
    static constexpr size_t kMaxRecords = static_cast<size_t>(std::numeric_limits<int32_t>::max());

    static constexpr uint16_t PackTime(int16_t index, uint16_t value) {
        return static_cast<uint16_t>(index << 10 | value);
    }
    // Equal bit for bit: runs must give back exactly the stamp each record
    // was added with, 0.0 and -0.0 included.
    static bool SameStamp(double a, double b) {
        return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
    }

    int32_t Nth(bool rd, int32_t n) const;
    void PinnedUpdate(int32_t i) {
        if (!pinned_.empty()) PinnedRefresh(i);
    }
    void PinnedRefresh(int32_t i);

    template <typename T>
    using Array = std::vector<T, ArenaAllocator<T>>;
    using Bytes = std::basic_string<char, std::char_traits<char>, ArenaAllocator<char>>;

    Array<uint8_t> attr_;  // the unit's flags, without the top bit
    RankBits rd_;          // set for RD records
    Bytes sdBytes_, rdBytes_;
    RankBits stampStart_;     // set where a run of equal stamps begins
    Array<double> stamps_;    // one per run
    RankBits hasTime_;        // set for records that carry a character time
    Array<uint16_t> times_;   // range code << 10 | value, one per set bit

    mutable std::vector<std::unique_ptr<HistoryRecord[]>> pinned_;
};

}  // namespace store
