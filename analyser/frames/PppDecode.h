// Dividing a PPP frame (RFC 1662 framing) into the seven items of the
// built-in PPP configuration: flag, address, control, protocol,
// information, FCS and closing flag. Address and control (FF 03) may be
// left out; a protocol field whose first byte is even has two bytes;
// inside address, control, protocol and information a 0x7D escapes the
// byte after it, which is restored by XOR 0x20.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ItemWalk.h"

namespace frames {

inline constexpr int kPppItemCount = 7;

// Decodes data (the frame's bytes, without the file's escapes) into
// itemCount items; with fewer than 7 items, or without the opening flag
// 0x7E, all stay empty. restored, when given, receives data with each
// escaped byte replaced by its restored value (the 0x7D stays in front of
// it).
void PppFieldsDecode(std::string_view data, int itemCount, std::vector<DecodedItem>& items,
                     std::string* restored = nullptr);

// The frame's bytes as the PPP decoder restored them, without the 0x7D
// escape bytes, except in the last four positions (FCS and flag, which are
// taken as they stand).
std::string PppDataOrg(std::string_view restored);

}  // namespace frames
