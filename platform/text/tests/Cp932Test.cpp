#include "Cp932.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace platform {
namespace {

TEST(Cp932, KnownCharactersConvertBothWays) {
    const std::pair<std::string, std::string> pairs[] = {
        {"\x82\xA0", "あ"},   {"\xB1", "ｱ"},       {"\x87\x40", "①"},  // NEC extension
        {"\x5C", "\\"},       {"\x7E", "~"},       {"\x81\x8F", "￥"},
        {"\x81\x60", "～"},   {"\xCA\xDE\xB0\xBC\xDE\xAE\xDD", "ﾊﾞｰｼﾞｮﾝ"},
    };
    for (const auto& [cp932, utf8] : pairs) {
        EXPECT_EQ(Cp932ToUtf8(cp932), utf8);
        bool ok = false;
        EXPECT_EQ(Utf8ToCp932(utf8, &ok), cp932);
        EXPECT_TRUE(ok) << utf8;
    }
}

TEST(Cp932, BadBytesBecomeOneReplacementEachAndTextGoesOn) {
    EXPECT_EQ(Cp932ToUtf8("A\x80" "B\xFD\xFE"), "A\uFFFD" "B\uFFFD\uFFFD");
    // A lead byte whose partner is not a trail byte must not eat the comma.
    EXPECT_EQ(Cp932ToUtf8("\x82,\x82\xA0\x82"), "\uFFFD,あ\uFFFD");
    EXPECT_EQ(Cp932ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp932, UnencodableTextBecomesQuestionMarks) {
    bool ok = true;
    EXPECT_EQ(Utf8ToCp932("a€b", &ok), "a?b");  // one "?" for the whole character
    EXPECT_FALSE(ok);
    ok = true;
    EXPECT_EQ(Utf8ToCp932("x\xFFy\xED\xA0\x80z\xE3\x81", &ok), "x?y???z??");
    EXPECT_FALSE(ok);
    EXPECT_EQ(Utf8ToCp932("", &ok), "");
    EXPECT_TRUE(ok);
}

TEST(Cp932, AppendingConvertsExactlyAsTheWholeTextWould) {
    const std::string texts[] = {
        "",          "plain ASCII, with \\ and ~",  "ｱｲｳ,SD,あ,RD",       "a€b",
        "x\xFFy\xED\xA0\x80z\xE3\x81", "\xE3\x81,",  "末尾の漢字", std::string("a\0あ", 5),
    };
    for (const std::string& text : texts) {
        std::string out = "kept:";
        AppendCp932(out, text);
        EXPECT_EQ(out, "kept:" + Utf8ToCp932(text)) << text;
    }
}

TEST(Cp932, ThreadsDoNotShareConversionState) {
    std::vector<int> failures(4, 0);
    std::vector<std::thread> threads;
    for (int& failed : failures) {
        threads.emplace_back([&failed] {
            for (int i = 0; i < 2000; ++i) {
                failed += Cp932ToUtf8("\x82\xA0\x80\xB1") != "あ\uFFFDｱ";
                failed += Utf8ToCp932("①€") != "\x87\x40?";
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (const int failed : failures) EXPECT_EQ(failed, 0);
}

}  // namespace
}  // namespace platform
