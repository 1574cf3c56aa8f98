#include "FindPatternEdit.h"

#include <gtest/gtest.h>

#include "CodeTable.h"

namespace viewer::test {
namespace {

class PatternEditing : public ::testing::Test {
protected:
    void SetUp() override { store::CodeTableRead(); }
    FindPatternEdit edit;
    std::string pattern, kinds;
    void Rebuild() { edit.Rebuild(pattern, kinds); }
};

TEST_F(PatternEditing, TwoHexKeysEnterAByteAndStarEntersAnyAtOnce) {
    EXPECT_FALSE(edit.KeyTyped('4', 0));
    EXPECT_TRUE(edit.KeyPending());
    EXPECT_TRUE(edit.KeyTyped('1', 0));
    EXPECT_EQ(CellHexText(edit.Cell(0)), "41");
    EXPECT_EQ(CellCharText(edit.Cell(0), 1), store::CodeTable[1][0x41]);
    EXPECT_TRUE(edit.KeyTyped('*', 1)) << "no second key needed";
    EXPECT_EQ(CellHexText(edit.Cell(1)), "**");
    EXPECT_EQ(CellCharText(edit.Cell(1), 1), "**");
    edit.KeyTyped('a', 2);
    EXPECT_TRUE(edit.KeyTyped('f', 2)) << "lower case counts as hex";
    EXPECT_EQ(CellHexText(edit.Cell(2)), "AF");
    Rebuild();
    EXPECT_EQ(pattern, std::string("\x41\x3F\xAF", 3));
    EXPECT_EQ(kinds, "010");
}

TEST_F(PatternEditing, AKeyThatIsNotHexStaysPendingUntilTheCellChanges) {
    edit.KeyTyped('G', 0);
    EXPECT_FALSE(edit.KeyTyped('1', 0));
    EXPECT_FALSE(edit.KeyTyped('2', 0)) << "still paired with G";
    EXPECT_EQ(edit.Cell(0).What, PatternCell::Kind::Empty);
    edit.CurrentCellChanged();
    EXPECT_FALSE(edit.KeyPending());
    edit.KeyTyped('4', 0);
    EXPECT_TRUE(edit.KeyTyped('2', 0));
    EXPECT_EQ(CellHexText(edit.Cell(0)), "42");
}

TEST_F(PatternEditing, DeleteClearsTheCellAndTheGapBecomesABlankPosition) {
    for (int col : {0, 1, 2}) {
        edit.KeyTyped('4', col);
        edit.KeyTyped('1', col);
    }
    EXPECT_TRUE(edit.DeleteReleased(1));
    Rebuild();
    EXPECT_EQ(kinds, "020");
    EXPECT_EQ(pattern, "A A");
    EXPECT_TRUE(edit.DeleteReleased(2));
    Rebuild();
    EXPECT_EQ(kinds, "0") << "the pattern ends at the last filled cell";
}

TEST_F(PatternEditing, ATrailingSpaceByteIsPartOfThePatternButEmptyCellsAfterItAreNot) {
    edit.FindPatternGet('4', '1', 0);
    edit.FindPatternGet('2', '0', 1);
    Rebuild();
    EXPECT_EQ(pattern, "A ");
    EXPECT_EQ(kinds, "00");
    FindPatternEdit empty;
    empty.Rebuild(pattern, kinds);
    EXPECT_TRUE(pattern.empty());
    EXPECT_TRUE(kinds.empty());
}

TEST_F(PatternEditing, LoadShowsTheStoredPatternWithItsKinds) {
    edit.Load(std::string("A?\x20" "B", 4), "0120");
    EXPECT_EQ(CellHexText(edit.Cell(0)), "41");
    EXPECT_EQ(CellHexText(edit.Cell(1)), "**");
    EXPECT_EQ(CellHexText(edit.Cell(2)), "");
    EXPECT_EQ(CellHexText(edit.Cell(3)), "42");
    EXPECT_EQ(CellHexText(edit.Cell(4)), "");
}

TEST_F(PatternEditing, ThePickerStartsFromTheCellAndOnlyInsideOrRightAfterThePattern) {
    pattern = std::string("A?", 2) + "\x3F";
    kinds = "012";
    edit.Load(pattern, kinds);
    EXPECT_EQ(FindPatternEdit::PickStart(pattern, kinds, 0, edit.Cell(0)), 0x41);
    EXPECT_EQ(FindPatternEdit::PickStart(pattern, kinds, 1, edit.Cell(1)), kPickAny);
    EXPECT_EQ(FindPatternEdit::PickStart(pattern, kinds, 2, edit.Cell(2)), kPickBlank);
    EXPECT_EQ(FindPatternEdit::PickStart(pattern, kinds, 3, edit.Cell(3)), kPickNone);
    EXPECT_EQ(FindPatternEdit::PickStart(pattern, kinds, 5, edit.Cell(5)), std::nullopt);
}

TEST_F(PatternEditing, PickedValuesAppendReplaceAndBlankOutPositions) {
    pattern = "ABC";
    kinds = "000";
    edit.Load(pattern, kinds);
    edit.PickApply(3, 0x7F, pattern, kinds);
    EXPECT_EQ(pattern, "ABC\x7F");
    EXPECT_EQ(kinds, "0000");
    edit.PickApply(0, kPickAny, pattern, kinds);
    EXPECT_EQ(kinds, "1000");
    EXPECT_EQ(pattern[0], '\x3F');
    edit.PickApply(2, kPickBlank, pattern, kinds);
    EXPECT_EQ(kinds, "1020") << "a blank inside the pattern stays";
    edit.PickApply(3, kPickBlank, pattern, kinds);
    EXPECT_EQ(kinds, "10") << "a blank at the end is cut with the blanks before it";
    EXPECT_EQ(pattern.size(), 2u);
    edit.PickApply(2, kPickBlank, pattern, kinds);
    EXPECT_EQ(kinds, "10") << "a blank right after the end does not extend it";
    edit.PickApply(1, kPickNone, pattern, kinds);
    EXPECT_EQ(kinds, "10");
}

TEST_F(PatternEditing, AStringReplacesThePatternCutAfterTwentyBytes) {
    edit.StringSet("ABC", pattern, kinds);
    EXPECT_EQ(pattern, "ABC");
    EXPECT_EQ(kinds, "000");
    edit.StringSet(std::string(21, 'x'), pattern, kinds);
    EXPECT_EQ(pattern.size(), 20u);
    EXPECT_EQ(CellHexText(edit.Cell(19)), "78");
    edit.StringSet("", pattern, kinds);
    EXPECT_TRUE(pattern.empty());
    EXPECT_EQ(edit.Cell(0).What, PatternCell::Kind::Empty);
}

TEST(FindCode, OneByteCodesStayAndTheWideCodesUseAscii) {
    EXPECT_EQ(FindCodeOf(6), 1);
    EXPECT_EQ(FindCodeOf(7), 1);
    EXPECT_EQ(FindCodeOf(5), 5);
    EXPECT_EQ(FindCodeName(0), "ASCII");
    EXPECT_EQ(FindCodeName(3), "JIS7");
    EXPECT_EQ(FindCodeName(4), "JIS8");
    EXPECT_EQ(FindCodeName(5), "EBCDIC");
}

}  // namespace
}  // namespace viewer::test
