#include "HtmlText.h"

#include <cstdint>
#include <unordered_map>

#include "AtomicFile.h"
#include "Cp932.h"

namespace reports {

namespace {

// Length of the UTF-8 sequence that lead starts, and its code point; 1 and
// -1 for a byte that starts none.
size_t CodePointAt(std::string_view text, size_t at, int32_t& code) {
    const auto lead = static_cast<unsigned char>(text[at]);
    size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3
                                : (lead & 0xF8) == 0xF0 ? 4 : 0;
    if (length == 0 || at + length > text.size()) {
        code = -1;
        return 1;
    }
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            code = -1;
            return 1;
        }
        code = (code << 6) | (next & 0x3F);
    }
    return length;
}

// The slow road, taken only for a line that holds a character the code
// page lacks: one character at a time.
std::string Cp932ByCharacter(std::string_view utf8) {
    std::string out;
    for (size_t at = 0; at < utf8.size();) {
        int32_t code = 0;
        const size_t length = CodePointAt(utf8, at, code);
        bool ok = false;
        const std::string bytes = platform::Utf8ToCp932(utf8.substr(at, length), &ok);
        if (ok) {
            out += bytes;
        } else if (code >= 0) {
            out += "&#" + std::to_string(code) + ";";
        } else {
            out += '?';
        }
        at += length;
    }
    return out;
}

// The few texts that are not ASCII (display characters, table words)
// come back again and again: each is converted once.
const std::string& Cp932Run(std::string_view run) {
    constexpr size_t kMostKept = 4096;
    thread_local std::unordered_map<std::string, std::string> converted;
    const auto found = converted.find(std::string(run));
    if (found != converted.end()) return found->second;
    if (converted.size() >= kMostKept) converted.clear();
    bool ok = false;
    std::string bytes = platform::Utf8ToCp932(run, &ok);
    if (!ok) bytes = Cp932ByCharacter(run);
    return converted.emplace(std::string(run), std::move(bytes)).first->second;
}

}  // namespace

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default: out += c; break;
        }
    }
    return out;
}

std::string HtmlCp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        // ASCII is the same in both; only the runs between are converted.
        size_t end = at;
        const bool ascii = static_cast<unsigned char>(utf8[at]) < 0x80;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) < 0x80) == ascii) ++end;
        const std::string_view run = utf8.substr(at, end - at);
        if (ascii) {
            out += run;
        } else {
            out += Cp932Run(run);
        }
        at = end;
    }
    return out;
}

void HtmlLineWriter::Line(std::string_view utf8) {
    file_.Write(HtmlCp932(utf8));
    file_.Write("\r\n");
}

}  // namespace reports
