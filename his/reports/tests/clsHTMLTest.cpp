#include <gtest/gtest.h>

#include "HtmlText.h"
#include "clsHTML.h"

namespace reports {
namespace {

TEST(clsHTML, BuildsItsPiecesWithQuotedNumbers) {
    EXPECT_EQ(clsHTML::CellCreate(""), "<TD></TD>");
    EXPECT_EQ(clsHTML::CellXCreate("a", "3"), "<TD COLSPAN=\"3\">a</TD>");
    EXPECT_EQ(clsHTML::CellYCreate("a", "2"), "<TD ROWSPAN=\"2\">a</TD>");
    EXPECT_EQ(clsHTML::CellXYCreate("a", "3", "2"), "<TD COLSPAN=\"3\" ROWSPAN=\"2\">a</TD>");
    EXPECT_EQ(clsHTML::TblStart("0", "0", "5"),
              "<p><TABLE BORDER=\"0\" CELLSPACING=\"0\" CELLPADDING=\"5\">");
    EXPECT_EQ(clsHTML::SDRowCreate(), "<TR CLASS=\"SD\">");
    EXPECT_EQ(clsHTML::RDRowCreate(), "<TR CLASS=\"RD\">");
    EXPECT_EQ(clsHTML::CellCreate("<b>"), "<TD><b></TD>") << "markup passes as it is";
}

TEST(clsHTML, TheHeadCarriesTheCharsetTheTitleAndBothRowColours) {
    clsHTML html;
    html.RdColor("#C0FFFF");
    EXPECT_EQ(html.HTMLHeader("C:\\data\\x.html"),
              "<HTML><HEAD><meta charset=\"Shift_JIS\"><TITLE>C:\\data\\x.html</TITLE>"
              "<STYLE TYPE=\"text/css\"><!--TR{VERTICAL-ALIGN: TOP;}"
              "TR.SD{BACKGROUND-COLOR: #FFFFFF;TEXT-ALIGN: CENTER;}"
              "TR.RD{BACKGROUND-COLOR: #C0FFFF;TEXT-ALIGN: CENTER;}--></STYLE></HEAD><BODY>");
}

TEST(HtmlText, EscapesMarkupAndEncodesInCodePage932) {
    EXPECT_EQ(HtmlEscape("a<b>&c"), "a&lt;b&gt;&amp;c");
    EXPECT_EQ(HtmlEscape("&nbsp;"), "&amp;nbsp;");
    EXPECT_EQ(HtmlCp932("ＡｱA"), "\x82\x60\xB1\x41");
    EXPECT_EQ(HtmlCp932("x€y"), "x&#8364;y") << "a character the code page lacks stays readable";
    EXPECT_EQ(HtmlCp932("－"), "\x81\x7C");
}

}  // namespace
}  // namespace reports
