#include "FrameComment.h"

#include <cstdint>

#include "platform/text/Utf16.h"

namespace frames {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The next code point of UTF-8 text; a byte that does not start a valid
// sequence gives U+FFFD and is skipped alone.
char32_t NextCodePoint(std::string_view s, size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07, min = 0x10000;
    } else {
        return kReplacement;
    }
    if (i + static_cast<size_t>(extra) > s.size()) return kReplacement;
    for (int k = 0; k < extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
        if ((b & 0xC0) != 0x80) return kReplacement;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacement;
    i += static_cast<size_t>(extra);
    return cp;
}

// The UTF-16LE bytes of one code point; returns their count.
int Utf16Bytes(char32_t cp, unsigned char (&b)[4]) {
    auto unit = [&b](int at, uint16_t u) {
        b[at] = static_cast<unsigned char>(u & 0xFF);
        b[at + 1] = static_cast<unsigned char>(u >> 8);
    };
    if (cp < 0x10000) {
        unit(0, static_cast<uint16_t>(cp));
        return 2;
    }
    const char32_t v = cp - 0x10000;
    unit(0, static_cast<uint16_t>(0xD800 | (v >> 10)));
    unit(2, static_cast<uint16_t>(0xDC00 | (v & 0x3FF)));
    return 4;
}

// Whether the bytes, written after prev, hold 0D 0A anywhere.
bool MakesLineEnd(int prev, const unsigned char* b, int n) {
    for (int k = 0; k < n; ++k) {
        const int before = k == 0 ? prev : b[k - 1];
        if (before == 0x0D && b[k] == 0x0A) return true;
    }
    return false;
}

}  // namespace

std::string CommentStore(std::string_view utf8) {
    std::string stored;
    stored.reserve(utf8.size() * 2);
    int prev = -1;
    for (size_t i = 0; i < utf8.size();) {
        char32_t cp = NextCodePoint(utf8, i);
        if (cp == U'\r' || cp == U'\n') continue;
        unsigned char b[4];
        int n = Utf16Bytes(cp, b);
        if (MakesLineEnd(prev, b, n)) n = Utf16Bytes(kReplacement, b);
        stored.append(reinterpret_cast<const char*>(b), static_cast<size_t>(n));
        prev = b[n - 1];
    }
    return stored;
}

std::string CommentText(std::string_view stored) { return platform::Utf16LeToUtf8(stored); }

}  // namespace frames
