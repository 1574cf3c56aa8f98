// Turns characters into the text of the grid's text column for each
// display code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "Utf16.h"

namespace viewer {

// The text of one display line as it is collected cell by cell, then
// finished into UTF-8. Codes 0 to 5 join code-table texts; codes 6 and 7
// collect raw bytes and decode the whole line at the end, since one
// character there spans two cells.
class LineText {
public:
    // code: the display code in use; a 0 becomes 1 at the first character
    // rendered, as the viewer's current code does. captureMode is the
    // history's monitoring code (clsCommon DspMode).
    LineText(int16_t& code, int16_t captureMode) : code_(code), captureMode_(captureMode) {}

    void AddChar(uint8_t byte, bool jis7Flag);
    void AddBlank();
    std::string Finish() const;

private:
    int16_t& code_;
    int16_t captureMode_;
    std::string text_;
};

// The line's bytes read as UTF-16 little-endian.
using platform::Utf16LeToUtf8;

// The "Code" status panel text of a display code.
std::string CodePanelText(int16_t code);

}  // namespace viewer
