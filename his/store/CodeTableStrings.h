// The compiled-in display strings of the 256 byte values.
#pragma once

namespace store {

constexpr int kCodeTableStringCount = 256;

// The string of byte value id (0-255), UTF-8; nullptr for any other id.
const char* CodeTableString(int id);

}  // namespace store
