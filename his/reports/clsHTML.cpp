#include "clsHTML.h"

#include "HtmlText.h"

namespace reports {

namespace {

std::string Quoted(std::string_view value) { return "\"" + std::string(value) + "\""; }

std::string Cell(std::string_view attributes, std::string_view text) {
    return "<TD" + std::string(attributes) + ">" + std::string(text) + "</TD>";
}

}  // namespace

std::string clsHTML::CellCreate(std::string_view aStr) { return Cell("", aStr); }

std::string clsHTML::CellXCreate(std::string_view aStr, std::string_view x) {
    return Cell(" COLSPAN=" + Quoted(x), aStr);
}

std::string clsHTML::CellYCreate(std::string_view aStr, std::string_view y) {
    return Cell(" ROWSPAN=" + Quoted(y), aStr);
}

std::string clsHTML::CellXYCreate(std::string_view aStr, std::string_view x, std::string_view y) {
    return Cell(" COLSPAN=" + Quoted(x) + " ROWSPAN=" + Quoted(y), aStr);
}

std::string clsHTML::RowCreate() { return "<TR>"; }

std::string clsHTML::TblStart(std::string_view border, std::string_view cellspacing,
                              std::string_view cellpadding) {
    return "<p><TABLE BORDER=" + Quoted(border) + " CELLSPACING=" + Quoted(cellspacing) +
           " CELLPADDING=" + Quoted(cellpadding) + ">";
}

std::string clsHTML::TblEnd() { return "</TABLE>"; }

std::string clsHTML::HTMLHeader(std::string_view title) const {
    return std::string("<HTML><HEAD>") + kCharsetMeta + "<TITLE>" + std::string(title) +
           "</TITLE><STYLE TYPE=" + Quoted("text/css") + "><!--" + "TR{VERTICAL-ALIGN: TOP;}" +
           "TR.SD{BACKGROUND-COLOR: " + sdColor_ + ";TEXT-ALIGN: CENTER;}" +
           "TR.RD{BACKGROUND-COLOR: " + rdColor_ + ";TEXT-ALIGN: CENTER;}" +
           "--></STYLE></HEAD><BODY>";
}

std::string clsHTML::SDRowCreate() { return "<TR CLASS=" + Quoted("SD") + ">"; }

std::string clsHTML::RDRowCreate() { return "<TR CLASS=" + Quoted("RD") + ">"; }

}  // namespace reports
