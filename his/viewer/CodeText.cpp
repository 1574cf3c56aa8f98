#include "CodeText.h"

#include "CodeTable.h"
#include "Cp932.h"

namespace viewer {
namespace {

constexpr int16_t kUnicode = 6;
constexpr int16_t kShiftJis = 7;
constexpr int16_t kCaptureJis7 = 2;

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
