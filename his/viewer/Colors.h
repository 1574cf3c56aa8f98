// The eight display colours and their settings file, Rewindo.ini: exactly
// 32 bytes, the colours little-endian in field order.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace viewer {

// A Windows colour: 0x00BBGGRR, or a system colour when bit 31 is set.
using Colour = int32_t;

inline constexpr Colour kSystemWindowText = static_cast<Colour>(0x80000008u);

struct ColorRecord {
    Colour MarkFore = 0;
    Colour MarkBack = 0;
    Colour TrigFore = 0;
    Colour TrigBack = 0;
    Colour OddFore = 0;
    Colour OddBack = 0;
    Colour EvenFore = 0;
    Colour EvenBack = 0;

    friend bool operator==(const ColorRecord&, const ColorRecord&) = default;
};

inline constexpr size_t kColorRecordSize = 32;

ColorRecord DefaultColors();

std::array<uint8_t, kColorRecordSize> ColorRecordBytes(const ColorRecord& rec);
ColorRecord ColorRecordFromBytes(const std::array<uint8_t, kColorRecordSize>& bytes);

// "<folder>/Rewindo.ini".
std::string ColorIniPath(const std::string& programFolder);

// Loads rec from the file, first creating the file from rec when it is
// missing. A file that cannot be read, or holds fewer than 32 bytes, leaves
// rec as it was: half a record would pair new colours with stale ones.
void ColorIniRead(const std::string& path, ColorRecord& rec);

// Replaces the file with the 32 bytes of rec; false when that failed (the
// viewer reports nothing, the old file stays).
bool ColorIniWrite(const std::string& path, const ColorRecord& rec);

// What GridColorSet gives the main grid.
struct GridColors {
    Colour Fore = 0;     // text
    Colour Back = 0;     // background
    Colour BackAlt = 0;  // alternate-row background

    friend bool operator==(const GridColors&, const GridColors&) = default;
};
GridColors GridColorSet(const ColorRecord& rec);

}  // namespace viewer
