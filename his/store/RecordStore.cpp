#include "RecordStore.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>

#include "Ky2Format.h"
#include "WorkerPool.h"

namespace store {

bool RecordStore::Add(double stamp, uint8_t attribute, uint8_t data) {
    const size_t index = attr_.size();
    if (index >= kMaxRecords) return false;
    const bool rd = (attribute & kAttrRd) != 0;
    attr_.push_back(static_cast<uint8_t>(attribute & 0x7F));
    rd_.PushBack(rd);
    (rd ? rdBytes_ : sdBytes_).push_back(static_cast<char>(data));
    const bool newRun = stamps_.empty() || !SameStamp(stamp, stamps_.back());
    stampStart_.PushBack(newRun);
    if (newRun) stamps_.push_back(stamp);
    hasTime_.PushBack(false);
    PinnedUpdate(static_cast<int32_t>(index));
    return true;
}

void RecordStore::CharTimeSet(uint16_t word) {
    if (attr_.empty()) return;
    LastTimeSet(PackTime(CharTimeRange(word), CharTimeValue(word)));
}

void RecordStore::LastTimeSet(uint16_t packed) {
    if (hasTime_.Test(hasTime_.Size() - 1)) {
        times_.back() = packed;  // a second word for one record replaces the first
    } else {
        hasTime_.SetBack();
        times_.push_back(packed);
    }
    PinnedUpdate(Count() - 1);
}

RecordStore::Filler::~Filler() {
    try {
        Flush();
    } catch (...) {
        // Out of memory for the last records: an empty store rather than
        // one whose parts disagree.
        broken_ = true;
    }
    if (broken_) store_.Clear();
}

void RecordStore::Filler::Spill() {
    broken_ = true;
    store_.attr_.insert(store_.attr_.end(), attr_, attr_ + fill_);
    store_.sdBytes_.append(sd_, sdFill_);
    store_.rdBytes_.append(rd_, rdFill_);
    store_.times_.insert(store_.times_.end(), times_, times_ + timesFill_);
    store_.rd_.AppendBits(rdWord_, fill_);
    store_.stampStart_.AppendBits(runWord_, fill_);
    store_.hasTime_.AppendBits(timeWord_, fill_);
    rdWord_ = runWord_ = timeWord_ = 0;
    fill_ = sdFill_ = rdFill_ = timesFill_ = 0;
    broken_ = false;
}

// As Add and CharTimeSet item by item, with the filler's counts and words
// held in locals for the length of the stream: the byte arrays written here
// could otherwise stand for any of them, and each would be read back from
// memory after every write.
bool RecordStore::Filler::AddStream(double stamp, const uint8_t* at, const uint8_t* end,
                                    int32_t& trigPos, const uint8_t** rest) {
    size_t count = count_;
    unsigned fill = fill_, sdFill = sdFill_, rdFill = rdFill_, timesFill = timesFill_;
    uint64_t rdWord = rdWord_, runWord = runWord_, timeWord = timeWord_;
    bool newRun = count == 0 || !SameStamp(stamp, lastStamp_);
    bool ok = true;
    auto save = [&] {
        count_ = count;
        fill_ = fill;
        sdFill_ = sdFill;
        rdFill_ = rdFill;
        timesFill_ = timesFill;
        rdWord_ = rdWord;
        runWord_ = runWord;
        timeWord_ = timeWord;
    };
    for (; end - at >= 2; at += 2) {
        const uint8_t first = at[0];
        const uint8_t second = at[1];
        if ((first & 0x80) != 0) {
            if (count >= kMaxRecords) {
                ok = false;
                break;
            }
            if (fill == 64) {
                save();
                Spill();
                fill = sdFill = rdFill = timesFill = 0;
                rdWord = runWord = timeWord = 0;
            }
            UnitGather(first, second, fill, sdFill, rdFill, rdWord);
            if (newRun) {
                save();
                store_.stamps_.push_back(stamp);
                lastStamp_ = stamp;
                runWord |= uint64_t{1} << fill;
                newRun = false;
            }
            ++fill;
            ++count;
            if ((first & kAttrTrig) != 0) trigPos = static_cast<int32_t>(count - 1);
        } else if ((first & 0x40) != 0) {
            // The word's range code and value sit where the packed form
            // keeps them; only a code above "too long" needs changing.
            auto packed = static_cast<uint16_t>((first << 8 | second) & 0x1FFF);
            if (packed >= PackTime(kCharTimeTooLong + 1, 0)) packed = PackTime(kCharTimeTooLong, packed & 0x03FF);
            TimeGather(packed, count, fill, timeWord, timesFill);
        } else {
            break;
        }
    }
    save();
    if (rest != nullptr) *rest = at;
    return ok;
}

void RecordStore::Filler::Flush() {
    if (fill_ > 0 && !broken_) Spill();
}

void RecordStore::Clear() {
    attr_.clear();
    rd_.Clear();
    sdBytes_.clear();
    rdBytes_.clear();
    stampStart_.Clear();
    stamps_.clear();
    hasTime_.Clear();
    times_.clear();
    pinned_.clear();
}

namespace {

// Asks the system for huge pages where a container's spare room spans
// them, so that filling it costs a fault every two megabytes rather than
// every four kilobytes. The pages still come only as they are written: a
// reservation that proves too large costs address space, not memory. Only
// a hint: a system that cannot follow it fills the room as well, more
// slowly.
template <typename Container>
void PagesPrepare(Container& c) {
    static const auto kPage = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto from = reinterpret_cast<uintptr_t>(c.data() + c.size());
    const auto to = reinterpret_cast<uintptr_t>(c.data() + c.capacity());
    const uintptr_t first = (from + kPage - 1) & ~(kPage - 1);
    const uintptr_t last = to & ~(kPage - 1);
    if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

// The container anew with the allocator given, holding what it held.
template <typename Container, typename Allocator>
void MoveTo(Container& c, const Allocator& allocator, size_t room) {
    Container fresh(allocator);
    fresh.reserve(std::max(room, c.size()));
    fresh.assign(c.begin(), c.end());
    c = std::move(fresh);
}

}  // namespace

bool RecordStore::ArenaMove(const Sizes& sizes, std::shared_ptr<Arena> arena) {
    if (!arena) {
        const size_t bytes = Arena::Room<uint8_t>(sizes.Records) + Arena::Room<char>(sizes.Sd + 1) +
                             Arena::Room<char>(sizes.Rd + 1) + Arena::Room<double>(sizes.Stamps) +
                             Arena::Room<uint16_t>(sizes.Times) + 3 * RankBits::ArenaBytes(sizes.Records);
        arena = Arena::Make(bytes);
    }
    if (!arena) return false;
    MoveTo(attr_, ArenaAllocator<uint8_t>(arena), sizes.Records);
    MoveTo(sdBytes_, ArenaAllocator<char>(arena), sizes.Sd);
    MoveTo(rdBytes_, ArenaAllocator<char>(arena), sizes.Rd);
    MoveTo(stamps_, ArenaAllocator<double>(arena), sizes.Stamps);
    MoveTo(times_, ArenaAllocator<uint16_t>(arena), sizes.Times);
    rd_.Reserve(sizes.Records, arena);
    stampStart_.Reserve(sizes.Records, arena);
    hasTime_.Reserve(sizes.Records, arena);
    return true;
}

bool RecordStore::Join(const std::vector<Piece>& pieces) {
    // A character time a piece owes goes to the last record of the pieces
    // before it, as if it had been read with them.
    RecordStore* before = nullptr;
    size_t holding = 0;  // pieces with records
    for (const Piece& p : pieces) {
        if (p.LeadTime >= 0 && before != nullptr) before->LastTimeSet(static_cast<uint16_t>(p.LeadTime));
        if (!p.Records->attr_.empty()) {
            before = p.Records;
            ++holding;
        }
    }
    if (holding == 1) {
        // The one piece with records becomes the store as it stands: no
        // copy, and no second store beside it while it is made. Its spare
        // room goes back.
        *this = std::move(*before);
        *before = RecordStore();
        ShrinkToFit();
        return true;
    }
    // Where each piece goes. A piece that goes on with the stamp the
    // pieces before it end with goes on with their run.
    struct Place {
        size_t Record, Sd, Rd, Stamp, Time;
        bool SameRun;
    };
    std::vector<Place> at(pieces.size());
    Sizes total;
    const RecordStore* last = nullptr;
    for (size_t k = 0; k < pieces.size(); ++k) {
        const RecordStore& r = *pieces[k].Records;
        at[k] = {total.Records, total.Sd, total.Rd, total.Stamps, total.Times, false};
        if (r.attr_.empty()) continue;
        at[k].SameRun = last != nullptr && SameStamp(r.stamps_.front(), last->stamps_.back());
        total.Records += r.attr_.size();
        total.Sd += r.sdBytes_.size();
        total.Rd += r.rdBytes_.size();
        total.Stamps += r.stamps_.size() - (at[k].SameRun ? 1 : 0);
        total.Times += r.times_.size();
        last = &r;
    }
    if (total.Records > kMaxRecords) return false;

    Clear();
    if (!ArenaMove(total)) HeapReserve(total);
    // Sized without being written: the pieces' copies fill every byte.
    attr_.resize(total.Records);
    sdBytes_.resize(total.Sd);
    rdBytes_.resize(total.Rd);
    stamps_.resize(total.Stamps);
    times_.resize(total.Times);
    // A piece that goes on with the run before it starts no run.
    std::vector<RankBits::JoinPart> rd, runs, times;
    for (size_t k = 0; k < pieces.size(); ++k) {
        const RecordStore& r = *pieces[k].Records;
        rd.push_back({&r.rd_});
        runs.push_back({&r.stampStart_, at[k].SameRun});
        times.push_back({&r.hasTime_});
    }
    rd_.JoinSize(rd);
    stampStart_.JoinSize(runs);
    hasTime_.JoinSize(times);
    WorkerPool::Shared().Run(pieces.size(), [&](size_t k) {
        const RecordStore& r = *pieces[k].Records;
        auto copy = [](auto* to, const auto* from, size_t n) {
            if (n > 0) std::memcpy(to, from, n * sizeof(*from));
        };
        const size_t skip = at[k].SameRun ? 1 : 0;
        copy(attr_.data() + at[k].Record, r.attr_.data(), r.attr_.size());
        copy(sdBytes_.data() + at[k].Sd, r.sdBytes_.data(), r.sdBytes_.size());
        copy(rdBytes_.data() + at[k].Rd, r.rdBytes_.data(), r.rdBytes_.size());
        if (r.stamps_.size() > skip) copy(stamps_.data() + at[k].Stamp, r.stamps_.data() + skip, r.stamps_.size() - skip);
        copy(times_.data() + at[k].Time, r.times_.data(), r.times_.size());
        rd_.JoinFill(rd, k);
        stampStart_.JoinFill(runs, k);
        hasTime_.JoinFill(times, k);
    });
    // Only now: a piece's last words may have taken bits of the pieces
    // after it.
    WorkerPool::Shared().Run(pieces.size(), [&](size_t k) { *pieces[k].Records = RecordStore(); });
    return true;
}

void RecordStore::Reserve(size_t records) { Reserve(records, Gathered{}, false, nullptr); }

void RecordStore::Reserve(size_t records, const Gathered& gathered, bool inArena,
                          const std::shared_ptr<Arena>& arena) {
    const size_t held = attr_.size() + gathered.Records;
    const size_t total = std::min(held + records, kMaxRecords);
    // Shares of the records seen so far; without any, what a capture with
    // character times in both directions looks like.
    auto share = [held, records](size_t part, double guess) {
        const double f = held > 0 ? static_cast<double>(part) / static_cast<double>(held) : guess;
        return part + static_cast<size_t>(f * static_cast<double>(records) * 1.02) + 64;
    };
    const Sizes sizes{total, share(sdBytes_.size() + gathered.Sd, 0.5), share(rdBytes_.size() + gathered.Rd, 0.5),
                      share(stamps_.size(), 0.2), share(times_.size() + gathered.Times, 1.0)};
    if (inArena && ArenaMove(sizes, arena)) return;
    HeapReserve(sizes);
}

void RecordStore::HeapReserve(const Sizes& sizes) {
    attr_.reserve(sizes.Records);
    rd_.Reserve(sizes.Records);
    stampStart_.Reserve(sizes.Records);
    hasTime_.Reserve(sizes.Records);
    sdBytes_.reserve(sizes.Sd);
    rdBytes_.reserve(sizes.Rd);
    stamps_.reserve(sizes.Stamps);
    times_.reserve(sizes.Times);
    PagesPrepare(attr_);
    PagesPrepare(sdBytes_);
    PagesPrepare(rdBytes_);
    PagesPrepare(stamps_);
    PagesPrepare(times_);
}

void RecordStore::ShrinkToFit() {
    TrimSpare(attr_);
    rd_.ShrinkToFit();
    TrimSpare(sdBytes_);
    TrimSpare(rdBytes_);
    stampStart_.ShrinkToFit();
    TrimSpare(stamps_);
    hasTime_.ShrinkToFit();
    TrimSpare(times_);
}

uint8_t RecordStore::Data(int32_t i) const {
    const int32_t rdCount = RdCount(i);
    if (IsRd(i)) return static_cast<uint8_t>(rdBytes_[static_cast<size_t>(rdCount - 1)]);
    return static_cast<uint8_t>(sdBytes_[static_cast<size_t>(i - rdCount)]);
}

double RecordStore::Stamp(int32_t i) const {
    return stamps_[stampStart_.Rank(static_cast<size_t>(i) + 1) - 1];
}

void RecordStore::CharTime(int32_t i, int16_t& index, uint16_t& value) const {
    const auto at = static_cast<size_t>(i);
    if (!hasTime_.Test(at)) {
        index = kCharTimeNone;
        value = 0;
        return;
    }
    const uint16_t packed = times_[hasTime_.Rank(at)];
    index = static_cast<int16_t>(packed >> 10);
    value = packed & 0x03FF;
}

HistoryRecord RecordStore::Get(int32_t i) const {
    HistoryRecord r;
    r.RdCount = RdCount(i);
    r.SdCount = i + 1 - r.RdCount;
    r.Attr = Attr(i);
    r.Data = static_cast<uint8_t>((r.Attr & kAttrRd) != 0 ? rdBytes_[static_cast<size_t>(r.RdCount - 1)]
                                                          : sdBytes_[static_cast<size_t>(r.SdCount - 1)]);
    r.DateTime = Stamp(i);
    CharTime(i, r.TimIndex, r.TimValue);
    return r;
}

int32_t RecordStore::Nth(bool rd, int32_t n) const {
    if (n < 1) return -1;
    const auto k = static_cast<size_t>(n - 1);
    return static_cast<int32_t>(rd ? rd_.SelectOne(k) : rd_.SelectZero(k));
}

const HistoryRecord* RecordStore::Pinned(int32_t i) const {
    const auto block = static_cast<size_t>(i) >> kBlockShift;
    if (pinned_.size() <= block) pinned_.resize(block + 1);
    std::unique_ptr<HistoryRecord[]>& records = pinned_[block];
    if (!records) {
        const size_t first = block << kBlockShift;
        records = std::make_unique<HistoryRecord[]>(size_t{1} << kBlockShift);
        for (Cursor c(*this, static_cast<int32_t>(first));
             !c.AtEnd() && static_cast<size_t>(c.Index()) < first + (size_t{1} << kBlockShift); c.Next()) {
            records[static_cast<size_t>(c.Index()) - first] = c.Record();
        }
    }
    return &records[static_cast<size_t>(i) & ((size_t{1} << kBlockShift) - 1)];
}

// A record added or changed after its block was unpacked is written into
// the block, so pointers handed out before stay valid and current.
void RecordStore::PinnedRefresh(int32_t i) {
    const auto block = static_cast<size_t>(i) >> kBlockShift;
    if (block >= pinned_.size() || !pinned_[block]) return;
    pinned_[block][static_cast<size_t>(i) & ((size_t{1} << kBlockShift) - 1)] = Get(i);
}

size_t RecordStore::HeapBytes() const {
    size_t pinnedBytes = pinned_.capacity() * sizeof(pinned_[0]);
    for (const auto& block : pinned_) {
        if (block) pinnedBytes += (size_t{1} << kBlockShift) * sizeof(HistoryRecord);
    }
    return attr_.capacity() + sdBytes_.capacity() + rdBytes_.capacity() +
           stamps_.capacity() * sizeof(double) + times_.capacity() * sizeof(uint16_t) +
           rd_.HeapBytes() + stampStart_.HeapBytes() + hasTime_.HeapBytes() + pinnedBytes;
}

// --- Cursor ------------------------------------------------------------------

RecordStore::Cursor::Cursor(const RecordStore& store, int32_t first)
    : store_(store), index_(std::max(first, 0)) {
    if (AtEnd()) return;
    const auto at = static_cast<size_t>(index_);
    rdBefore_ = store_.rd_.Rank(at);
    sdBefore_ = at - rdBefore_;
    run_ = store_.stampStart_.Rank(at + 1) - 1;
    timeNext_ = store_.hasTime_.Rank(at);
    Load();
}

void RecordStore::Cursor::Load() {
    const auto at = static_cast<size_t>(index_);
    const uint8_t attr = store_.attr_[at];
    record_.Attr = attr;
    if ((attr & kAttrRd) != 0) {
        record_.Data = static_cast<uint8_t>(store_.rdBytes_[rdBefore_]);
        record_.RdCount = static_cast<int32_t>(rdBefore_ + 1);
        record_.SdCount = static_cast<int32_t>(sdBefore_);
    } else {
        record_.Data = static_cast<uint8_t>(store_.sdBytes_[sdBefore_]);
        record_.SdCount = static_cast<int32_t>(sdBefore_ + 1);
        record_.RdCount = static_cast<int32_t>(rdBefore_);
    }
    record_.DateTime = store_.stamps_[run_];
    if (store_.hasTime_.Test(at)) {
        const uint16_t packed = store_.times_[timeNext_];
        record_.TimIndex = static_cast<int16_t>(packed >> 10);
        record_.TimValue = packed & 0x03FF;
    } else {
        record_.TimIndex = kCharTimeNone;
        record_.TimValue = 0;
    }
}

void RecordStore::Cursor::Next() {
    const auto at = static_cast<size_t>(index_);
    if ((record_.Attr & kAttrRd) != 0) {
        ++rdBefore_;
    } else {
        ++sdBefore_;
    }
    if (record_.TimIndex != kCharTimeNone) ++timeNext_;
    ++index_;
    if (AtEnd()) return;
    if (store_.stampStart_.Test(at + 1)) ++run_;
    Load();
}

}  // namespace store
