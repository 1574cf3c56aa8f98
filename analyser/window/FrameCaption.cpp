#include "FrameCaption.h"

#include <algorithm>
#include <cstdint>

#include "Cp932.h"
#include "Utf16.h"

namespace analyser {
namespace {

std::string HexText(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto b = static_cast<uint8_t>(c);
        if (!out.empty()) out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

std::string SingleByteText(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<uint8_t>(c);
        if (b < 0x80) {
            out += c;
        } else if (b >= 0xA1 && b <= 0xDF) {
            platform::AppendUtf8(out, char32_t{0xFF61} + (b - 0xA1));
        } else {
            platform::AppendUtf8(out, 0xFFFD);
        }
    }
    return out;
}

}  // namespace

std::string fBytesToText(std::string_view bytes, FrameViewCode code) {
    std::string text;
    switch (code) {
        case FrameViewCode::Hex: return HexText(bytes);  // digits hold no line breaks
        case FrameViewCode::Ascii: text = SingleByteText(bytes); break;
        case FrameViewCode::Unicode: text = platform::Utf16LeToUtf8(bytes); break;
        case FrameViewCode::ShiftJis: text = platform::Cp932ToUtf8(bytes); break;
    }
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

}  // namespace analyser
