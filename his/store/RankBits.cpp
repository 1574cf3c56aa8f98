#include "RankBits.h"

#include <algorithm>
#include <bit>
#include <type_traits>

namespace store {

namespace {

// Position of the set bit of word that has k set bits below it.
int BitOfRank(uint64_t word, size_t k) {
    for (; k > 0; --k) word &= word - 1;
    return std::countr_zero(word);
}

}  // namespace

void RankBits::Clear() {
    words_.clear();
    before_.clear();
    oneWord_.clear();
    zeroWord_.clear();
    size_ = ones_ = 0;
}

void RankBits::Reserve(size_t bits) {
    const size_t words = (bits + 63) / 64;
    words_.reserve(words);
    before_.reserve(words);
}

void RankBits::Reserve(size_t bits, const std::shared_ptr<Arena>& arena) {
    const size_t words = std::max((bits + 63) / 64, words_.size());
    decltype(words_) w{ArenaAllocator<uint64_t>(arena)};
    w.reserve(words);
    w.assign(words_.begin(), words_.end());
    words_ = std::move(w);
    decltype(before_) b{ArenaAllocator<uint32_t>(arena)};
    b.reserve(words);
    b.assign(before_.begin(), before_.end());
    before_ = std::move(b);
    const size_t samples = SamplesMost(std::max(bits, size_));
    for (auto* list : {&oneWord_, &zeroWord_}) {
        std::remove_reference_t<decltype(*list)> moved{ArenaAllocator<uint32_t>(arena)};
        moved.reserve(std::max(samples, list->size()));
        moved.assign(list->begin(), list->end());
        *list = std::move(moved);
    }
}

void RankBits::ShrinkToFit() {
    TrimSpare(words_);
    TrimSpare(before_);
    TrimSpare(oneWord_);
    TrimSpare(zeroWord_);
}

void RankBits::NewWord() {
    words_.push_back(0);
    before_.push_back(static_cast<uint32_t>(ones_));
}

void RankBits::SetBack() {
    if (size_ == 0 || Test(size_ - 1)) return;
    // The last bit turns from the last zero into the last one: a sample
    // taken for it moves from one list to the other.
    const size_t zeroNumber = Zeros() - 1;
    if (zeroNumber % kSample == 0) zeroWord_.pop_back();
    if (ones_ % kSample == 0) oneWord_.push_back(static_cast<uint32_t>(words_.size() - 1));
    words_.back() |= uint64_t{1} << ((size_ - 1) & 63);
    ++ones_;
}

void RankBits::AppendBits(uint64_t bits, unsigned count) {
    if (count < 64) bits &= (uint64_t{1} << count) - 1;
    const size_t word = words_.size();
    words_.push_back(bits);
    before_.push_back(static_cast<uint32_t>(ones_));
    const auto ones = static_cast<size_t>(std::popcount(bits));
    Counted(word, ones, count - ones);
}

void RankBits::Counted(size_t word, size_t ones, size_t zeros) {
    // A word holds fewer bits than a sample step, so at most one sample of
    // each kind falls into it.
    const size_t zerosBefore = Zeros();
    if (ones > 0 && (ones_ + kSample - 1) / kSample * kSample < ones_ + ones) {
        oneWord_.push_back(static_cast<uint32_t>(word));
    }
    if (zeros > 0 && (zerosBefore + kSample - 1) / kSample * kSample < zerosBefore + zeros) {
        zeroWord_.push_back(static_cast<uint32_t>(word));
    }
    ones_ += ones;
    size_ += ones + zeros;
}

uint64_t RankBits::BitsAt(size_t at, unsigned count) const {
    const size_t w = at >> 6;
    const auto shift = static_cast<unsigned>(at & 63);
    uint64_t bits = words_[w] >> shift;
    if (shift != 0 && shift + count > 64) bits |= words_[w + 1] << (64 - shift);
    if (count < 64) bits &= (uint64_t{1} << count) - 1;
    return bits;
}

size_t RankBits::PartOnes(const JoinPart& part, size_t n) {
    const RankBits& b = *part.Bits;
    const bool cleared = part.FirstCleared && n > 0 && b.size_ > 0 && b.Test(0);
    return b.Rank(n) - (cleared ? 1 : 0);
}

void RankBits::JoinSize(std::vector<JoinPart>& parts) {
    Clear();
    size_t bits = 0, ones = 0;
    for (JoinPart& part : parts) {
        part.Begin = bits;
        part.OnesBefore = ones;
        bits += part.Bits->size_;
        ones += PartOnes(part, part.Bits->size_);
    }
    size_ = bits;
    ones_ = ones;
    // Every element is written by JoinFill.
    const size_t words = (bits + 63) / 64;
    words_.resize(words);
    before_.resize(words);
    oneWord_.resize((ones + kSample - 1) / kSample);
    zeroWord_.resize((bits - ones + kSample - 1) / kSample);
}

void RankBits::JoinFill(const std::vector<JoinPart>& parts, size_t k) {
    const JoinPart& part = parts[k];
    const size_t end = part.Begin + part.Bits->size_;
    // The words whose first bit lies in this part; the last of them may
    // take bits of the parts after it.
    const size_t stop = (end + 63) / 64;
    size_t w = (part.Begin + 63) / 64;
    if (w >= stop) return;
    size_t ones = part.OnesBefore + PartOnes(part, w * 64 - part.Begin);
    for (; w < stop; ++w) {
        const size_t at = w * 64;
        const auto count = static_cast<unsigned>(std::min<size_t>(64, size_ - at));
        uint64_t bits = 0;
        unsigned got = 0;
        for (size_t p = k; got < count; ++p) {
            const JoinPart& from = parts[p];
            const size_t local = at + got - from.Begin;
            if (local >= from.Bits->size_) continue;  // an empty part, or one used up
            const auto take = static_cast<unsigned>(std::min<size_t>(count - got, from.Bits->size_ - local));
            uint64_t piece = from.Bits->BitsAt(local, take);
            if (from.FirstCleared && local == 0) piece &= ~uint64_t{1};
            bits |= piece << got;
            got += take;
        }
        words_[w] = bits;
        before_[w] = static_cast<uint32_t>(ones);
        // A word holds fewer bits than a sample step, so at most one sample
        // of each kind falls into it.
        const auto wordOnes = static_cast<size_t>(std::popcount(bits));
        const size_t zerosBefore = at - ones;
        const size_t wordZeros = count - wordOnes;
        const size_t oneSample = (ones + kSample - 1) / kSample;
        if (wordOnes > 0 && oneSample * kSample < ones + wordOnes) oneWord_[oneSample] = static_cast<uint32_t>(w);
        const size_t zeroSample = (zerosBefore + kSample - 1) / kSample;
        if (wordZeros > 0 && zeroSample * kSample < zerosBefore + wordZeros) {
            zeroWord_[zeroSample] = static_cast<uint32_t>(w);
        }
        ones += wordOnes;
    }
}

size_t RankBits::Rank(size_t i) const {
    if (i >= size_) return ones_;
    const size_t w = i >> 6;
    const uint64_t below = (uint64_t{1} << (i & 63)) - 1;
    return before_[w] + static_cast<size_t>(std::popcount(words_[w] & below));
}

template <bool kOnes>
int64_t RankBits::Select(size_t k) const {
    if (k >= (kOnes ? ones_ : Zeros())) return kNone;
    const auto& samples = kOnes ? oneWord_ : zeroWord_;
    const size_t s = k / kSample;
    // The word lies between the sample's word and the next sample's word.
    size_t lo = samples[s];
    size_t hi = s + 1 < samples.size() ? samples[s + 1] : words_.size() - 1;
    auto before = [this](size_t w) { return kOnes ? OnesBefore(w) : ZerosBefore(w); };
    // The last word whose count before it is at most k.
    while (lo < hi) {
        const size_t mid = lo + (hi - lo + 1) / 2;
        if (before(mid) <= k) {
            lo = mid;
        } else {
            hi = mid - 1;
        }
    }
    const uint64_t word = kOnes ? words_[lo] : ~words_[lo];
    return static_cast<int64_t>(lo * 64 + static_cast<size_t>(BitOfRank(word, k - before(lo))));
}

template <bool kOnes>
int64_t RankBits::Next(size_t from) const {
    if (from >= size_) return kNone;
    constexpr size_t kWordsLooked = 4;
    size_t w = from >> 6;
    uint64_t word = (kOnes ? words_[w] : ~words_[w]) & (~uint64_t{0} << (from & 63));
    for (size_t looked = 0; looked < kWordsLooked; ++looked) {
        if (word != 0) {
            const size_t at = w * 64 + static_cast<size_t>(std::countr_zero(word));
            return at < size_ ? static_cast<int64_t>(at) : kNone;
        }
        if (++w >= words_.size()) return kNone;
        word = kOnes ? words_[w] : ~words_[w];
    }
    // A long stretch of the other bit: count instead of looking.
    const size_t onesBefore = Rank(from);
    return kOnes ? SelectOne(onesBefore) : SelectZero(from - onesBefore);
}

int64_t RankBits::SelectOne(size_t k) const { return Select<true>(k); }
int64_t RankBits::NextOne(size_t from) const { return Next<true>(from); }
int64_t RankBits::NextZero(size_t from) const { return Next<false>(from); }
int64_t RankBits::SelectZero(size_t k) const { return Select<false>(k); }

size_t RankBits::HeapBytes() const {
    return words_.capacity() * sizeof(uint64_t) +
           (before_.capacity() + oneWord_.capacity() + zeroWord_.capacity()) * sizeof(uint32_t);
}

}  // namespace store
