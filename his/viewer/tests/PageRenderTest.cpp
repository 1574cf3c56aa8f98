#include <gtest/gtest.h>

#include "CodeTable.h"
#include "CodeText.h"
#include "GridSetup.h"
#include "PageRender.h"
#include "ViewerTestHistory.h"

namespace viewer {
namespace {

using namespace viewer::test;

TEST(DualPage, SdAndPairedRdShareACellAndLinesCarryNumbersAndLabels) {
    store::clsCommon doc;
    Add(doc, kSd, 'A', store::kAttrSame);
    Add(doc, kRd, 'B', store::kAttrParity);
    Add(doc, kRd, 'C');
    Add(doc, kSd, 'D');
    ViewerState st = Loaded(doc, kLineDual, 3, 2);
    GridPage page = PageBuild(st, doc);
    EXPECT_EQ(page.Text(0, 1), "No.");
    EXPECT_EQ(page.Text(0, 5), "2");
    EXPECT_EQ(page.Text(1, 1), "00001");
    EXPECT_EQ(page.Text(2, 1), "00001");
    EXPECT_EQ(page.Text(1, 2), "S");
    EXPECT_EQ(page.Text(2, 2), "R");
    EXPECT_EQ(page.Text(1, 3), " 41");
    EXPECT_EQ(page.Text(2, 3), "p42");
    EXPECT_EQ(page.Text(1, 4), "");
    EXPECT_EQ(page.Text(2, 4), " 43");
    EXPECT_EQ(page.Text(1, 5), " 44");
    EXPECT_EQ(page.Text(1, st.TextCol), "Ａ  Ｄ");
    EXPECT_EQ(page.Text(2, st.TextCol), "ＢＣ  ");
    EXPECT_EQ(page.Text(5, 1), "") << "after the last record the page stays empty";
}

TEST(SdRdPage, OtherDirectionTakesNoCellAndNumbersCountThatDirection) {
    store::clsCommon doc;
    for (int i = 0; i < 9; ++i) {
        Add(doc, kSd, static_cast<uint8_t>('a' + i));
        Add(doc, kRd, static_cast<uint8_t>('0' + i));
    }
    ViewerState sd = Loaded(doc, kLineSd, 4, 2);
    GridPage page = PageBuild(sd, doc);
    EXPECT_EQ(page.Text(1, 1), "00001");
    EXPECT_EQ(page.Text(1, 2), "S");
    EXPECT_EQ(page.Text(1, 3), " 61");
    EXPECT_EQ(page.Text(1, 6), " 64");
    EXPECT_EQ(page.Text(2, 3), " 65");

    ViewerState rd = Loaded(doc, kLineRd, 4, 2);
    rd.Scroll.Value = 2;
    ScrollPosSet(rd, doc);
    GridPage last = PageBuild(rd, doc);
    EXPECT_EQ(last.Text(1, 1), "00003");
    EXPECT_EQ(last.Text(1, 2), "R");
    EXPECT_EQ(last.Text(1, 3), " 38");
    EXPECT_EQ(last.Text(1, rd.TextCol), "８      ");
    EXPECT_EQ(last.Text(1, 4), "") << "the ninth RD character was the last";
    EXPECT_EQ(last.Text(2, 1), "") << "no line without a character";
}

std::string FirstLineText(int16_t code, const store::clsCommon& doc, int16_t c = 8) {
    ViewerState st = Loaded(doc, kLineSd, c, 1);
    st.DspCode = code;
    return PageBuild(st, doc).Text(1, st.TextCol);
}

TEST(DisplayCodes, CodeTableFormsAndTheJis7KanaShift) {
    store::clsCommon doc;
    doc.DspMode("2");
    Add(doc, kSd, 0x31);
    Add(doc, kSd, 0x31, store::kAttrJis7);  // shifted out: kana
    Add(doc, kSd, 0x31);                    // shifted back in
    EXPECT_EQ(FirstLineText(2, doc, 3), "１ア１");
    EXPECT_EQ(FirstLineText(1, doc, 3), "１ア１") << "the shift wins in every code";
    EXPECT_EQ(FirstLineText(3, doc, 3), "アアア");

    store::clsCommon ascii;
    Add(ascii, kSd, 0x31, store::kAttrJis7);
    EXPECT_EQ(FirstLineText(1, ascii, 1), "１") << "only a JIS7 capture honours the flag";

    store::clsCommon ebcdic;
    Add(ebcdic, kSd, 0xC1);
    EXPECT_EQ(FirstLineText(5, ebcdic, 1), "Ａ");

    ViewerState st = Loaded(ebcdic, kLineSd, 1, 1);
    st.DspCode = 0;
    EXPECT_EQ(PageBuild(st, ebcdic).Text(1, st.TextCol), store::CodeTable[store::kFormAscii][0xC1]);
    EXPECT_EQ(st.DspCode, 1) << "code 0 becomes ASCII once used";
}

TEST(DisplayCodes, ShiftJisShowsControlBytesAsDotsAndACutLeadByteAsReplacement) {
    store::clsCommon doc;
    AddAll(doc, kSd, {0x82, 0xA0, 0x0D, 0x0A, 'A', 0x82});
    EXPECT_EQ(FirstLineText(7, doc, 6), "あ..A\uFFFD");
    EXPECT_EQ(FirstLineText(7, doc, 8), "あ..A\uFFFD  ") << "blank positions stay blanks";
}

TEST(DisplayCodes, UnicodeReadsPairsAndAnOddLastByteIsReplacement) {
    store::clsCommon doc;
    AddAll(doc, kSd, {0x42, 0x30, 0x41, 0x00, 0x7A});
    EXPECT_EQ(FirstLineText(6, doc, 5), "あA\uFFFD");
    EXPECT_EQ(Utf16LeToUtf8(std::string("\x3D\xD8\x00\xDE", 4)), "\U0001F600");
    EXPECT_EQ(Utf16LeToUtf8(std::string("\x00\xD8\x41\x00", 4)), "\uFFFDA") << "lone surrogate";
}

TEST(DisplayCodes, DualBlanksOfCodesSixAndSevenAreSingleSpaces) {
    store::clsCommon doc;
    Add(doc, kSd, 0x41);
    Add(doc, kRd, 0x00);
    ViewerState st = Loaded(doc, kLineDual, 2, 1);
    st.DspCode = 6;
    GridPage page = PageBuild(st, doc);
    EXPECT_EQ(page.Text(1, st.TextCol), "\u2041") << "0x41 then a blank 0x20";
    EXPECT_EQ(CodePanelText(7), "ｼﾌﾄ JIS");
    EXPECT_EQ(CodePanelText(0), "ASCII");
}

TEST(MarkColours, OnlyInDualAndOnlyOnThePage) {
    store::clsCommon doc;
    for (int i = 0; i < 12; ++i) Add(doc, i % 3 == 2 ? kRd : kSd, 'x', i == 0 ? store::kAttrTrig : 0);
    ViewerState st = Loaded(doc, kLineDual, 2, 2);
    st.MarkBegin = 2;
    st.MarkEnd = 11;
    GridPage page = PageBuild(st, doc);
    EXPECT_EQ(page.At(1, 3).Back, st.Colors.TrigBack) << "a trigger on record 0 is coloured";
    EXPECT_EQ(page.At(6, 3).Back, st.Colors.MarkBack) << "record 2 is RD at position 2";
    int coloured = 0;
    for (const PageCell& cell : page.Cells) coloured += cell.Back.has_value();
    EXPECT_EQ(coloured, 2) << "the END mark lies beyond the page";

    st.DspLine = kLineSd;
    HistoryAttach(st, doc);
    GridLayout(st, doc, 1000 + 400 * 4, 240 + 240 * 2, 255);
    GridPage sd = PageBuild(st, doc);
    for (const PageCell& cell : sd.Cells) EXPECT_FALSE(cell.Back.has_value());

    store::clsCommon plain;
    Add(plain, kSd, 'x');
    ViewerState none = Loaded(plain, kLineDual, 2, 2);
    none.MarkBegin = none.MarkEnd = -1;
    for (const PageCell& cell : PageBuild(none, plain).Cells) EXPECT_FALSE(cell.Back.has_value());
}

}  // namespace
}  // namespace viewer
