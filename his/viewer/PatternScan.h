// The byte comparison behind the data search: a pattern with "any byte"
// positions looked for in one line's bytes. Every search is a single
// forward pass over the line; positions are running counts, from 1.
#pragma once

#include <cstdint>
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
    // First hit at a 0-based offset in [from, last], or npos.
    size_t Scan(std::string_view text, size_t from, size_t last) const;
    bool MatchesAt(const char* at) const;

    std::string_view pattern_;
    std::string_view kinds_;
    size_t anchor_ = 0;      // first exact position: the memchr target
    bool hasAnchor_ = false;
};

}  // namespace viewer
