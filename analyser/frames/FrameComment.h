// The two comments of a frame. A KYP file stores each as one line of
// UTF-16LE code units ended by CR LF, unescaped, so a comment must never
// put the bytes 0D 0A into its line.
#pragma once

#include <string>
#include <string_view>

namespace frames {

// The stored form of a comment typed as UTF-8: CR and LF characters are
// left out, and a character whose bytes would complete the pair 0D 0A
// (U+0A0D, or one whose low byte is 0A after a character whose high byte
// is 0D) is stored as U+FFFD. Bytes that are not UTF-8 become U+FFFD.
std::string CommentStore(std::string_view utf8);

// The UTF-8 text of a stored comment. An odd last byte and unpaired
// surrogates show as U+FFFD.
std::string CommentText(std::string_view stored);

}  // namespace frames
