// UTF-16 little-endian bytes, as files and byte streams carry them, read
// into the programs' UTF-8 text.
#ifndef PLATFORM_TEXT_UTF16_H
#define PLATFORM_TEXT_UTF16_H

#include <string>
#include <string_view>

namespace platform {

// Two bytes to a code unit, low byte first. An unpaired surrogate and the
// last byte of an odd-length text each become U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes);

// Appends one code point as UTF-8.
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace platform

#endif
