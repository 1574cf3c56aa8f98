#include "PatternScan.h"

#include <algorithm>

#include "FindPatternEdit.h"

namespace viewer {

static_assert(kPatternCells <= 64, "the find window's pattern fits the bit state");

PatternScan::PatternScan(std::string_view pattern, std::string_view kinds)
    : pattern_(pattern), kinds_(kinds), stateLength_(std::min(pattern.size(), kStateBits)) {
    auto any = [this](size_t i) { return i < kinds_.size() && kinds_[i] == kKindAny; };
    for (size_t i = 0; i < stateLength_; ++i) {
        const uint64_t bit = uint64_t{1} << i;
        if (any(i)) {
            for (uint64_t& m : masks_) m |= bit;
        } else {
            masks_[static_cast<uint8_t>(pattern_[i])] |= bit;
        }
    }
    for (size_t i = 0; i < stateLength_; ++i) {
        if (!any(i)) {
            anchor_ = i;
            anchorByte_ = pattern_[i];
            hasAnchor_ = true;
            break;
        }
    }
}

bool PatternScan::TailMatchesAt(const char* at) const {
    for (size_t i = stateLength_; i < pattern_.size(); ++i) {
        const bool any = i < kinds_.size() && kinds_[i] == kKindAny;
        if (!any && at[i] != pattern_[i]) return false;
    }
    return true;
}

// The state's bit j is set after byte i when the pattern's first j + 1
// positions match the bytes ending at i; a set top bit is a hit (for a
// pattern longer than the state, its tail is then compared). Where the
// state is empty no match is under way, and the next one can only begin
// where the anchor byte stands, so memchr jumps there. Where the anchor
// byte is frequent the jumps are short and gain nothing: such stretches
// are read in chunks, by several states at once over the chunk's parts,
// which the processor advances side by side.
size_t PatternScan::Scan(std::string_view text, size_t from, size_t last) const {
    const size_t len = pattern_.size();
    if (len == 0 || text.size() < len) return std::string_view::npos;
    last = std::min(last, text.size() - len);
    // Jumps shorter than this, a few in a row, or one that a following
    // partial match outlasts, cost more than reading the bytes does.
    constexpr size_t kShortJump = 8;
    constexpr int kShortJumpsInARow = 4;
    constexpr size_t kLongRun = 2 * kStateBits;
    constexpr size_t kChunk = 64 * 1024;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const size_t end = last + stateLength_;  // one past the last byte a hit may end on
    bool dense = false;
    int shortJumps = 0;
    size_t i = from;
    while (i <= last) {
        const size_t next = NextCandidate(text, i, last);
        if (next == std::string_view::npos) return next;
        shortJumps = next - i < kShortJump ? shortJumps + 1 : 0;
        if (dense || shortJumps >= kShortJumpsInARow) {
            const size_t chunkLast = std::min(last, next + kChunk - 1);
            const size_t hit = ChunkScan(text, next, chunkLast);
            if (hit != std::string_view::npos) return hit;
            i = chunkLast + 1;
            dense = false;
            shortJumps = 0;
            continue;
        }
        // A candidate whose byte under the state's last position does not
        // fit cannot begin a match: passed over at the cost of one look.
        if ((masks_[bytes[next + stateLength_ - 1]] & Top()) == 0) {
            i = next + 1;
            continue;
        }
        // One state from the candidate on, until it empties again; a
        // partial match that goes on and on is read on in chunks, from the
        // first start it has not decided yet.
        uint64_t state = 0;
        size_t k = next;
        const size_t runEnd = std::min(end, next + kLongRun);
        for (; k < runEnd; ++k) {
            state = Step(state, bytes[k]);
            if ((state & Top()) != 0) {
                const size_t at = k + 1 - stateLength_;
                if (TailMatchesAt(text.data() + at)) return at;
            }
            if (state == 0) break;
        }
        if (k == runEnd && runEnd < end) {
            i = k + 1 - stateLength_;
            dense = true;
            continue;
        }
        dense = k - next > next - i;
        i = k + 1;
    }
    return std::string_view::npos;
}

// The first hit that begins in [first, last]. The range is cut into four
// parts, and four states, each in its own register, read the bytes of the
// hits that begin in their part. A hit of an earlier part comes before any
// of a later one.
size_t PatternScan::ChunkScan(std::string_view text, size_t first, size_t last) const {
    constexpr size_t kParts = 4;
    constexpr size_t kNone = std::string_view::npos;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const size_t part = (last - first + kParts) / kParts;
    // A part reads its starts and the bytes a hit beginning there spans,
    // never beyond the text's end. In a range of a few starts near the end
    // the last parts begin past it: they hold no start and read nothing.
    auto begin = [&](size_t k) { return std::min(first + k * part, text.size()); };
    auto reads = [&](size_t k) { return std::min(part + stateLength_ - 1, text.size() - begin(k)); };
    std::array<uint64_t, kParts> state{};
    std::array<size_t, kParts> hit{kNone, kNone, kNone, kNone};
    auto check = [&](size_t k, size_t r) {
        if ((state[k] & Top()) == 0 || hit[k] != kNone) return;
        const size_t at = first + k * part + r + 1 - stateLength_;
        if (at > last || at >= first + (k + 1) * part) return;
        if (TailMatchesAt(text.data() + at)) hit[k] = at;
    };
    const unsigned char* p0 = bytes + begin(0);
    const unsigned char* p1 = bytes + begin(1);
    const unsigned char* p2 = bytes + begin(2);
    const unsigned char* p3 = bytes + begin(3);
    const uint64_t top = Top();
    uint64_t s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    const size_t together = reads(kParts - 1);  // the last part is the shortest
    size_t r = 0;
    for (; r < together; ++r) {
        s0 = Step(s0, p0[r]);
        s1 = Step(s1, p1[r]);
        s2 = Step(s2, p2[r]);
        s3 = Step(s3, p3[r]);
        if (((s0 | s1 | s2 | s3) & top) != 0) {
            state = {s0, s1, s2, s3};
            for (size_t k = 0; k < kParts; ++k) check(k, r);
            if (hit[0] != kNone) return hit[0];
        }
    }
    state = {s0, s1, s2, s3};
    for (size_t k = 0; k + 1 < kParts; ++k) {
        const unsigned char* p = bytes + begin(k);
        for (size_t rest = r; rest < reads(k); ++rest) {
            state[k] = Step(state[k], p[rest]);
            check(k, rest);
        }
    }
    for (size_t h : hit) {
        if (h != kNone) return h;
    }
    return kNone;
}

std::optional<int32_t> PatternScan::First(std::string_view text, int32_t start) const {
    const size_t from = start > 1 ? static_cast<size_t>(start - 1) : 0;
    const size_t at = Scan(text, from, text.size());
    if (at == std::string_view::npos) return std::nullopt;
    return static_cast<int32_t>(at + 1);
}

std::optional<int32_t> PatternScan::LastChained(std::string_view text, int32_t bound) const {
    if (bound < 1 || pattern_.empty()) return std::nullopt;
    const auto last = static_cast<size_t>(bound - 1);
    std::optional<int32_t> hit;
    size_t from = 0;
    while (true) {
        const size_t at = Scan(text, from, last);
        if (at == std::string_view::npos) return hit;
        hit = static_cast<int32_t>(at + 1);
        from = at + pattern_.size();
    }
}

}  // namespace viewer
