// One trigger pattern as its grid in the trigger editor holds it, and the
// conversion between the grid and the strings Capturo.ini keeps.
//
// A stop pattern has 5 columns in three rows: the NOT mark ("×", or "○"
// for "not this byte"), the HEX text and the byte's text in the display
// code. It is stored as 5 attribute digits and 10 data characters: digit
// 0 an unused position (data "00"), 1 a byte, 2 any byte ("**"), plus 4
// for a "○" mark; so 0x41 "×", any "○", 0x0D "×" and two empty columns are
// "16100" and "41**0D0000". A start pattern has 12 columns in two rows
// (HEX, text) and is stored as its filled positions only: "02**03".
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "CodePickerList.h"
#include "HexKeyEntry.h"

namespace mon {

inline constexpr int kStopPatternCells = 5;
inline constexpr int kStartPatternCells = 12;
inline constexpr char kMarkCross[] = "×";  // the byte itself
inline constexpr char kMarkNot[] = "○";    // any byte but this one

enum class PatternKind { Stop, Start };

struct StopStrings {
    std::string attributes;  // 5 digits
    std::string data;        // 10 characters
    friend bool operator==(const StopStrings&, const StopStrings&) = default;
};

class TriggerPattern {
public:
    explicit TriggerPattern(PatternKind kind) : kind_(kind) {}

    PatternKind Kind() const { return kind_; }
    int Columns() const { return kind_ == PatternKind::Stop ? kStopPatternCells : kStartPatternCells; }
    // The grid's rows: the mark row (stop patterns only), the HEX row and
    // the text row.
    int GridRows() const { return kind_ == PatternKind::Stop ? 3 : 2; }
    int MarkRow() const { return kind_ == PatternKind::Stop ? 0 : -1; }
    int HexRow() const { return kind_ == PatternKind::Stop ? 1 : 0; }
    int TextRow() const { return HexRow() + 1; }

    const store::PatternCell& Cell(int col) const;
    bool NotMark(int col) const;
    // The text a grid cell shows; code is the display code of the text row.
    std::string CellText(int row, int col, int16_t code) const;

    // Every column empty, every mark "×", no key pending.
    void Clear();
    // Loading stops at the first position that is unused or whose pair is
    // missing or not hex (a hand-edited file): it and the rest stay empty.
    void LoadStop(std::string_view attributes, std::string_view data);
    void LoadStart(std::string_view data);

    // The strings of a stop or start pattern; nothing when a filled column
    // follows an empty one (the only pattern Set refuses).
    std::optional<StopStrings> StopPatternGet() const;
    std::optional<std::string> StartPatternGet() const;
    // The first filled column after an empty one; -1 when there is none.
    int GapColumn() const;

    // --- filling, each true when a column changed ---------------------
    // A typed key at a cell; keys count on the HEX row only.
    bool KeyTyped(char key, int row, int col);
    // The Delete key let go on the HEX row empties the column.
    bool DeleteReleased(int row, int col);
    void CurrentCellChanged() { entry_.Clear(); }
    bool KeyPending() const { return entry_.Pending(); }
    // A double click on a stop pattern's mark row toggles the mark; on any
    // other row the code picker opens for the column.
    bool OpensPicker(int row) const { return row != MarkRow(); }
    bool MarkToggle(int col);
    // The picker's value for a column: 257 empty, 256 any byte, else the byte.
    int16_t PickStart(int col) const;
    // -1 changes nothing; 256 any byte, 257 empties, 0-255 the byte.
    bool PickApply(int col, int16_t picked);
    // The whole pattern from a text's single-byte codes, one per column;
    // columns after the text stay empty and the marks go back to "×".
    void StringSet(std::string_view bytes);

private:
    bool Inside(int col) const { return col >= 0 && col < Columns(); }

    PatternKind kind_;
    std::array<store::PatternCell, kStartPatternCells> cells_{};
    std::array<bool, kStopPatternCells> notMarks_{};
    store::HexKeyEntry entry_;
};

// The name of a display code over the pattern's text row and in the code
// picker: "HEX", "ASCII", "JIS7" (also for its kana form), "JIS8", "EBCDIC".
std::string MonitorCodeName(int16_t code);
// The code table column of a display code; ASCII for a code it lacks.
int16_t MonitorCodeForm(int16_t code);
inline constexpr store::CodePickerRules kMonitorPickerRules{MonitorCodeForm, MonitorCodeName};

// The single-byte codes of a text (UTF-8), one byte per character in the
// code page; nothing when a character has no single-byte code (a
// double-byte character, or one the code page lacks).
std::optional<std::string> SingleByteCodes(std::string_view text);

}  // namespace mon
