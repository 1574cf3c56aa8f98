#include "Placement.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

constexpr int kScreenW = 15360;  // 1024 x 768 pixels at 96 dpi
constexpr int kScreenH = 11520;

TEST(Placement, CentresOnTheOwnerTruncatingHalvesTowardZero) {
    const TwipsRect owner{1000, 2000, 6001, 4001};
    EXPECT_EQ(CentreOnOwner(owner, 3000, 2000, kScreenW, kScreenH),
              (TwipsRect{1000 + 1500, 2000 + 1000, 3000, 2000}));
    // A window larger than its owner sits left of and above it; -1 / 2 is 0.
    const TwipsRect small{3000, 3000, 1000, 1000};
    EXPECT_EQ(CentreOnOwner(small, 1001, 1001, kScreenW, kScreenH),
              (TwipsRect{3000, 3000, 1001, 1001}));
    EXPECT_EQ(CentreOnOwner(small, 1003, 1003, kScreenW, kScreenH),
              (TwipsRect{2999, 2999, 1003, 1003}));
}

TEST(Placement, NearTheBottomRightCornerIsPulledBackInside) {
    const TwipsRect corner{kScreenW - 2000, kScreenH - 1000, 4000, 3000};
    const TwipsRect placed = CentreOnOwner(corner, 3000, 2000, kScreenW, kScreenH);
    EXPECT_EQ(placed.top, kScreenH - 2000 - 500);
    EXPECT_EQ(placed.left, kScreenW - 3000 - 100);

    // Touching the edge exactly is still inside.
    const TwipsRect flush{kScreenW - 4000, kScreenH - 3000, 4000, 3000};
    const TwipsRect kept = CentreOnOwner(flush, 4000, 3000, kScreenW, kScreenH);
    EXPECT_EQ(kept.top, kScreenH - 3000);
    EXPECT_EQ(kept.left, kScreenW - 4000);

    // Only the side that runs off moves.
    const TwipsRect bottomOnly{1000, kScreenH - 1000, 4000, 3000};
    const TwipsRect moved = CentreOnOwner(bottomOnly, 3000, 2000, kScreenW, kScreenH);
    EXPECT_EQ(moved.left, 1500);
    EXPECT_EQ(moved.top, kScreenH - 2500);
}

TEST(Placement, ACornerPlacedWindowIsPulledBackWhenItReachesAnEdge) {
    EXPECT_EQ(PullInsideScreen({1000, 2000, 3000, 2000}, kScreenW, kScreenH),
              (TwipsRect{1000, 2000, 3000, 2000}));
    EXPECT_EQ(PullInsideScreen({kScreenW - 3000, 0, 3000, 2000}, kScreenW, kScreenH).left,
              kScreenW - 3000) << "ending on the edge is already reaching it";
    const TwipsRect moved = PullInsideScreen({14000, 11000, 3000, 2000}, kScreenW, kScreenH);
    EXPECT_EQ(moved.left, kScreenW - 3000);
    EXPECT_EQ(moved.top, kScreenH - 2000);
}

}  // namespace
}  // namespace platform
