#include "TriggerPattern.h"

#include <gtest/gtest.h>

#include "CodePickerList.h"
#include "CodeTable.h"

namespace mon {
namespace {

using store::PatternCell;

class TriggerPatternTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { store::CodeTableRead(); }
    TriggerPattern stop{PatternKind::Stop};
    TriggerPattern start{PatternKind::Start};
};

TEST_F(TriggerPatternTest, AStopPatternIsStoredAsDigitsAndPairs) {
    stop.KeyTyped('4', 1, 0);
    stop.KeyTyped('1', 1, 0);
    stop.KeyTyped('*', 1, 1);
    stop.MarkToggle(1);
    stop.KeyTyped('0', 1, 2);
    stop.KeyTyped('d', 1, 2);
    EXPECT_EQ(stop.StopPatternGet(), (StopStrings{"16100", "41**0D0000"}));
    EXPECT_EQ(stop.CellText(1, 2, 1), "0D");
    EXPECT_EQ(stop.CellText(0, 1, 1), kMarkNot);
    EXPECT_EQ(stop.CellText(0, 3, 1), kMarkCross);
    EXPECT_EQ(stop.CellText(2, 0, 5), store::CodeTable[5][0x41]);

    TriggerPattern back(PatternKind::Stop);
    back.LoadStop("16100", "41**0D0000");
    EXPECT_EQ(back.Cell(0), PatternCell::Byte(0x41));
    EXPECT_EQ(back.Cell(1), PatternCell::Any());
    EXPECT_TRUE(back.NotMark(1));
    EXPECT_EQ(back.Cell(2), PatternCell::Byte(0x0D));
    EXPECT_TRUE(back.Cell(3).IsEmpty());
    EXPECT_EQ(back.StopPatternGet(), stop.StopPatternGet());
}

TEST_F(TriggerPatternTest, AStartPatternKeepsOnlyItsFilledPositions) {
    start.KeyTyped('0', 0, 0);
    start.KeyTyped('2', 0, 0);
    start.KeyTyped('*', 0, 1);
    start.KeyTyped('0', 0, 2);
    start.KeyTyped('3', 0, 2);
    EXPECT_EQ(start.StartPatternGet(), "02**03");
    TriggerPattern back(PatternKind::Start);
    back.LoadStart("02**03");
    EXPECT_EQ(back.StartPatternGet(), "02**03");

    for (int col = 0; col < kStartPatternCells; ++col) start.PickApply(col, static_cast<int16_t>(0xA0 + col));
    EXPECT_EQ(start.StartPatternGet()->size(), 24u);
    start.Clear();
    EXPECT_EQ(start.StartPatternGet(), "");
}

TEST_F(TriggerPatternTest, AGapIsTheOnlyPatternSetRefuses) {
    for (int col : {0, 1, 3}) stop.PickApply(col, 0x30);
    EXPECT_EQ(stop.GapColumn(), 3);
    EXPECT_EQ(stop.StopPatternGet(), std::nullopt);
    stop.DeleteReleased(1, 3);
    stop.PickApply(2, 0x30);
    EXPECT_EQ(stop.StopPatternGet(), (StopStrings{"11100", "3030300000"}));

    start.PickApply(4, store::kPickedAny);
    EXPECT_EQ(start.StartPatternGet(), std::nullopt);
    EXPECT_EQ(start.GapColumn(), 4);
}

TEST_F(TriggerPatternTest, LoadingStopsAtAnUnusedPositionOrAPairThatIsNotHex) {
    stop.LoadStop("10000", "4142000000");
    EXPECT_EQ(stop.Cell(0), PatternCell::Byte(0x41));
    EXPECT_TRUE(stop.Cell(1).IsEmpty()) << "digit 0 stops although 42 is there";

    // A hand-edited file: the bad pair and all after it show empty.
    stop.LoadStop("11111", "41ZZ420000");
    EXPECT_EQ(stop.Cell(0), PatternCell::Byte(0x41));
    EXPECT_TRUE(stop.Cell(1).IsEmpty());
    EXPECT_TRUE(stop.Cell(2).IsEmpty());
    EXPECT_EQ(stop.StopPatternGet(), (StopStrings{"10000", "4100000000"}));
    EXPECT_EQ(stop.PickStart(1), store::kPickedEmpty) << "never the -1 of a failed hex read";

    start.LoadStart("41-142");
    EXPECT_EQ(start.StartPatternGet(), "41");
    start.LoadStart("414");
    EXPECT_EQ(start.StartPatternGet(), "41") << "an odd last character is no pair";

    // A "○" over an empty column is not kept.
    stop.Clear();
    stop.MarkToggle(4);
    EXPECT_EQ(stop.StopPatternGet()->attributes, "00000");
}

TEST_F(TriggerPatternTest, KeysCountOnTheHexRowOnly) {
    EXPECT_FALSE(stop.KeyTyped('4', 2, 0));
    EXPECT_FALSE(stop.KeyTyped('1', 0, 0));
    EXPECT_FALSE(stop.KeyPending());
    stop.KeyTyped('4', 1, 0);
    EXPECT_FALSE(stop.KeyTyped('G', 1, 0));
    EXPECT_TRUE(stop.KeyTyped('2', 1, 0));
    EXPECT_EQ(stop.Cell(0), PatternCell::Byte(0x42));
    stop.KeyTyped('a', 1, 1);
    stop.KeyTyped('f', 1, 1);
    EXPECT_EQ(stop.CellText(1, 1, 0), "AF");
    EXPECT_TRUE(stop.KeyTyped('-', 1, 1));
    EXPECT_TRUE(stop.Cell(1).IsEmpty());
    stop.KeyTyped('7', 1, 2);
    stop.CurrentCellChanged();
    stop.KeyTyped('3', 1, 2);
    EXPECT_TRUE(stop.KeyPending()) << "the 7 was dropped when the cell moved";
    EXPECT_TRUE(stop.DeleteReleased(1, 0));
    EXPECT_TRUE(stop.Cell(0).IsEmpty());
    EXPECT_FALSE(stop.KeyPending());
}

TEST_F(TriggerPatternTest, ThePickerStartsFromTheCellAndItsAnswerFillsIt) {
    EXPECT_TRUE(stop.OpensPicker(1));
    EXPECT_FALSE(stop.OpensPicker(0));
    EXPECT_TRUE(start.OpensPicker(0));
    EXPECT_EQ(stop.PickStart(0), store::kPickedEmpty);
    stop.PickApply(0, store::kPickedAny);
    EXPECT_EQ(stop.PickStart(0), store::kPickedAny);
    EXPECT_FALSE(stop.PickApply(0, store::kPickedNothing));
    EXPECT_EQ(stop.Cell(0), PatternCell::Any()) << "a cancelled picker changes nothing";
    stop.PickApply(0, 0x7F);
    EXPECT_EQ(stop.PickStart(0), 0x7F);
    stop.PickApply(0, store::kPickedEmpty);
    EXPECT_TRUE(stop.Cell(0).IsEmpty());
    stop.MarkToggle(2);
    stop.MarkToggle(2);
    EXPECT_FALSE(stop.NotMark(2)) << "twice is back to ×";
}

TEST_F(TriggerPatternTest, AStringFillsThePatternFromItsSingleByteCodes) {
    start.PickApply(5, 0x31);
    start.StringSet("AB");
    EXPECT_EQ(start.StartPatternGet(), "4142");
    stop.MarkToggle(0);
    stop.StringSet("ABCDEFG");
    EXPECT_EQ(stop.StopPatternGet(), (StopStrings{"11111", "4142434445"})) << "cut to the grid, marks reset";
    stop.StringSet("");
    EXPECT_EQ(stop.StopPatternGet(), (StopStrings{"00000", "0000000000"}));

    EXPECT_EQ(SingleByteCodes("AB"), "AB");
    EXPECT_EQ(SingleByteCodes("ｱ"), "\xB1") << "half-width kana have one byte";
    EXPECT_EQ(SingleByteCodes("A漢"), std::nullopt);
    EXPECT_EQ(SingleByteCodes("é"), std::nullopt) << "not in the code page";
    EXPECT_EQ(SingleByteCodes(""), "");
}

}  // namespace
}  // namespace mon
