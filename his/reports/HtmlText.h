// Text for the HTML files: escaping of cell texts, and lines written in
// code page 932 with CR LF.
#pragma once

#include <string>
#include <string_view>

namespace platform {
class AtomicFile;
}

namespace reports {

// Tells browsers how the files are encoded; the head carries it first.
inline constexpr char kCharsetMeta[] = "<meta charset=\"Shift_JIS\">";

// "&", "<" and ">" as character references, so no text can open a tag.
std::string HtmlEscape(std::string_view text);

// UTF-8 text in code page 932; a character the code page lacks becomes a
// numeric character reference ("&#8364;"), so it still shows in a browser.
std::string HtmlCp932(std::string_view utf8);

// Writes lines of HTML to a file: each in code page 932, then CR LF.
class HtmlLineWriter {
public:
    explicit HtmlLineWriter(platform::AtomicFile& file) : file_(file) {}
    void Line(std::string_view utf8);

private:
    platform::AtomicFile& file_;
};

}  // namespace reports
