// The maintenance lines to the unit and the checks of the maintenance
// window's entries. Every line ends with CR LF.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace mon {

// Memory the download writes into.
enum DownloadMemory : int { kFlashRom = 0, kStaticRam = 1 };

// value as hex digits, upper case, zero-filled to width; the last width
// digits when longer.
std::string HexDigits(uint32_t value, size_t width);

// "mr", the address as 6 hex digits, the length as 2.
std::string MemoryReadLine(uint32_t address, int16_t length);
// "z", the tone (0 4 kHz, 1 1 kHz) and the duration (0 3 ms, 1 50 ms, 2 0.5 s).
std::string BuzzerLine(int tone, int duration);
// "d", the memory digit, then the third, second and first character of
// the offset box; the offset must hold six hex digits.
std::string DownloadStartLine(int memory, const std::string& offset);
// "d9", then the third, second and first character of the address box.
std::string DownloadEndLine(const std::string& executionAddress);

// The address box over its whole length: the new read address, or nothing
// when a character is not a hex digit (an empty box is 0).
std::optional<uint32_t> AddressEntry(const std::string& text);
// The length box: exactly two hex digits give 0 to 255.
std::optional<int16_t> LengthEntry(const std::string& text);
// Six hex digits, as the offset and execution address boxes need.
bool SixHexDigits(const std::string& text);

}  // namespace mon
