// The find window's pattern row: twenty cells, each empty, "any byte" or
// one byte, entered as two typed hex keys, by the code picker or from a
// typed string, and turned into FindPattern / FindKinds after every change.
#pragma once

#include <array>
#include <optional>
#include <cstdint>
#include <string>
#include <string_view>

#include "CodePickerList.h"
#include "HexKeyEntry.h"

namespace viewer {

inline constexpr int kPatternCells = 20;
inline constexpr char kKindByte = '0';
inline constexpr char kKindAny = '1';
inline constexpr char kKindBlank = '2';
inline constexpr uint8_t kAnyByte = 0x3F;
// The code picker's answers.
inline constexpr int16_t kPickNone = store::kPickedNothing;
inline constexpr int16_t kPickAny = store::kPickedAny;
inline constexpr int16_t kPickBlank = store::kPickedEmpty;
inline constexpr int kKeyDelete = 46;

using store::PatternCell;

// The code form of the pattern's character row: the display code, but ASCII
// for the two codes that have no one-byte form.
int16_t FindCodeOf(int16_t dspCode);
// "ASCII", "JIS7", "JIS8" or "EBCDIC" for a find code.
std::string FindCodeName(int16_t findCode);
// The code picker lists the find code's texts under its name.
inline constexpr store::CodePickerRules kFindPickerRules{FindCodeOf, FindCodeName};
// Row 0 and row 1 texts of a cell (the code table's texts, "**", or empty).
std::string CellHexText(const PatternCell& cell);
std::string CellCharText(const PatternCell& cell, int16_t findCode);

class FindPatternEdit {
public:
    // The cells as a stored pattern shows them.
    void Load(std::string_view pattern, std::string_view kinds);
    const PatternCell& Cell(int col) const { return cells_.at(static_cast<size_t>(col)); }

    // A typed key in the hex row at column col. True when the cell changed.
    bool KeyTyped(char key, int col);
    // The Delete key let go: the cell at col is cleared.
    bool DeleteReleased(int col);
    // The grid's current cell moved: any half-typed entry is dropped.
    void CurrentCellChanged();
    bool KeyPending() const { return entry_.Pending(); }

    // The cell at col from two keys; false (and the first key kept) when
    // they are not "**", "--" or two hex digits.
    bool FindPatternGet(char first, char second, int col);

    // The picker's value for a double click at col; nullopt when col lies
    // past the position right after the pattern's end.
    static std::optional<int16_t> PickStart(std::string_view pattern, std::string_view kinds,
                                            int col, const PatternCell& cell);
    // Applies the picker's answer to the cell and the stored pattern.
    void PickApply(int col, int16_t picked, std::string& pattern, std::string& kinds);

    // The whole pattern from a string's bytes (already in the code page),
    // cut to twenty.
    void StringSet(std::string_view bytes, std::string& pattern, std::string& kinds);

    // FindPattern / FindKinds from the row: up to the last non-empty cell.
    void Rebuild(std::string& pattern, std::string& kinds) const;

private:
    std::array<PatternCell, kPatternCells> cells_{};
    store::HexKeyEntry entry_;
};

}  // namespace viewer
