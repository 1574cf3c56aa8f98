// Pieces of HTML text for the standard export: cells, rows, tables and the
// document head. Each returns one string; nothing is escaped here, so the
// caller escapes the texts it puts into cells (HtmlEscape).
#pragma once

#include <string>
#include <string_view>

namespace reports {

class clsHTML {
public:
    const std::string& RdColor() const { return rdColor_; }
    void RdColor(std::string aColor) { rdColor_ = std::move(aColor); }

    static std::string CellCreate(std::string_view aStr);
    static std::string CellXCreate(std::string_view aStr, std::string_view x);
    static std::string CellYCreate(std::string_view aStr, std::string_view y);
    static std::string CellXYCreate(std::string_view aStr, std::string_view x, std::string_view y);
    static std::string RowCreate();
    static std::string TblStart(std::string_view border, std::string_view cellspacing,
                                std::string_view cellpadding);
    static std::string TblEnd();
    // The head, with the style rules of the two row classes, and <BODY>.
    // The title goes in as it is given.
    std::string HTMLHeader(std::string_view title) const;
    static std::string SDRowCreate();
    static std::string RDRowCreate();

private:
    std::string sdColor_ = "#FFFFFF";
    std::string rdColor_ = "#FFFFFF";
};

}  // namespace reports
