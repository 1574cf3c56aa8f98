#include "HexByteCells.h"

#include <cctype>

#include "his/store/SharedFunctions.h"
#include "platform/text/VbFormat.h"

namespace analyser {

std::optional<std::string> HexCellTyped(std::string_view cell, char digit) {
    if (!std::isxdigit(static_cast<unsigned char>(digit))) return std::nullopt;
    std::string text(cell);
    text += static_cast<char>(std::toupper(static_cast<unsigned char>(digit)));
    if (text.size() > 2) text.erase(0, text.size() - 2);
    return text;
}

std::string HexCellsBytes(const std::vector<std::string>& cells) {
    std::string bytes;
    for (const std::string& cell : cells) {
        if (cell.empty()) break;
        const std::string padded = "0" + cell;
        const int16_t value = store::HexToInt(std::string_view(padded).substr(padded.size() - 2), 2);
        if (value < 0) break;
        bytes += static_cast<char>(value);
    }
    return bytes;
}

std::vector<std::string> HexCellsOf(std::string_view bytes) {
    std::vector<std::string> cells;
    cells.reserve(bytes.size());
    for (const char b : bytes) cells.push_back(platform::HexUpper(static_cast<unsigned char>(b), 2));
    return cells;
}

}  // namespace analyser
