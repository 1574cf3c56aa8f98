#include "BaudSteps.h"

#include <gtest/gtest.h>

#include "RealPortello.h"

namespace mon {
namespace {

const BaudTable& Table() {
    static const BaudTable table = BaudTable::Read(test::RealPortello());
    return table;
}

TEST(BaudSteps, TheTableIsReadWholeFromTheLibrary) {
    ASSERT_EQ(Table().Count(), 1047);
    EXPECT_EQ(Table().Row(0).baud, 10);
    EXPECT_EQ(Table().Row(1046).baud, 230400);
    EXPECT_EQ(Table().Row(1046).group, 40);
    EXPECT_EQ(Table().Row(1047).baud, 0) << "past the end";
    EXPECT_EQ(Table().RowFind(230401), -1);
}

TEST(BaudSteps, OnlyDigitsAndOnePointAreANumber) {
    EXPECT_EQ(BaudNumber("9600"), 9600);
    EXPECT_EQ(BaudNumber("134.5"), 134.5f);
    EXPECT_EQ(BaudNumber("1234."), 1234);
    for (const char* bad : {"", ".", "-9600", "+9600", "9,600", "1e4", "&H2580", " 9600", "9600 ",
                            "1.2.3", "96OO"}) {
        EXPECT_EQ(BaudNumber(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(TypedBaud("abc"), 9600);
    EXPECT_EQ(TypedBaud("300"), 300);
}

TEST(BaudSteps, Model1SnapsUpToTheTableAndRefusesAboveIt) {
    EXPECT_EQ(BaudSnap(Table(), 1, 9601), 9700);
    EXPECT_EQ(BaudSnap(Table(), 1, 135), 140);
    EXPECT_EQ(BaudSnap(Table(), 1, 134.5f), 134.5f);
    EXPECT_EQ(BaudSnap(Table(), 1, 3), 10);
    EXPECT_EQ(BaudSnap(Table(), 1, 230400), 230400);
    EXPECT_EQ(BaudSnap(Table(), 1, 230401), std::nullopt);
    EXPECT_EQ(BaudSnap(Table(), 1, 5000.5f), 5100) << "model 1 has no free rates";
}

TEST(BaudSteps, Model2KeepsTypedRatesFrom1000AndSnapsBelow) {
    EXPECT_EQ(BaudSnap(Table(), 2, 505), 510);
    EXPECT_EQ(BaudSnap(Table(), 2, 9601), 9601);
    EXPECT_EQ(BaudSnap(Table(), 2, 1000), 1000);
    EXPECT_EQ(BaudSnap(Table(), 2, 1234.5f), 1234.5f);
    EXPECT_EQ(BaudSnap(Table(), 2, 687500), 687500);
    EXPECT_EQ(BaudSnap(Table(), 2, 687501), std::nullopt);
}

TEST(BaudSteps, Model1StepsThroughTheTableAndWrapsAtBothEnds) {
    int row = 0;
    EXPECT_EQ(BaudStepUp(Table(), 1, 9600, row), 9700);
    EXPECT_EQ(Table().Row(row).baud, 9700);
    EXPECT_EQ(BaudStepUp(Table(), 1, 230400, row), 10);
    EXPECT_EQ(row, 0);
    EXPECT_EQ(BaudStepDown(Table(), 1, 10, row), 230400);
    EXPECT_EQ(row, 1046);
    EXPECT_EQ(BaudStepDown(Table(), 1, 9601, row), 9600) << "from the row the rate snaps to";

    // Above the table the row stays where it was and shows its rate.
    row = BaudInitialRow(Table(), 4800);
    EXPECT_EQ(BaudStepUp(Table(), 1, 300000, row), 4800);
    EXPECT_EQ(BaudStepDown(Table(), 1, 300000, row), 4800);
    EXPECT_EQ(BaudInitialRow(Table(), 300000), 0);
}

TEST(BaudSteps, Model2StepsByAHundredFrom1000AndAlongTheTableBelow) {
    int row = 17;
    EXPECT_EQ(BaudStepUp(Table(), 2, 687450, row), 10);
    EXPECT_EQ(BaudStepUp(Table(), 2, 687400, row), 687500);
    EXPECT_EQ(BaudStepUp(Table(), 2, 950, row), 960);
    EXPECT_EQ(BaudStepUp(Table(), 2, 1234.5f, row), 1334.5f);
    EXPECT_EQ(BaudStepDown(Table(), 2, 1050, row), 950);
    EXPECT_EQ(BaudStepDown(Table(), 2, 1000, row), 990);
    EXPECT_EQ(BaudStepDown(Table(), 2, 10, row), 687500);
    EXPECT_EQ(BaudStepUp(Table(), 2, TypedBaud("x"), row), 9700);
    EXPECT_EQ(row, 17) << "model 2 has no current row";
}

TEST(BaudSteps, RatesShowPlainlyOrWithTwoDigitsWhenTheDialogOpens) {
    EXPECT_EQ(BaudText(134.5f), "134.5");
    EXPECT_EQ(BaudText(9700), "9700");
    EXPECT_EQ(BaudText(1334.5f), "1334.5");
    EXPECT_EQ(BaudOpenText(134.5f), "134.5");
    EXPECT_EQ(BaudOpenText(9600), "9600");
    EXPECT_EQ(BaudOpenText(5), "05");
    EXPECT_EQ(BaudOpenText(1234.5f), "1234.5") << "a KY-N5 rate keeps its fraction";
}

}  // namespace
}  // namespace mon
