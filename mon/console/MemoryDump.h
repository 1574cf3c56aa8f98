// The memory-read reply as the rows of the maintenance window's dump grid.
//
// A reply is two characters (not examined), the start address as 6 hex
// digits, the byte count as 2 ("00" is 256), two hex digits a byte, CR LF.
// A reply that brings fewer bytes than its count shows the bytes that came.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace mon {

struct DumpRow {
    std::string address;                 // 6 hex digits
    std::array<std::string, 16> bytes;  // offsets 00 to 0F, 2 hex digits; empty past the reply
    std::string text1;                   // the first eight bytes as characters, UTF-8
    std::string text2;                   // the last eight
};

std::vector<DumpRow> DumpRows(const std::string& reply);

// A byte as the dump shows it: a blank below 32, else its character in
// code page 932 (UTF-8), a blank for a byte that is no character alone.
std::string DumpChar(uint8_t byte);

}  // namespace mon
