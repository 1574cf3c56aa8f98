#include "CodeText.h"

#include "CodeTable.h"
#include "Cp932.h"

namespace viewer {
namespace {

constexpr int16_t kUnicode = 6;
constexpr int16_t kShiftJis = 7;
constexpr int16_t kCaptureJis7 = 2;
constexpr char32_t kReplacement = 0xFFFD;

bool IsByteCode(int16_t code) { return code == kUnicode || code == kShiftJis; }

store::CodeForm FormOf(int16_t code) {
    switch (code) {
        case 2: return store::kFormJis7;
        case 3: return store::kFormJis7Kana;
        case 4: return store::kFormJis8;
        case 5: return store::kFormEbcdic;
        default: return store::kFormAscii;
    }
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

void LineText::AddChar(uint8_t byte, bool jis7Flag) {
    if (IsByteCode(code_)) {
        // Shift-JIS would hand control bytes to the decoder as line breaks
        // and bells; they show as dots.
        text_ += static_cast<char>(code_ == kShiftJis && byte < 0x20 ? '.' : byte);
        return;
    }
    if (code_ == 0) code_ = 1;
    // A shifted-out character of a JIS7 capture is kana whatever code is
    // chosen: its byte alone would read as the wrong letter.
    const store::CodeForm form =
        jis7Flag && captureMode_ == kCaptureJis7 ? store::kFormJis7Kana : FormOf(code_);
    text_ += store::CodeTable[form][byte];
}

void LineText::AddBlank() { text_ += IsByteCode(code_) ? " " : "  "; }

std::string LineText::Finish() const {
    if (code_ == kUnicode) return Utf16LeToUtf8(text_);
    if (code_ == kShiftJis) return platform::Cp932ToUtf8(text_);
    return text_;
}

std::string Utf16LeToUtf8(std::string_view bytes) {
    std::string out;
    size_t i = 0;
    auto unit = [&](size_t at) {
        return static_cast<char16_t>(static_cast<uint8_t>(bytes[at]) |
                                     (static_cast<uint8_t>(bytes[at + 1]) << 8));
    };
    for (; i + 1 < bytes.size(); i += 2) {
        const char16_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            const char16_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, u >= 0xD800 && u <= 0xDFFF ? kReplacement : u);
    }
    if (i < bytes.size()) AppendUtf8(out, kReplacement);
    return out;
}

std::string CodePanelText(int16_t code) {
    switch (code) {
        case 2:
        case 3: return "JIS7";
        case 4: return "JIS8";
        case 5: return "EBCDIC";
        case 6: return "UNICODE";
        case 7: return "ｼﾌﾄ JIS";
        default: return "ASCII";
    }
}

}  // namespace viewer
