#include "TriggerEdit.h"

#include <gtest/gtest.h>

#include "NumberField.h"

namespace mon {
namespace {

std::array<TriggerSetting, 2> Defaults() {
    std::array<TriggerSetting, 2> t{};
    t[0].SdCharAttr = t[0].RdCharAttr = "00000";
    t[1].Length = 100;
    return t;
}

TEST(TriggerEdit, OfTwoActiveTriggersTheStartTriggerStaysAndOnlyOneCanBeOn) {
    auto trig = Defaults();
    trig[0].Active = trig[1].Active = -1;
    TriggerEdit edit(trig);
    EXPECT_FALSE(edit.Page(kStopPage).active);
    EXPECT_TRUE(edit.Page(kStartPage).active);
    edit.ActiveSet(kStopPage, true);
    EXPECT_FALSE(edit.Page(kStartPage).active);
    edit.ActiveSet(kStopPage, false);
    EXPECT_FALSE(edit.Page(kStartPage).active) << "unchecking turns nothing on";

    edit.ActiveSet(kStopPage, true);
    edit.ActiveWrite(trig);
    EXPECT_EQ(trig[0].Active, -1);
    EXPECT_EQ(trig[1].Active, 0);
    edit.ActiveSet(kStopPage, false);
    const auto out = edit.Set(trig);
    ASSERT_FALSE(out.refused);
    EXPECT_EQ(out.trig[0].Active, -1) << "Set leaves Active to the boxes";
    edit.ActiveWrite(trig);
    EXPECT_EQ(trig[0].Active, 0);
}

TEST(TriggerEdit, ARefusedFieldKeepsTheFieldsStoredBeforeIt) {
    const auto trig = Defaults();
    TriggerEdit edit(trig);
    edit.Page(kStopPage).lineIndex = 2;
    edit.Page(kStopPage).lengthText = "129900";
    edit.Grid(0).PickApply(0, 0x41);
    edit.Page(kStartPage).lineIndex = 1;
    edit.Page(kStartPage).lengthText = "1000001";
    edit.Page(kStartPage).sdCountText = "7";
    auto out = edit.Set(trig);
    EXPECT_EQ(out.refused, (TriggerRefusal{kStartPage, TriggerField::Length}));
    EXPECT_EQ(out.trig[0].Line, 2) << "the stop page before it is stored";
    EXPECT_EQ(out.trig[0].Length, 129900);
    EXPECT_EQ(out.trig[0].SdData, "4100000000");
    EXPECT_EQ(out.trig[1].Line, 1) << "and the start page's line";
    EXPECT_EQ(out.trig[1].Length, 100) << "the refused field keeps its value";
    EXPECT_EQ(out.trig[1].SdCount, trig[1].SdCount) << "and so does every field after it";

    // Within a page the SD grid goes in before the RD grid is looked at.
    TriggerEdit grids(trig);
    grids.Grid(0).PickApply(0, 0x42);
    grids.Grid(1).PickApply(1, 0x43);  // a gap
    out = grids.Set(trig);
    EXPECT_EQ(out.refused, (TriggerRefusal{kStopPage, TriggerField::RdGrid}));
    EXPECT_EQ(out.trig[0].SdData, "4200000000");
    EXPECT_EQ(out.trig[0].RdData, trig[0].RdData);

    edit.Page(kStartPage).lengthText = "1000000";
    edit.Page(kStopPage).lengthText = "129901";
    EXPECT_EQ(edit.Set(trig).refused, (TriggerRefusal{kStopPage, TriggerField::Length}));
    edit.Page(kStopPage).lengthText = "0";
    out = edit.Set(trig);
    ASSERT_FALSE(out.refused);
    EXPECT_EQ(out.trig[0].Line, 2);
    EXPECT_EQ(out.trig[0].Length, 0);
    EXPECT_EQ(out.trig[0].SdCharAttr, "10000");
    EXPECT_EQ(out.trig[0].SdData, "4100000000");
    EXPECT_EQ(out.trig[1].Length, 1000000);
}

TEST(TriggerEdit, EveryFieldIsCheckedInOrderWhetherItsTriggerIsActiveOrNot) {
    const auto trig = Defaults();
    TriggerEdit edit(trig);
    edit.Page(kStartPage).sdCountText = "";
    EXPECT_EQ(edit.Set(trig).refused, (TriggerRefusal{kStartPage, TriggerField::SdCount}));
    edit.Page(kStartPage).sdCountText = "0";
    EXPECT_FALSE(edit.Set(trig).refused) << "0 passes although the up-down stops at 1";

    for (const char* bad : {"-1", "+5", "1e1", "&H5", " 5", "100"}) {
        edit.Page(kStopPage).rdCountText = bad;
        EXPECT_EQ(edit.Set(trig).refused, (TriggerRefusal{kStopPage, TriggerField::RdCount})) << bad;
    }
    edit.Page(kStopPage).rdCountText = "99";
    edit.Grid(1).PickApply(1, 0x41);
    EXPECT_EQ(edit.Set(trig).refused, (TriggerRefusal{kStopPage, TriggerField::RdGrid}));
    edit.Grid(1).PickApply(0, 0x41);
    edit.Grid(2).PickApply(3, 0x41);
    EXPECT_EQ(edit.Set(trig).refused, (TriggerRefusal{kStartPage, TriggerField::SdGrid}));
}

TEST(TriggerEdit, LoadingShowsTheFieldsAndAnUnknownLineChoosesNothing) {
    auto trig = Defaults();
    trig[0].Line = 7;
    trig[0].SdCount = 12;
    trig[0].SdCharAttr = "16100";
    trig[0].SdData = "41**0D0000";
    trig[0].RdData = "0000000000";  // Set writes complete stop strings
    trig[1].Line = 1;
    trig[1].Length = 5000;
    trig[1].RdData = "02**03";
    trig[1].SdCharAttr = "kept";
    TriggerEdit edit(trig);
    EXPECT_EQ(edit.Page(kStopPage).lineIndex, -1);
    EXPECT_EQ(edit.Page(kStopPage).sdCountText, "12");
    EXPECT_EQ(edit.Page(kStartPage).lengthText, "5000");
    const auto out = edit.Set(trig);
    ASSERT_FALSE(out.refused);
    EXPECT_EQ(out.trig, trig) << "Set without a change gives the triggers back";
}

TEST(TriggerEdit, TheStartLengthIsRaisedToItsLowestAndUpDownsStayInRange) {
    EXPECT_EQ(StartLengthLeft("99"), "100");
    EXPECT_EQ(StartLengthLeft("5000000"), "5000000") << "no upper cap";
    EXPECT_EQ(StartLengthLeft("x"), "x");
    EXPECT_EQ(UpDownStep("129850", 0, 129900, 100, true), "129900");
    EXPECT_EQ(UpDownStep("1", 1, 99, 1, false), "1");
    EXPECT_EQ(UpDownStep("junk", 100, 1000000, 100, true), "100");
    EXPECT_EQ(WholeNumber("1234567890"), std::nullopt) << "more digits than any box takes";
}

}  // namespace
}  // namespace mon
