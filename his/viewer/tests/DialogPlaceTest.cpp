#include <gtest/gtest.h>

#include "DialogPlace.h"

namespace viewer {
namespace {

constexpr ScreenSize kScreen{19200, 14400};

TEST(DialogPlacement, DefaultRuleOffsetsAndPullsBackAtBothEdges) {
    EXPECT_EQ(DialogPlace("frmProp", {0, 0, 9000, 6000}, 4000, 3000, kScreen), (DialogPosition{300, 300}));
    // Bottom tested against SH - 500, right against SW itself.
    EXPECT_EQ(DialogPlace("frmColor", {16000, 11000, 5000, 3000}, 4000, 3000, kScreen),
              (DialogPosition{14400 - 3000 - 500, 19200 - 4000 - 100}));
    EXPECT_EQ(DialogPlace("frmColor", {14850, 0, 5000, 3000}, 4000, 3000, kScreen).Left, 15150)
        << "right edge between SW - 100 and SW stays";
}

TEST(DialogPlacement, CentredStringAndCodeRules) {
    EXPECT_EQ(DialogPlace("frmGoto", {1000, 1000, 5001, 3001}, 2000, 1000, kScreen),
              (DialogPosition{2000.5f, 2500.5f})) << "real halving";
    EXPECT_EQ(DialogPlace("frmPrinting", {17000, 13000, 4000, 2000}, 3000, 1000, kScreen),
              (DialogPosition{14400 - 1000 - 500, 19200 - 3000 - 100}));
    EXPECT_EQ(DialogPlace("frmString", {1000, 12000, 5000, 3000}, 3000, 2000, kScreen),
              (DialogPosition{11500, 1900})) << "near the bottom: 500 above the owner";
    EXPECT_EQ(DialogPlace("frmCode", {}, 3000, 2000, kScreen, 18000, 1000),
              (DialogPosition{1000, 18000 - 400 - 3000})) << "left of the pointer";
    EXPECT_EQ(DialogPlace("frmCode", {}, 3000, 2000, kScreen, 100, 13000),
              (DialogPosition{14400 - 2000 - 500, 500}));
}

}  // namespace
}  // namespace viewer
