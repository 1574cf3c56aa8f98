// A comment is one line of the frame file: whatever the edit box holds
// becomes one line before it is stored.
#pragma once

#include <string>
#include <string_view>

namespace analyser {

// Each line break (CR LF, a lone CR or a lone LF) becomes one blank.
std::string CommentOneLine(std::string_view text);

}  // namespace analyser
