// The text a chart row shows for a frame's bytes when no link table names
// the frame, in the display code the View menu has checked.
#pragma once

#include <string>
#include <string_view>

namespace analyser {

enum class FrameViewCode { Hex, Ascii, Unicode, ShiftJis };

// The bytes as UTF-8 text in code:
//   Hex       two upper-case digits a byte, one blank between bytes;
//   Ascii     each byte alone as a character of code page 932: 0x00-0x7F
//             as ASCII, 0xA1-0xDF as half-width katakana, every other
//             byte (a lead byte, which means nothing by itself) as U+FFFD;
//   Unicode   UTF-16 little-endian (an odd last byte or an unpaired
//             surrogate as U+FFFD);
//   ShiftJis  decoded as code page 932.
// Carriage returns and line feeds are removed from the result wherever
// they stand, so a caption is always one line.
std::string fBytesToText(std::string_view bytes, FrameViewCode code);

}  // namespace analyser
