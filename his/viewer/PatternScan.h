// The byte comparison behind the data search: a pattern with "any byte"
// positions looked for in one line's bytes. Every search is a single
// forward pass over the line; positions are running counts, from 1.
//
// The pass reads each byte once whatever the data (a bit-parallel match:
// one bit of state per pattern position, advanced by a table look-up per
// byte), and jumps with memchr over stretches where no match can begin.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

namespace viewer {

class PatternScan {
public:
    // pattern and kinds as FindPattern / FindKinds hold them; a kind '1'
    // position matches any byte, every other position its byte exactly.
    PatternScan(std::string_view pattern, std::string_view kinds);

    // The first hit that begins at or after start (from 1); nullopt when
    // none lies in the text. A start below 1 counts as 1.
    std::optional<int32_t> First(std::string_view text, int32_t start) const;
    // The last hit at or before bound among the hits found by going on
    // after each hit's last byte from the line's first character, so a hit
    // that overlaps an earlier one is never seen.
    std::optional<int32_t> LastChained(std::string_view text, int32_t bound) const;

private:
    // Positions the bit state follows: the find window's twenty and more.
    static constexpr size_t kStateBits = 64;

    // First hit at a 0-based offset in [from, last], or npos.
    size_t Scan(std::string_view text, size_t from, size_t last) const;
    size_t ChunkScan(std::string_view text, size_t first, size_t last) const;
    uint64_t Step(uint64_t state, unsigned char byte) const { return ((state << 1) | 1) & masks_[byte]; }
    uint64_t Top() const { return uint64_t{1} << (stateLength_ - 1); }
    // Where the next match can begin at the earliest, at or after from,
    // judged by the anchor byte alone; npos when nowhere up to last.
    size_t NextCandidate(std::string_view text, size_t from, size_t last) const {
        if (!hasAnchor_) return from;
        const char* begin = text.data() + from + anchor_;
        const void* hit = std::memchr(begin, anchorByte_, last - from + 1);
        if (hit == nullptr) return std::string_view::npos;
        return from + static_cast<size_t>(static_cast<const char*>(hit) - begin);
    }
    // Positions beyond the state's reach, compared one by one.
    bool TailMatchesAt(const char* at) const;

    std::string_view pattern_;
    std::string_view kinds_;
    size_t stateLength_ = 0;                 // positions the state covers
    std::array<uint64_t, 256> masks_{};      // bit j: the byte may stand at j
    size_t anchor_ = 0;                      // first exact position
    char anchorByte_ = 0;
    bool hasAnchor_ = false;
};

}  // namespace viewer
