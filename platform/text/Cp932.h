// Code page 932 (Japanese Windows) text conversion.
//
// Every file and every byte stream of the monitor carries its Japanese
// text in this code page; inside the programs text is UTF-8. Both
// directions are lossy only where the other side has no such character,
// and neither ever throws or drops the text that follows a bad spot.
#ifndef PLATFORM_TEXT_CP932_H
#define PLATFORM_TEXT_CP932_H

#include <string>
#include <string_view>

namespace platform {

// Every byte that does not decode becomes one U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);

// Characters the code page lacks, and bytes that are not valid UTF-8,
// become "?"; *ok (when given) is set to false if that happened, else true.
std::string Utf8ToCp932(std::string_view utf8, bool* ok = nullptr);

// Appends utf8 to out in code page 932, exactly as Utf8ToCp932 converts it.
// ASCII, the same in both, is copied as it stands and only the runs between
// go through the converter, so mostly-ASCII text costs a copy.
void AppendCp932(std::string& out, std::string_view utf8);

}  // namespace platform

#endif
