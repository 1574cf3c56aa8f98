#include "SharedFunctions.h"

namespace store {

namespace {

std::string TrimBlanks(const std::string& s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const size_t last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

char ErrorLetter(int16_t parity, int16_t overrun, int16_t framing) {
    struct Row {
        int16_t p, o, f;
        char letter;
    };
    static constexpr Row kRows[] = {
        {1, 0, 0, 'p'}, {0, 1, 0, 'o'}, {0, 0, 1, 'f'}, {1, 1, 0, 'q'},
        {1, 0, 1, 'j'}, {0, 1, 1, 'i'}, {1, 1, 1, 'x'},
    };
    for (const Row& r : kRows) {
        if (r.p == parity && r.o == overrun && r.f == framing) return r.letter;
    }
    return ' ';
}

}  // namespace

std::string CutCommaField(std::string& source) {
    if (const size_t comma = source.find(','); comma != std::string::npos) {
        std::string field = TrimBlanks(source.substr(0, comma));
        source.erase(0, comma + 1);
        return field;
    }
    if (const size_t cr = source.find('\r'); cr != std::string::npos) {
        return source.substr(0, cr);
    }
    return source;
}

std::string GetHexErrText(int16_t byte, int16_t parity, int16_t overrun, int16_t framing) {
    if (byte < 0 || byte > 255) return {};
    static constexpr char kHex[] = "0123456789ABCDEF";
    // Called for every cell of a page: no formatting machinery.
    const char text[3] = {ErrorLetter(parity, overrun, framing), kHex[byte >> 4], kHex[byte & 15]};
    return std::string(text, 3);
}

}  // namespace store
