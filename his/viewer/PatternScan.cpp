#include "PatternScan.h"

#include <algorithm>
#include <cstring>

#include "FindPatternEdit.h"

namespace viewer {

PatternScan::PatternScan(std::string_view pattern, std::string_view kinds)
    : pattern_(pattern), kinds_(kinds) {
    for (size_t i = 0; i < pattern_.size(); ++i) {
        if (i >= kinds_.size() || kinds_[i] != kKindAny) {
            anchor_ = i;
            hasAnchor_ = true;
            break;
        }
    }
}

bool PatternScan::MatchesAt(const char* at) const {
    for (size_t i = 0; i < pattern_.size(); ++i) {
        const bool any = i < kinds_.size() && kinds_[i] == kKindAny;
        if (!any && at[i] != pattern_[i]) return false;
    }
    return true;
}

// memchr jumps to the next place the anchor byte can stand, so a pattern
// with a rare byte costs little more than reading the line once; each
// candidate costs at most the pattern's length (twenty).
size_t PatternScan::Scan(std::string_view text, size_t from, size_t last) const {
    const size_t len = pattern_.size();
    if (len == 0 || text.size() < len) return std::string_view::npos;
    last = std::min(last, text.size() - len);
    const char* base = text.data();
    size_t p = from;
    while (p <= last) {
        if (hasAnchor_) {
            const void* hit = std::memchr(base + p + anchor_, pattern_[anchor_], last - p + 1);
            if (hit == nullptr) return std::string_view::npos;
            p = static_cast<size_t>(static_cast<const char*>(hit) - base) - anchor_;
        }
        if (MatchesAt(base + p)) return p;
        ++p;
    }
    return std::string_view::npos;
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
