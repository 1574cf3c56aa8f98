#include <gtest/gtest.h>

#include <cstdio>

#include "CodeTable.h"
#include "CodeTableStrings.h"
#include "platform/text/Cp932.h"

namespace store {
namespace {

const std::string& Text(CodeForm form, int value) {
    return CodeTable[static_cast<size_t>(form)][static_cast<size_t>(value)];
}

// The full-width form of a printable ASCII character.
std::string FullWidth(int c) {
    const char32_t cp = U'\uFF01' + static_cast<char32_t>(c - 0x21);
    std::string s;
    s += static_cast<char>(0xE0 | (cp >> 12));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
    return s;
}

class CodeTableTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CodeTableRead(); }
};

TEST_F(CodeTableTest, EveryByteHasSixFormsAndHexIsItsValue) {
    EXPECT_EQ(CodeTableString(-1), nullptr);
    EXPECT_EQ(CodeTableString(256), nullptr);
    for (int v = 0; v < 256; ++v) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", v);
        EXPECT_EQ(Text(kFormHex, v), hex);
        for (int form = 0; form < kCodeFormCount; ++form) {
            EXPECT_FALSE(Text(static_cast<CodeForm>(form), v).empty()) << form << "," << v;
        }
    }
}

TEST_F(CodeTableTest, EmptyFieldsBecomeTwoBlanks) {
    EXPECT_EQ(Text(kFormAscii, 0xA0), "SP");
    EXPECT_EQ(Text(kFormJis7Kana, 0xA0), "SP");
    EXPECT_EQ(Text(kFormJis7, 0xA0), "  ");
    EXPECT_EQ(Text(kFormJis8, 0xA0), "  ");
    EXPECT_EQ(Text(kFormEbcdic, 0xA0), "  ");
    EXPECT_EQ(Text(kFormJis7Kana, 0x7E), "  ");
    EXPECT_EQ(Text(kFormEbcdic, 0xFF), "EO");
}

TEST_F(CodeTableTest, PrintableAsciiShowsItsFullWidthForm) {
    for (int c = 0x21; c <= 0x7E; ++c) {
        if (c == '"' || c == '\'' || c == '~') continue;  // shown as ” ’ ～
        EXPECT_EQ(Text(kFormAscii, c), FullWidth(c)) << c;
        EXPECT_EQ(Text(kFormAscii, c + 0x80), FullWidth(c)) << c + 0x80;
    }
    EXPECT_EQ(Text(kFormAscii, '"'), "”");
    EXPECT_EQ(Text(kFormAscii, '~'), "～");
    EXPECT_EQ(Text(kFormJis7, '\\'), "￥");
    EXPECT_EQ(Text(kFormJis7, '~'), "￣");
    EXPECT_EQ(Text(kFormAscii, 0x7F), "DE");
    EXPECT_EQ(Text(kFormEbcdic, 0xC1), "Ａ");
}

TEST_F(CodeTableTest, KanaColumnsAgreeAndEveryTextFitsCodePage932) {
    for (int v = 0xA1; v <= 0xDF; ++v) {
        EXPECT_EQ(Text(kFormJis8, v), Text(kFormJis7Kana, v - 0x80)) << v;
        EXPECT_EQ(Text(kFormJis7Kana, v), Text(kFormJis8, v)) << v;
    }
    EXPECT_EQ(Text(kFormJis8, 0xB1), "ア");
    for (int form = 0; form < kCodeFormCount; ++form) {
        for (int v = 0; v < 256; ++v) {
            bool ok = true;
            platform::Utf8ToCp932(Text(static_cast<CodeForm>(form), v), &ok);
            EXPECT_TRUE(ok) << form << "," << v;
        }
    }
}

}  // namespace
}  // namespace store
