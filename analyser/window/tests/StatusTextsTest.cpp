#include <gtest/gtest.h>

#include "RowNumberInput.h"
#include "StatusTexts.h"
#include "VbDate.h"

namespace analyser {
namespace {

TEST(StatusTexts, CharacterTimeHasOneFormPerMagnitude) {
    EXPECT_EQ(ChrTimeText(1, -1), "****");
    EXPECT_EQ(ChrTimeText(1, 0), "0ms");
    EXPECT_EQ(ChrTimeText(1, 999), "999ms");
    EXPECT_EQ(ChrTimeText(1, 1000), "1s");
    EXPECT_EQ(ChrTimeText(1, 1500), "1.5s");
    EXPECT_EQ(ChrTimeText(1, 12345), "12.345s");
    EXPECT_EQ(ChrTimeText(1, 999999), "999.999s");
    EXPECT_EQ(ChrTimeText(1, 1000000), "1,000s");
    EXPECT_EQ(ChrTimeText(1, 2500000), "2,500s");
    EXPECT_EQ(ChrTimeText(1, 10230000), "10,230s");
    EXPECT_EQ(ChrTimeText(1, 1000500), "1,001s") << "to the nearest whole second";
    EXPECT_EQ(ChrTimeText(0, 1500), "-") << "recording without character times";
    EXPECT_EQ(ChrTimeText(0, -1), "-");
}

TEST(StatusTexts, PanelsOfOneFrame) {
    FrameStatus f;
    f.Date = *platform::MakeDate({2024, 3, 5, 7, 8, 9});
    f.ChrTimeSetting = 1;
    f.ChrTime = 20;
    f.Chanel = 1;
    f.Same = 1;
    f.Trigger = 1;
    f.Error = 3;
    f.Cut = 2;
    const FramePanels p = FramePanelTexts(f);
    EXPECT_EQ(p[0], "2024/03/05 07:08:09");
    EXPECT_EQ(p[1], "20ms");
    EXPECT_EQ(p[2], "RD");
    EXPECT_EQ(p[3], "同着");
    EXPECT_EQ(p[4], "トリガ");
    EXPECT_EQ(p[5], "q");
    EXPECT_EQ(p[6], "文字間時間");

    const FramePanels plain = FramePanelTexts(FrameStatus{});
    EXPECT_EQ(plain[0], "1899/12/30 00:00:00");
    EXPECT_EQ(plain[1], "-");
    EXPECT_EQ(plain[2], "SD");
    EXPECT_EQ(plain[3], "");
    EXPECT_EQ(plain[4], "");
    EXPECT_EQ(plain[5], "") << "no error shows an empty panel";
    EXPECT_EQ(plain[6], "フレーム");
}

TEST(StatusTexts, ErrorLettersAndCutKinds) {
    const char* letters[] = {"", "p", "o", "q", "f", "j", "i", "x"};
    for (int e = 0; e <= 7; ++e) EXPECT_EQ(ErrorText(e), letters[e]) << e;
    EXPECT_EQ(ErrorText(8), "");
    EXPECT_EQ(CutText(0), "フレーム");
    EXPECT_EQ(CutText(1), "CRLF");
    EXPECT_EQ(CutText(2), "文字間時間");
    EXPECT_EQ(CutText(3), "任意文字列");
}

TEST(StatusTexts, RowBoxAndCounter) {
    EXPECT_EQ(RowCountText(0), "/ 0");
    EXPECT_EQ(RowCountText(1000000), "/ 1000000");
    EXPECT_EQ(CurrentRowText(0, 0), "0") << "an empty chart";
    EXPECT_EQ(CurrentRowText(0, 5), "1");
    EXPECT_EQ(CurrentRowText(24, 100), "25");
}

TEST(RowNumberInput, TakesDigitsBackspaceAndAPointOnly) {
    for (char32_t c : {U'0', U'5', U'9', U'.', char32_t{8}}) EXPECT_TRUE(RowBoxAccepts(c));
    for (char32_t c : {U'a', U'-', U'+', U' ', U',', U'e', U'５', char32_t{13}}) {
        EXPECT_FALSE(RowBoxAccepts(c)) << static_cast<int>(c);
    }
}

TEST(RowNumberInput, ReadsWholeNumbersSafely) {
    EXPECT_EQ(RowBoxNumber("25"), 25);
    EXPECT_EQ(RowBoxNumber("007"), 7);
    EXPECT_EQ(RowBoxNumber("0"), 0);
    EXPECT_EQ(RowBoxNumber("2.4"), 2);
    EXPECT_EQ(RowBoxNumber("2.6"), 3);
    EXPECT_EQ(RowBoxNumber("2.5"), 2) << "a half goes to the even number";
    EXPECT_EQ(RowBoxNumber("3.5"), 4);
    EXPECT_EQ(RowBoxNumber("2.50001"), 3);
    EXPECT_EQ(RowBoxNumber("5."), 5);
    EXPECT_EQ(RowBoxNumber(".7"), 1);
    EXPECT_EQ(RowBoxNumber("99999999999999999999"), 2147483647);
    for (const char* junk : {"", ".", "..", "1.2.3", "12a", " 1", "-3", "1e3", "１"}) {
        EXPECT_FALSE(RowBoxNumber(junk).has_value()) << junk;
    }
}

}  // namespace
}  // namespace analyser
