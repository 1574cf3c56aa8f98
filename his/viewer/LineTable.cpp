#include "LineTable.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace viewer {

void LineTable::Clear() {
    starts_.Clear();
    sdFirst_.Clear();
}

namespace {

// Gathers bits a few at a time and stores them a word at a time.
class WordSink {
public:
    explicit WordSink(store::RankBits& bits) : bits_(bits) {}

    // The low count bits of word (1 to 64), bit 0 first.
    void Put(uint64_t word, unsigned count) {
        if (count < 64) word &= (uint64_t{1} << count) - 1;
        word_ |= word << fill_;
        const unsigned total = fill_ + count;
        if (total < 64) {
            fill_ = total;
            return;
        }
        bits_.AppendBits(word_, 64);
        fill_ = total - 64;
        word_ = fill_ > 0 ? word >> (count - fill_) : 0;
    }
    void Finish() {
        if (fill_ > 0) bits_.AppendBits(word_, fill_);
    }

private:
    store::RankBits& bits_;
    uint64_t word_ = 0;
    unsigned fill_ = 0;  // bits held in word_, always below 64
};

static_assert(store::kAttrSame == 1 << 0 && store::kAttrRd == 1 << 1);
static_assert(std::endian::native == std::endian::little);

// Bit number bit of each of 8 flag bytes, the first byte's in bit 0.
uint64_t FlagBits(const uint8_t* bytes, unsigned bit) {
    uint64_t x = 0;
    std::memcpy(&x, bytes, sizeof x);
    return (((x >> bit) & 0x0101010101010101U) * 0x0102040810204080U) >> 56;
}

}  // namespace

void LineTable::Build(const store::clsCommon& doc) {
    Clear();
    const store::RecordStore& records = doc.Records();
    const int32_t count = records.Count();
    starts_.Reserve(static_cast<size_t>(count));
    sdFirst_.Reserve(static_cast<size_t>(count));
    WordSink starts(starts_);
    WordSink sdFirst(sdFirst_);
    // The record is the pair partner of the SD record before it. A Same
    // flag on the last record pairs with nothing: the walk ends there.
    bool partner = false;
    // 64 records at a time, as bit words: the pairs are few, so the walk
    // goes from pair to pair rather than from record to record.
    for (int32_t first = 0; first < count; first += 64) {
        const auto n = static_cast<unsigned>(std::min(64, count - first));
        const uint8_t* attrs = records.AttrData() + first;
        uint64_t rd = 0, same = 0;
        if (n == 64) {
            for (unsigned k = 0; k < 8; ++k) {
                rd |= FlagBits(attrs + 8 * k, 1) << (8 * k);
                same |= FlagBits(attrs + 8 * k, 0) << (8 * k);
            }
        } else {
            for (unsigned i = 0; i < n; ++i) {
                rd |= static_cast<uint64_t>((attrs[i] & store::kAttrRd) != 0) << i;
                same |= static_cast<uint64_t>((attrs[i] & store::kAttrSame) != 0) << i;
            }
        }
        // The block's pair partners, in order: an SD record flagged Same
        // takes the next record unless it is a partner itself.
        uint64_t partners = partner ? 1U : 0U;
        partner = false;
        for (uint64_t pairing = same & ~rd; pairing != 0; pairing &= pairing - 1) {
            const int i = std::countr_zero(pairing);
            if (((partners >> i) & 1U) != 0) continue;
            if (i == 63) {
                partner = true;
            } else {
                partners |= uint64_t{1} << (i + 1);
            }
        }
        if (n < 64) partners &= (uint64_t{1} << n) - 1;
        starts.Put(~partners, n);
        // A position's first record is never a partner: the partners'
        // bits leave the direction word, from the highest down.
        uint64_t sd = ~rd;
        unsigned positions = n;
        for (uint64_t left = partners; left != 0; --positions) {
            const int i = 63 - std::countl_zero(left);
            left &= ~(uint64_t{1} << i);
            const uint64_t below = (uint64_t{1} << i) - 1;
            sd = (sd & below) | ((sd >> 1) & ~below);
        }
        if (positions > 0) sdFirst.Put(sd, positions);
    }
    starts.Finish();
    sdFirst.Finish();
    starts_.ShrinkToFit();
    sdFirst_.ShrinkToFit();
}

LineEntry LineTable::At(int32_t position) const {
    if (position < 0 || position >= Count()) return {};
    const auto first = static_cast<int32_t>(starts_.SelectOne(static_cast<size_t>(position)));
    if (!sdFirst_.Test(static_cast<size_t>(position))) return {-1, first};
    const auto next = static_cast<size_t>(first) + 1;
    const bool paired = next < starts_.Size() && !starts_.Test(next);
    return {first, paired ? first + 1 : -1};
}

int32_t LineTable::RecordToLine(int32_t record) const {
    if (record < 0 || static_cast<size_t>(record) >= starts_.Size()) return 0;
    return static_cast<int32_t>(starts_.Rank(static_cast<size_t>(record) + 1)) - 1;
}

int32_t LineTable::LineToRecord(int32_t position, int16_t kind) const {
    if (position < 0 || position >= Count()) return -1;
    const LineEntry e = At(position);
    if (kind == kKindSd) return e.Sd;
    if (kind == kKindRd) return e.Rd;
    return e.Sd != -1 ? e.Sd : e.Rd;
}

}  // namespace viewer
