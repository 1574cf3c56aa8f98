// Printed PDF documents read back for tests: the text of each page as
// pdftotext lays it out.
#pragma once

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

namespace pdftext {

// The command's standard output.
inline std::string Run(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[65536];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

// text cut at every separator; what follows the last one is dropped.
inline std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    return parts;
}

// The text of each page in pdftotext's layout mode; options are further
// pdftotext options ("-fixed 5": a fixed character pitch in points).
inline std::vector<std::string> Pages(const std::string& path, const std::string& options = "") {
    return Split(Run("pdftotext -layout " + options + " '" + path + "' - 2>/dev/null"), '\f');
}

// The line of page holding text, "" when none does.
inline std::string LineWith(const std::string& page, const std::string& text) {
    for (const std::string& line : Split(page, '\n')) {
        if (line.find(text) != std::string::npos) return line;
    }
    return {};
}

// Where a word stands on its page, in points from the page's top left.
struct WordBox {
    int Page = 0;  // from 1
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
    double PageWidth = 0, PageHeight = 0;
    std::string Text;
};

// Every word of the document with its box (pdftotext -bbox).
inline std::vector<WordBox> Words(const std::string& path) {
    static const std::regex page(R"re(<page width="([\d.]+)" height="([\d.]+)")re");
    static const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*)</word>)re");
    std::vector<WordBox> words;
    int pageNo = 0;
    double width = 0, height = 0;
    for (const std::string& line : Split(Run("pdftotext -bbox '" + path + "' - 2>/dev/null"), '\n')) {
        std::smatch m;
        if (std::regex_search(line, m, page)) {
            ++pageNo;
            width = std::stod(m[1]);
            height = std::stod(m[2]);
        } else if (std::regex_search(line, m, word)) {
            words.push_back({pageNo, std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]),
                             width, height, m[5]});
        }
    }
    return words;
}

}  // namespace pdftext
