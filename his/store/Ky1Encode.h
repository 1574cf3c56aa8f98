// The pieces of a KY2 part that come from KY1 rows: the seven header lines
// and the bytes of one captured character.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "Ky1Source.h"

namespace store {

// One character as it goes into a data line. Word 0 means no
// character-time word follows the unit.
struct ConvUnit {
    double Dtime = 0;
    uint8_t Attr = 0;
    uint8_t Data = 0;
    uint16_t Word = 0;
};

// The unit of a row; nothing when its data byte is not 0 to 255 or its
// character time is neither 0 nor a word of 0x4000 to 0x7FFF, since such a
// row has no faithful KY2 form.
std::optional<ConvUnit> EncodeUnit(const Ky1Mst& row);

// The attribute byte of a row: only the exact value 1 sets a flag, and
// ErrBit's bits 1, 2 and 4 give parity, overrun and framing.
uint8_t ConvAttribute(const Ky1Mst& row);

// The header of a part in code page 932: the chain in line 2, the settings
// as the old file holds them, the range fields empty.
std::string ConvHeaderText(const Ky1Inf& inf, const std::array<Ky1Trg, 2>& trg,
                           const std::string& precedName, const std::string& followName);

}  // namespace store
