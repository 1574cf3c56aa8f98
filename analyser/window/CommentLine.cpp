#include "CommentLine.h"

namespace analyser {

std::string CommentOneLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            line += ' ';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            line += ' ';
        } else {
            line += c;
        }
    }
    return line;
}

}  // namespace analyser
