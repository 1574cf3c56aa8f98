#include "FrameSearch.h"

#include <algorithm>

namespace analyser {
namespace {

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameFolded(char a, char b) { return FoldAscii(a) == FoldAscii(b); }

}  // namespace

bool TextContains(std::string_view field, std::string_view text) {
    return std::search(field.begin(), field.end(), text.begin(), text.end(), SameFolded) != field.end();
}

bool TextEquals(std::string_view field, std::string_view text) {
    return field.size() == text.size() && std::equal(field.begin(), field.end(), text.begin(), SameFolded);
}

bool TextMatches(std::string_view field, std::string_view text, bool allMatch) {
    if (text.empty() || field.size() < text.size()) return false;
    return allMatch ? TextEquals(field, text) : TextContains(field, text);
}

uint8_t ErrorMask(bool parity, bool overrun, bool framing) {
    return static_cast<uint8_t>((parity ? 1 : 0) | (overrun ? 2 : 0) | (framing ? 4 : 0));
}

bool ErrorMatches(uint8_t frameErrors, uint8_t mask, bool andFlag) {
    return andFlag ? frameErrors == mask : (frameErrors & mask) != 0;
}

bool DataMatches(std::string_view frameBytes, std::string_view bytes) {
    return !bytes.empty() && frameBytes.find(bytes) != std::string_view::npos;
}

}  // namespace analyser
