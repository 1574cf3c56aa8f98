#include "FileText.h"

#include "platform/text/Cp932.h"

namespace frames {

FileText FileText::FromStored(std::string stored) {
    FileText t;
    t.text_ = platform::Cp932ToUtf8(stored);
    t.stored_ = std::move(stored);
    return t;
}

FileText FileText::FromUtf8(std::string_view text) {
    FileText t;
    t.stored_ = platform::Utf8ToCp932(text);
    // What the file will hold is what the program shows from now on.
    t.text_ = platform::Cp932ToUtf8(t.stored_);
    return t;
}

}  // namespace frames
