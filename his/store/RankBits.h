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
        return Arena::Room<uint64_t>(words) + Arena::Room<uint32_t>(words);
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
    // end on a whole word; after fewer than 64 bits only PushBack or Append
    // may follow.
    void AppendBits(uint64_t bits, unsigned count);
    // Appends every bit of other, wherever this sequence ends; with
    // firstCleared, other's first bit comes as a zero.
    void Append(const RankBits& other, bool firstCleared = false);

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

    void NewWord();
    // Appends count bits (1 to 64) after a sequence that may end in the
    // middle of a word.
    void AppendAnywhere(uint64_t bits, unsigned count);
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
    std::vector<uint32_t> oneWord_;   // word of one number 0, kSample, 2 kSample, ...
    std::vector<uint32_t> zeroWord_;  // the same for the zeros
    size_t size_ = 0;
    size_t ones_ = 0;
};

}  // namespace store
