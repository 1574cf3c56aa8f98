#include "FrameSearch.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace analyser {
namespace {

// The rows a search tries, in order, when nothing matches; and the row
// found when the rows in hits match.
std::vector<int32_t> Tried(int32_t current, int32_t count, int16_t direction) {
    std::vector<int32_t> rows;
    SearchRows(current, count, direction, [&](int32_t r) {
        rows.push_back(r);
        return false;
    });
    return rows;
}

int32_t Found(int32_t current, int32_t count, int16_t direction, std::set<int32_t> hits) {
    return SearchRows(current, count, direction, [&](int32_t r) { return hits.count(r) != 0; });
}

TEST(SearchOrder, EachDirectionWalksItsRows) {
    EXPECT_EQ(Tried(2, 5, kFindDown), (std::vector<int32_t>{3, 4}));
    EXPECT_EQ(Tried(2, 5, kFindUp), (std::vector<int32_t>{1, 0}));
    EXPECT_EQ(Tried(2, 5, kFindWhole), (std::vector<int32_t>{3, 4, 0, 1, 2}));
    EXPECT_EQ(Tried(4, 5, kFindDown), std::vector<int32_t>{}) << "down on the last row";
    EXPECT_EQ(Tried(0, 5, kFindUp), std::vector<int32_t>{}) << "up on the first row";
    EXPECT_EQ(Tried(4, 5, kFindWhole), (std::vector<int32_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(Tried(0, 0, kFindWhole), std::vector<int32_t>{});
    EXPECT_EQ(Tried(1, 3, 7), std::vector<int32_t>{});
}

TEST(SearchOrder, TheFirstHitInTheDirectionIsTaken) {
    EXPECT_EQ(Found(2, 10, kFindDown, {1, 5, 8}), 5);
    EXPECT_EQ(Found(6, 10, kFindUp, {1, 5, 8}), 5);
    EXPECT_EQ(Found(8, 10, kFindWhole, {1, 5, 8}), 1);
    EXPECT_EQ(Found(8, 10, kFindWhole, {8}), 8) << "the current row only when no other matches";
    EXPECT_EQ(Found(9, 10, kFindDown, {1}), -1);
    EXPECT_EQ(Found(0, 10, kFindUp, {5}), -1);
}

TEST(TextSearch, AsciiLettersMatchEitherCaseAndNothingElseFolds) {
    EXPECT_TRUE(TextMatches("xxENQyy", "enq", false));
    EXPECT_TRUE(TextMatches("enq", "ENQ", true));
    EXPECT_FALSE(TextMatches("xxENQyy", "enq", true)) << "whole field only";
    EXPECT_FALSE(TextMatches("ＥＮＱ", "ｅｎｑ", false)) << "full-width letters are not folded";
    EXPECT_FALSE(TextMatches("ＥＮＱ", "ENQ", false)) << "nor full width to half width";
    EXPECT_FALSE(TextMatches("ア", "あ", false)) << "nor katakana to hiragana";
    EXPECT_FALSE(TextMatches("ｱ", "ア", false)) << "nor half-width kana";
    EXPECT_FALSE(TextMatches("Ä", "ä", false)) << "nor letters outside ASCII";
    EXPECT_TRUE(TextMatches("問合せ受付", "合せ", false));
    EXPECT_TRUE(TextMatches("05 0A 1F", "0a", false));
    EXPECT_FALSE(TextMatches("abc", "", false)) << "an empty text finds nothing";
    EXPECT_FALSE(TextMatches("", "a", false));
    EXPECT_TRUE(TextEquals("", ""));
    EXPECT_FALSE(TextContains("[", "{")) << "only letters fold, not the bytes 0x20 apart";
}

TEST(ErrorSearch, AndWantsExactlyTheFlagsOrWantsOne) {
    const uint8_t po = ErrorMask(true, true, false);
    EXPECT_EQ(po, 3);
    EXPECT_EQ(ErrorMask(false, false, true), 4);
    EXPECT_TRUE(ErrorMatches(3, po, true));
    EXPECT_FALSE(ErrorMatches(7, po, true)) << "a framing error too";
    EXPECT_TRUE(ErrorMatches(7, po, false));
    EXPECT_TRUE(ErrorMatches(1, po, false));
    EXPECT_FALSE(ErrorMatches(4, po, false));
    EXPECT_FALSE(ErrorMatches(0, po, false));
}

TEST(DataSearch, BytesMatchAtAnyOffset) {
    const std::string frame("\x01\x02\x03\x00\x7e", 5);
    EXPECT_TRUE(DataMatches(frame, std::string("\x02\x03", 2))) << "an odd offset";
    EXPECT_TRUE(DataMatches(frame, std::string("\x03\x00\x7e", 3)));
    EXPECT_FALSE(DataMatches(frame, std::string("\x03\x7e", 2)));
    EXPECT_FALSE(DataMatches(frame, ""));
    EXPECT_FALSE(DataMatches("", "\x01"));
}

}  // namespace
}  // namespace analyser
