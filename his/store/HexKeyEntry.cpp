#include "HexKeyEntry.h"

#include <string_view>

#include "CodeTable.h"
#include "SharedFunctions.h"

namespace store {

std::string PatternCellHex(const PatternCell& cell) {
    if (cell.What == PatternCell::Kind::Any) return "**";
    if (cell.What == PatternCell::Kind::Empty) return {};
    return CodeTable[kFormHex][cell.Value];
}

std::string PatternCellText(const PatternCell& cell, int form) {
    if (cell.What != PatternCell::Kind::Byte) return PatternCellHex(cell);
    const int f = form >= 0 && form < kCodeFormCount ? form : int{kFormAscii};
    return CodeTable[static_cast<size_t>(f)][cell.Value];
}

std::optional<PatternCell> PatternCellOfKeys(char first, char second) {
    if (first == '*' && second == '*') return PatternCell::Any();
    if (first == '-' && second == '-') return PatternCell{};
    const char pair[2] = {first, second};
    const int16_t v = HexToInt(std::string_view(pair, 2), 2);
    if (v < 0 || v > 0xFF) return std::nullopt;
    return PatternCell::Byte(static_cast<uint8_t>(v));
}

std::optional<PatternCell> HexKeyEntry::KeyTyped(char key) {
    if (key == 0) return std::nullopt;
    // "-" and "*" need no second key: the entry is made at once.
    const bool alone = first_ == 0 && (key == '-' || key == '*');
    if (first_ == 0 && !alone) {
        first_ = key;
        return std::nullopt;
    }
    const char first = alone ? key : first_;
    std::optional<PatternCell> cell = PatternCellOfKeys(first, key);
    if (!cell) {
        first_ = first;
        return std::nullopt;
    }
    first_ = 0;
    return cell;
}

}  // namespace store
