#include <gtest/gtest.h>

#include <string>

#include "FrameCaption.h"

namespace analyser {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (const int v : values) s += static_cast<char>(v);
    return s;
}

TEST(FrameCaption, HexShowsEveryByteWithOneBlankBetween) {
    const std::string crlfA = Bytes({0x0D, 0x0A, 0x41});
    EXPECT_EQ(fBytesToText(crlfA, FrameViewCode::Hex), "0D 0A 41");
    EXPECT_EQ(fBytesToText(Bytes({0x00, 0xFF, 0x7d}), FrameViewCode::Hex), "00 FF 7D");
    const std::string many(100, '\x10');
    EXPECT_EQ(fBytesToText(many, FrameViewCode::Hex).size(), 3 * many.size() - 1);
    EXPECT_EQ(fBytesToText("", FrameViewCode::Hex), "");
}

TEST(FrameCaption, AsciiTakesEachByteAloneAndDropsLineBreaks) {
    EXPECT_EQ(fBytesToText(Bytes({0x0D, 0x0A, 0x41}), FrameViewCode::Ascii), "A");
    EXPECT_EQ(fBytesToText(Bytes({0x41, 0x0D, 0x42, 0x0A, 0x43}), FrameViewCode::Ascii), "ABC");
    EXPECT_EQ(fBytesToText(Bytes({0xB1, 0xDF, 0xA1}), FrameViewCode::Ascii), "ｱﾟ｡");
    // A lead byte means nothing alone: 82 A0 is not あ here but two characters.
    EXPECT_EQ(fBytesToText(Bytes({0x82, 0xA0}), FrameViewCode::Ascii), "\uFFFD\uFFFD");
    EXPECT_EQ(fBytesToText(Bytes({0x80, 0xE0, 0xFF}), FrameViewCode::Ascii),
              "\uFFFD\uFFFD\uFFFD");
}

TEST(FrameCaption, UnicodeReadsLittleEndianPairs) {
    EXPECT_EQ(fBytesToText(Bytes({0x41, 0x00, 0x42, 0x00}), FrameViewCode::Unicode), "AB");
    EXPECT_EQ(fBytesToText(Bytes({0x42, 0x30, 0x0D, 0x00, 0x0A, 0x00, 0x44, 0x30}),
                           FrameViewCode::Unicode),
              "あい");
    EXPECT_EQ(fBytesToText(Bytes({0x41, 0x00, 0x42}), FrameViewCode::Unicode), "A\uFFFD")
        << "odd last byte";
    // 0D 0A as one unit is U+0A0D, a letter, not a line break.
    EXPECT_EQ(fBytesToText(Bytes({0x0D, 0x0A}), FrameViewCode::Unicode), "\u0A0D");
}

TEST(FrameCaption, ShiftJisDecodesOneAndTwoByteCharacters) {
    EXPECT_EQ(fBytesToText(Bytes({0x82, 0xA0, 0x41, 0xB1, 0x0D, 0x0A, 0x5C}), FrameViewCode::ShiftJis),
              "あAｱ\\");
    EXPECT_EQ(fBytesToText(Bytes({0x41, 0x82}), FrameViewCode::ShiftJis), "A\uFFFD")
        << "a lead byte without its trail byte";
}

}  // namespace
}  // namespace analyser
