#include "PathShorten.h"

#include <vector>

namespace store {

namespace {

// A path written on Windows keeps its "\", a Linux path its "/": the first
// separator found decides.
char SeparatorOf(const std::string& path) {
    const size_t at = path.find_first_of("\\/");
    return at == std::string::npos ? '\\' : path[at];
}

std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

// The first part, the dots, then the parts from `from` to the last.
std::string ShortForm(const std::vector<std::string>& parts, size_t from, char separator) {
    std::string text = parts.front();
    text += separator;
    text += " ... ";
    for (size_t i = from; i < parts.size(); ++i) {
        text += separator;
        text += parts[i];
    }
    return text;
}

size_t CharCount(const std::string& text) {
    size_t count = 0;
    for (const char c : text) {
        // Continuation bytes (10xxxxxx) belong to the character before them.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

}  // namespace

std::string PathShorten(const std::string& path, size_t maxLength) {
    if (CharCount(path) <= maxLength) return path;
    const char separator = SeparatorOf(path);
    const std::vector<std::string> parts = SplitAt(path, separator);
    std::string shortened;
    for (size_t from = 2; from < parts.size(); ++from) {
        shortened = ShortForm(parts, from, separator);
        if (CharCount(shortened) <= maxLength) break;
    }
    return shortened;
}

}  // namespace store
