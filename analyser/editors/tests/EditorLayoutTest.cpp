#include "EditorLayout.h"

#include <gtest/gtest.h>

namespace analyser::editors {
namespace {

TEST(EditorLayout, PlacedInsideTheScreen) {
    EXPECT_EQ(PlaceInsideScreen(1000, 2000, 5000, 4000, 20000, 15000), (platform::TwipsRect{1000, 2000, 5000, 4000}));
    EXPECT_EQ(PlaceInsideScreen(15000, 11000, 5000, 4000, 20000, 15000), (platform::TwipsRect{15000, 11000, 5000, 4000}))
        << "edges one short of the screen's stay";
    EXPECT_EQ(PlaceInsideScreen(15001, 11000, 5000, 4001, 20000, 15000), (platform::TwipsRect{15000, 10999, 5000, 4001}));
}

TEST(EditorLayout, FrameMakeAreas) {
    const FrameMakeLayout l = FrameMakeLayOut(9000, 7000, 600, 3000);
    EXPECT_EQ(l.input, (platform::TwipsRect{0, 660, 3015, 6340}));
    EXPECT_EQ(l.grid, (platform::TwipsRect{3045, 660, 5955, 2400}));
    EXPECT_EQ(l.bar.top, 3060);
    EXPECT_EQ(l.picture, (platform::TwipsRect{3045, 3100, 5955, 3900}));
    EXPECT_EQ(l.picture.top + l.picture.height, 7000) << "the picture reaches the bottom";

    EXPECT_EQ(FrameMakeLayOut(9000, 7000, 600, 10).splitter, 60);
    EXPECT_EQ(FrameMakeLayOut(9000, 7000, 600, 9000).splitter, 6340);
    EXPECT_EQ(SplitterDragClamp(100, 7000, 600), 500);
    EXPECT_EQ(SplitterDragClamp(6800, 7000, 600), 5900);
    EXPECT_EQ(SplitterDragClamp(3000, 7000, 600), 3000);
}

}  // namespace
}  // namespace analyser::editors
