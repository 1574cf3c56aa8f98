// A text field of the frame files (KYP, KYF, KYL): the code page 932 bytes
// as the file holds them, and the same text in UTF-8 for the program.
// Keeping the stored bytes lets a file be written back exactly as it was
// read, even where its bytes do not decode.
#pragma once

#include <string>
#include <string_view>

namespace frames {

class FileText {
public:
    FileText() = default;

    static FileText FromStored(std::string stored);
    static FileText FromUtf8(std::string_view text);

    // The bytes as they stand in the file.
    const std::string& Stored() const { return stored_; }
    // The text; bytes that do not decode show as U+FFFD.
    const std::string& Text() const { return text_; }
    bool empty() const { return stored_.empty(); }

    friend bool operator==(const FileText& a, const FileText& b) { return a.stored_ == b.stored_; }

private:
    std::string stored_;
    std::string text_;
};

}  // namespace frames
