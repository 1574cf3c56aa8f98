// Small helpers the monitor's windows share: where a sub-window opens, the
// shortening of long folder paths for display, and the build of the
// display-code table. Pure functions; the windows apply the results.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "his/store/PathShorten.h"
#include "platform/ui/Placement.h"

namespace mon {

// How a sub-window places itself.
enum class SubFormKind {
    Message,  // the step window: centred on the main window
    Picker,   // the code and string pickers: beside the pointer
    Other,    // every other window: down and right of its owner
};

// The kind of a window by its form name: "frmMessage", "frmString" and
// "frmCode" have their own rules, every other name is Other.
SubFormKind SubFormKindOf(std::string_view formName);

// Everything the placement looks at besides the window itself (twips).
struct SubFormContext {
    platform::TwipsRect owner;  // the window that opens the sub-window
    platform::TwipsRect main;   // the main window
    int screenWidth = 0;
    int screenHeight = 0;
    float anchorX = 0;  // the pointer over the trigger grids
    float anchorY = 0;
};

// The sub-window's rect (its size unchanged) for a width x height window.
// A window that would run off the screen is pulled back 500 twips above the
// bottom and 100 twips inside the right edge; a picker that would run off
// the right opens to the left of the pointer instead.
platform::TwipsRect SubFormPlace(const SubFormContext& where, SubFormKind kind, int width,
                                 int height);
platform::TwipsRect SubFormPlace(const SubFormContext& where, std::string_view formName, int width,
                                 int height);

// Long paths in labels are shortened as everywhere else.
using store::PathShorten;

// Takes the next comma field off text, trimmed of blanks; without a comma
// the text up to the first CR (or all of it), untrimmed, and text stays as
// it is. An empty field comes back as two blanks, the display of "no text".
std::string CodeFieldCut(std::string& text);

// The question for a drive that cannot be read: the drive upper-cased and
// followed by "\", then " にアクセスできません。", an empty line and
// "デバイスの準備ができていません。"; lines end in CR LF.
std::string DriveNotReadyText(const std::string& drive);

// Fills store::CodeTable from the compiled-in strings of the 256 byte values.
void CodeTableBuild();

// The number of characters of UTF-8 text.
size_t Utf8Length(std::string_view text);

}  // namespace mon
