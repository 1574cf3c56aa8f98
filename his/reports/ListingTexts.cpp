#include "ListingTexts.h"

#include "CodeTable.h"
#include "VbDate.h"
#include "VbFormat.h"

namespace reports {

namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte offset of character `index` (from 0); text.size() past the end.
size_t OffsetOfChar(std::string_view text, size_t index) {
    size_t at = 0;
    for (size_t seen = 0; at < text.size(); ++at) {
        if (IsContinuation(text[at])) continue;
        if (seen++ == index) return at;
    }
    return text.size();
}

std::string Word(int16_t value, std::initializer_list<const char*> words) {
    if (value < 0 || static_cast<size_t>(value) >= words.size()) return {};
    return *(words.begin() + value);
}

std::string TrigState(int16_t flag, const store::clsCommon& doc, const std::string& stem) {
    if (flag != 1) return stem + "OFF";
    return stem + (doc.GetTrigPos() == -1 ? "ON" : "DETECT");
}

std::string Pairs(std::string_view chars, std::string_view attributes, size_t most, bool stop) {
    std::string out;
    for (size_t k = 0; k < most; ++k) {
        const size_t from = OffsetOfChar(chars, 2 * k);
        const std::string pair(chars.substr(from, OffsetOfChar(chars, 2 * k + 2) - from));
        if (pair.empty()) break;
        const size_t atFrom = OffsetOfChar(attributes, k);
        // Compared as text: a missing digit is below "5".
        const bool slash = stop && atFrom < attributes.size() &&
                           static_cast<unsigned char>(attributes[atFrom]) >= '5';
        out += slash ? "/" : " ";
        out += pair;
    }
    return out;
}

}  // namespace

size_t CharCount(std::string_view text) {
    size_t count = 0;
    for (const char c : text) {
        if (!IsContinuation(c)) ++count;
    }
    return count;
}

std::string CharLeft(std::string_view text, size_t n) {
    return std::string(text.substr(0, OffsetOfChar(text, n)));
}

std::string CharRight(std::string_view text, size_t n) {
    const size_t count = CharCount(text);
    if (count <= n) return std::string(text);
    return std::string(text.substr(OffsetOfChar(text, count - n)));
}

void Overwrite(std::string& line, size_t col, std::string_view text) {
    if (col < 1) return;
    const size_t width = CharCount(line);
    if (col > width) return;
    const std::string kept = CharLeft(text, width - (col - 1));
    const size_t from = OffsetOfChar(line, col - 1);
    const size_t to = OffsetOfChar(line, col - 1 + CharCount(kept));
    line.replace(from, to - from, kept);
}

std::string Blanks(size_t n) { return std::string(n, ' '); }

std::string ListingDate(double date) {
    std::string text = platform::FormatDateTime(date);
    for (char& c : text) {
        if (c == '/') c = '-';
    }
    return text;
}

std::string StartStopText(const store::clsCommon& doc) {
    std::string text = "[START 2000-01-26 18:18:04]  [STOP  2000-01-26 18:18:29]";
    Overwrite(text, 8, ListingDate(doc.MonitorStart()));
    Overwrite(text, 37, doc.MonitorStop() == 0 ? "          -        " : ListingDate(doc.MonitorStop()));
    return text;
}

std::string ParityWord(int16_t parity) { return Word(parity, {"NON ", "ODD ", "EVEN"}); }

std::string MemoryModeWord(int16_t mode) {
    return Word(mode, {"RING(RESTART)", "RING(STOP)", "FIX"});
}

std::string LineWord(int16_t line) { return Word(line, {"DUAL", "SD", "RD"}); }

std::string CodeName(int16_t code) {
    return Word(code, {"HEX", "ASCII", "JIS7", "JIS7", "JIS8", "EBCDIC", "STRING"});
}

std::string TrigStopState(const store::clsCommon& doc) {
    return TrigState(doc.TrigStop(), doc, "TRIG STOP-");
}

std::string TrigStartState(const store::clsCommon& doc) {
    return TrigState(doc.TrigStart(), doc, "TRIG START-");
}

std::string BaudText(int32_t rate) { return CharRight("      " + std::to_string(rate), 6); }

std::string StopChars(std::string_view chars, std::string_view attributes) {
    return Pairs(chars, attributes, 5, true);
}

std::string StartChars(std::string_view chars) { return Pairs(chars, {}, 12, false); }

std::string PrnTimeSet(int16_t index, int16_t value) {
    // The fixed-point patterns of the listing, in whole numbers: a value
    // is at most 10 bits, so nothing is rounded.
    const int v = value;
    std::string text;
    switch (index) {
        case 0: text = (v >= 1000 ? std::to_string(v / 1000) : "") + "." + platform::FormatNumber(v % 1000, "000"); break;
        case 1: text = std::to_string(v / 100) + "." + platform::FormatNumber(v % 100, "00"); break;
        case 2: text = " " + std::to_string(v / 10) + "." + std::to_string(v % 10); break;
        case 3: text = "   " + std::to_string(v); break;
        case 4: text = "   " + std::to_string(v * 10); break;
        case 5: text = "****"; break;
        default: text = "    "; break;
    }
    return " T" + CharRight(text, 4);
}

std::string MoniCodeCheck(int16_t byte, int16_t jis7, int16_t dspCode, int16_t captureMode) {
    const size_t b = static_cast<uint8_t>(byte);
    if (captureMode == store::kFormJis7 && jis7 == 1) return store::CodeTable[store::kFormJis7Kana][b];
    const int form = dspCode >= 0 && dspCode < store::kCodeFormCount ? int{dspCode} : int{store::kFormAscii};
    return store::CodeTable[static_cast<size_t>(form)][b];
}

bool IsLineCode(int16_t dspCode) { return dspCode == 6 || dspCode == 7; }

}  // namespace reports
