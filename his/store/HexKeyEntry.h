// One cell of a byte pattern (empty, any byte, or a byte value) and the
// two-key hex entry that fills it: two hex digits give a byte, "*" any
// byte and "-" an empty cell at once. The find pattern of the viewer and
// the trigger patterns of the monitor are typed this way.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace store {

struct PatternCell {
    enum class Kind { Empty, Any, Byte };
    Kind What = Kind::Empty;
    uint8_t Value = 0;

    static PatternCell Any() { return {Kind::Any, 0}; }
    static PatternCell Byte(uint8_t v) { return {Kind::Byte, v}; }
    bool IsEmpty() const { return What == Kind::Empty; }
    friend bool operator==(const PatternCell&, const PatternCell&) = default;
};

// The code table's HEX text of the byte, "**" for any byte, empty for none.
std::string PatternCellHex(const PatternCell& cell);
// The byte's text in a display form of the code table (a form outside the
// table reads as ASCII), "**" or empty.
std::string PatternCellText(const PatternCell& cell, int form);

// "**" any byte, "--" empty, two hex digits (either case) a byte; nothing
// for any other pair.
std::optional<PatternCell> PatternCellOfKeys(char first, char second);

class HexKeyEntry {
public:
    // A typed key. The cell it completes, or nothing while the entry waits
    // for its second key. A pair that is no entry is dropped and its first
    // key stays, so the next key is paired with it again.
    std::optional<PatternCell> KeyTyped(char key);
    // Drops a half-typed entry (the current cell moved, Delete released).
    void Clear() { first_ = 0; }
    bool Pending() const { return first_ != 0; }

private:
    char first_ = 0;  // 0: no key pending
};

}  // namespace store
