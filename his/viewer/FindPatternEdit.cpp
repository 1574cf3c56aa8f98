#include "FindPatternEdit.h"

namespace viewer {

int16_t FindCodeOf(int16_t dspCode) { return dspCode > 5 ? int16_t{1} : dspCode; }

std::string FindCodeName(int16_t findCode) {
    switch (findCode) {
        case 2:
        case 3: return "JIS7";
        case 4: return "JIS8";
        case 5: return "EBCDIC";
        default: return "ASCII";
    }
}

std::string CellHexText(const PatternCell& cell) { return store::PatternCellHex(cell); }

std::string CellCharText(const PatternCell& cell, int16_t findCode) {
    return store::PatternCellText(cell, findCode);
}

void FindPatternEdit::Load(std::string_view pattern, std::string_view kinds) {
    cells_ = {};
    entry_.Clear();
    for (size_t i = 0; i < pattern.size() && i < cells_.size(); ++i) {
        PatternCell& cell = cells_[i];
        cell = PatternCell::Byte(static_cast<uint8_t>(pattern[i]));
        if (i < kinds.size() && kinds[i] == kKindAny) cell = PatternCell::Any();
        if (i < kinds.size() && kinds[i] == kKindBlank) cell = {};
    }
}

bool FindPatternEdit::KeyTyped(char key, int col) {
    if (col < 0 || col >= kPatternCells) return false;
    const std::optional<PatternCell> typed = entry_.KeyTyped(key);
    if (!typed) return false;
    cells_[static_cast<size_t>(col)] = *typed;
    return true;
}

bool FindPatternEdit::DeleteReleased(int col) { return FindPatternGet('-', '-', col); }

void FindPatternEdit::CurrentCellChanged() { entry_.Clear(); }

bool FindPatternEdit::FindPatternGet(char first, char second, int col) {
    if (col < 0 || col >= kPatternCells) return false;
    const std::optional<PatternCell> typed = store::PatternCellOfKeys(first, second);
    if (!typed) return false;  // a pending first key stays and meets the next one
    cells_[static_cast<size_t>(col)] = *typed;
    entry_.Clear();
    return true;
}

std::optional<int16_t> FindPatternEdit::PickStart(std::string_view pattern,
                                                  std::string_view kinds, int col,
                                                  const PatternCell& cell) {
    const auto n = static_cast<int>(pattern.size());
    if (col < 0 || col > n) return std::nullopt;
    if (col == n) return kPickNone;
    const char kind = static_cast<size_t>(col) < kinds.size() ? kinds[static_cast<size_t>(col)] : kKindByte;
    if (kind == kKindAny) return kPickAny;
    if (kind == kKindBlank) return kPickBlank;
    return cell.What == PatternCell::Kind::Byte ? int16_t{cell.Value} : kPickNone;
}

void FindPatternEdit::PickApply(int col, int16_t picked, std::string& pattern, std::string& kinds) {
    const auto n = static_cast<int>(pattern.size());
    if (picked == kPickNone || col < 0 || col > n || col >= kPatternCells) return;
    const auto at = static_cast<size_t>(col);
    if (picked == kPickBlank) {
        cells_[at] = {};
        if (col == n) return;
        pattern[at] = static_cast<char>(kAnyByte);
        kinds[at] = kKindBlank;
        while (!kinds.empty() && kinds.back() == kKindBlank) {
            kinds.pop_back();
            pattern.pop_back();
        }
        return;
    }
    const bool any = picked == kPickAny;
    cells_[at] = any ? PatternCell::Any() : PatternCell::Byte(static_cast<uint8_t>(picked));
    const char byte = static_cast<char>(any ? kAnyByte : picked);
    if (col == n) {
        pattern.push_back(byte);
        kinds.push_back(any ? kKindAny : kKindByte);
    } else {
        pattern[at] = byte;
        kinds[at] = any ? kKindAny : kKindByte;
    }
}

void FindPatternEdit::StringSet(std::string_view bytes, std::string& pattern, std::string& kinds) {
    pattern = std::string(bytes.substr(0, kPatternCells));
    kinds.assign(pattern.size(), kKindByte);
    Load(pattern, kinds);
}

void FindPatternEdit::Rebuild(std::string& pattern, std::string& kinds) const {
    pattern.clear();
    kinds.clear();
    size_t end = 0;
    for (size_t i = 0; i < cells_.size(); ++i) {
        const PatternCell& c = cells_[i];
        if (c.What == PatternCell::Kind::Any) {
            pattern.push_back(static_cast<char>(kAnyByte));
            kinds.push_back(kKindAny);
        } else if (c.What == PatternCell::Kind::Empty) {
            pattern.push_back(' ');
            kinds.push_back(kKindBlank);
            continue;
        } else {
            pattern.push_back(static_cast<char>(c.Value));
            kinds.push_back(kKindByte);
        }
        end = i + 1;
    }
    pattern.resize(end);
    kinds.resize(end);
}

}  // namespace viewer
