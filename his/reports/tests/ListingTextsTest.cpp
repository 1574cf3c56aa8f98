#include <gtest/gtest.h>

#include "ListingTexts.h"
#include "ReportTestHistory.h"

namespace reports {
namespace {

TEST(PrnTimeSet, EveryRangeKeepsTheLastFourCharacters) {
    EXPECT_EQ(PrnTimeSet(0, 5), " T.005");
    EXPECT_EQ(PrnTimeSet(0, 999), " T.999");
    EXPECT_EQ(PrnTimeSet(0, 1023), " T.023") << "1.023 keeps its last four characters";
    EXPECT_EQ(PrnTimeSet(1, 5), " T0.05");
    EXPECT_EQ(PrnTimeSet(1, 1023), " T0.23");
    EXPECT_EQ(PrnTimeSet(2, 5), " T 0.5");
    EXPECT_EQ(PrnTimeSet(2, 1023), " T02.3");
    EXPECT_EQ(PrnTimeSet(3, 5), " T   5");
    EXPECT_EQ(PrnTimeSet(3, 1023), " T1023");
    EXPECT_EQ(PrnTimeSet(4, 5), " T  50");
    EXPECT_EQ(PrnTimeSet(4, 1023), " T0230");
    EXPECT_EQ(PrnTimeSet(5, 7), " T****");
    EXPECT_EQ(PrnTimeSet(-1, 0), " T    ");
}

TEST(TriggerChars, StopPairsCarryTheirAttributeMarkAndStartPairsABlank) {
    EXPECT_EQ(StopChars("4142", "05"), " 41/42");
    EXPECT_EQ(StopChars("414243", "9"), "/41 42 43") << "a missing digit is below 5";
    EXPECT_EQ(StopChars("41424344454647", "00000"), " 41 42 43 44 45") << "five pairs at most";
    EXPECT_EQ(StopChars("415", "00"), " 41 5") << "a half pair is printed as it is";
    EXPECT_EQ(StopChars("", "5"), "");
    EXPECT_EQ(StartChars("4142"), " 41 42");
    std::string twelve;
    for (int i = 0; i < 12; ++i) twelve += " 11";
    EXPECT_EQ(StartChars(std::string(30, '1')), twelve) << "twelve pairs at most";
}

TEST(Overwrite, WritesByCharactersAndNeverLengthensTheLine) {
    std::string line(10, ' ');
    Overwrite(line, 3, "ab");
    EXPECT_EQ(line, "  ab      ");
    Overwrite(line, 9, "xyz");
    EXPECT_EQ(line, "  ab    xy");
    Overwrite(line, 1, "日本");
    EXPECT_EQ(line, "日本ab    xy") << "one character a column, whatever its bytes";
    EXPECT_EQ(CharCount(line), 10u);
    Overwrite(line, 11, "z");
    EXPECT_EQ(line, "日本ab    xy");
    EXPECT_EQ(CharLeft("日本語", 2), "日本");
    EXPECT_EQ(CharRight("日本語", 2), "本語");
}

TEST(ConditionWords, FollowTheirTables) {
    EXPECT_EQ(BaudText(9600), "  9600");
    EXPECT_EQ(BaudText(1234567), "234567");
    EXPECT_EQ(ParityWord(0), "NON ");
    EXPECT_EQ(ParityWord(3), "");
    EXPECT_EQ(MemoryModeWord(2), "FIX");
    EXPECT_EQ(LineWord(2), "RD");
    EXPECT_EQ(CodeName(6), "STRING");
    EXPECT_EQ(CodeName(7), "");

    auto doc = test::Conditions();
    EXPECT_EQ(StartStopText(*doc), "[START 2023-03-15 00:00:00]  [STOP  2023-03-15 00:01:40]");
    doc->MonitorStop(0);
    EXPECT_EQ(StartStopText(*doc), "[START 2023-03-15 00:00:00]  [STOP            -        ]");

    EXPECT_EQ(TrigStopState(*doc), "TRIG STOP-OFF");
    doc->TrigStop(1);
    doc->TrigStart(1);
    EXPECT_EQ(TrigStopState(*doc), "TRIG STOP-ON");
    test::Add(*doc, test::kSd | test::kTrig, 0x41);
    EXPECT_EQ(TrigStopState(*doc), "TRIG STOP-DETECT");
    EXPECT_EQ(TrigStartState(*doc), "TRIG START-DETECT");
}

TEST(MoniCodeCheck, ShiftedOutCharactersOfAJis7CaptureAreKana) {
    auto doc = test::Conditions();
    EXPECT_EQ(MoniCodeCheck(0x41, 0, 1, 1), "Ａ");
    EXPECT_EQ(MoniCodeCheck(0x31, 1, 1, 2), "ア");
    EXPECT_EQ(MoniCodeCheck(0x31, 1, 1, 1), "１") << "only a JIS7 capture shifts";
    EXPECT_EQ(MoniCodeCheck(0x41, 0, 0, 1), "41") << "code 0 is the HEX form";
}

}  // namespace
}  // namespace reports
