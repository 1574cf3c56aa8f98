// A growable bit sequence that counts: how many ones stand before a
// position (rank) and where the k-th one or zero stands (select), both
// without walking the bits. Costs about a fifth of a byte a bit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "Arena.h"

namespace store {

// Gives back a container's spare capacity when it is more than a few
// percent: a copy for little gain is not worth making. In an arena the
// spare room stays the container's, but its pages go back to the system
// (a huge page holds written and spare bytes alike); a copy would only
// add.
template <typename Container>
void TrimSpare(Container& c) {
    if constexpr (requires { c.get_allocator().Holds(c.data()); }) {
        if (c.get_allocator().Holds(c.data())) {
            Arena::PagesRelease(c.data() + c.size(), c.data() + c.capacity());
            return;
        }
    }
    if (c.capacity() - c.size() > c.size() / 32 + 256) c.shrink_to_fit();
}

class RankBits {
public:
    static constexpr int64_t kNone = -1;

    void Clear();
    void Reserve(size_t bits);
    // Room for bits in arena; the bits held move there.
    void Reserve(size_t bits, const std::shared_ptr<Arena>& arena);
    // What that takes of an arena.
    static size_t ArenaBytes(size_t bits) {
        const size_t words = (bits + 63) / 64;
        return Arena::Room<uint64_t>(words) + Arena::Room<uint32_t>(words) +
               2 * Arena::Room<uint32_t>(SamplesMost(bits));
    }
    void ShrinkToFit();

    void PushBack(bool bit) {
        if ((size_ & 63) == 0) NewWord();
        if (bit) {
            if (ones_ % kSample == 0) oneWord_.push_back(static_cast<uint32_t>(words_.size() - 1));
            words_.back() |= uint64_t{1} << (size_ & 63);
            ++ones_;
        } else if (Zeros() % kSample == 0) {
            zeroWord_.push_back(static_cast<uint32_t>(words_.size() - 1));
        }
        ++size_;
    }
    // Sets the last bit; nothing when there is none or it is set.
    void SetBack();
    // Appends count bits (1 to 64) at once, bit 0 first. The sequence must
    // end on a whole word; after fewer than 64 bits only PushBack may
    // follow.
    void AppendBits(uint64_t bits, unsigned count);
    // Sequences joined one after another, the work shared out: JoinSize
    // makes this sequence as long as all the parts together, its words not
    // yet written, and JoinFill(parts, k) then writes the words that begin
    // in part k, on any thread, once for every part; the parts must stay as
    // they are until every call is done. A part with FirstCleared has its
    // first bit taken as a zero.
    struct JoinPart {
        const RankBits* Bits = nullptr;
        bool FirstCleared = false;
        size_t Begin = 0;       // its first bit in the joined sequence (set by JoinSize)
        size_t OnesBefore = 0;  // ones of the parts before it (set by JoinSize)
    };
    void JoinSize(std::vector<JoinPart>& parts);
    void JoinFill(const std::vector<JoinPart>& parts, size_t k);

    size_t Size() const { return size_; }
    size_t Ones() const { return ones_; }
    size_t Zeros() const { return size_ - ones_; }
    bool Test(size_t i) const { return (words_[i >> 6] >> (i & 63)) & 1U; }

    // Ones in [0, i); i may be up to Size().
    size_t Rank(size_t i) const;
    // Position of the one (or zero) that has k ones (zeros) before it;
    // kNone when there are not that many.
    int64_t SelectOne(size_t k) const;
    int64_t SelectZero(size_t k) const;
    // The first one (zero) at or after position from; kNone when none.
    // Near ones are found by looking at the next few words.
    int64_t NextOne(size_t from) const;
    int64_t NextZero(size_t from) const;

    size_t HeapBytes() const;

private:
    // Every kSample-th one and zero remembers its word, which narrows the
    // search for the word of any other.
    static constexpr size_t kSample = 256;
    // The most samples of one kind that many bits can have.
    static constexpr size_t SamplesMost(size_t bits) { return bits / kSample + 1; }

    void NewWord();
    // count bits (1 to 64) from bit at on, bit 0 first; at + count at most Size().
    uint64_t BitsAt(size_t at, unsigned count) const;
    // Ones among a part's first n bits.
    static size_t PartOnes(const JoinPart& part, size_t n);
    // Counts n new ones and zeros into the totals and the samples, all of
    // them in word.
    void Counted(size_t word, size_t ones, size_t zeros);
    template <bool kOnes>
    int64_t Select(size_t k) const;
    template <bool kOnes>
    int64_t Next(size_t from) const;
    size_t OnesBefore(size_t word) const { return before_[word]; }
    size_t ZerosBefore(size_t word) const { return word * 64 - before_[word]; }

    std::vector<uint64_t, ArenaAllocator<uint64_t>> words_;
    std::vector<uint32_t, ArenaAllocator<uint32_t>> before_;  // ones before each word
    // In the arena too, once there is one, beside the bits they index.
    std::vector<uint32_t, ArenaAllocator<uint32_t>> oneWord_;   // word of one number 0, kSample, 2 kSample, ...
    std::vector<uint32_t, ArenaAllocator<uint32_t>> zeroWord_;  // the same for the zeros
    size_t size_ = 0;
    size_t ones_ = 0;
};

}  // namespace store
