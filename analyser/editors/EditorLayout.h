// Where the editors' windows go and how the frame configuration editor
// divides its window, in twips.
#pragma once

#include "platform/ui/Placement.h"

namespace analyser::editors {

// A width x height window whose top-left corner goes to (left, top),
// pulled back inside the screen: left = screen width - width when its
// right edge reaches the screen's, the same for the bottom.
platform::TwipsRect PlaceInsideScreen(int left, int top, int width, int height, int screenWidth,
                                      int screenHeight);

// The frame configuration editor: the name strip on top, the edit panel
// at the left, and right of it the item grid over the bit picture, the
// splitter between them.
inline constexpr int kFrameMakeMinWidth = 4500;
inline constexpr int kFrameMakeMinHeight = 6800;
inline constexpr int kInputPanelWidth = 3015;

struct FrameMakeLayout {
    int splitter = 0;  // the splitter's top, after its clamps
    platform::TwipsRect input;
    platform::TwipsRect grid;
    platform::TwipsRect bar;  // the splitter between grid and picture
    platform::TwipsRect picture;
};

// The layout of an inner area innerWidth x innerHeight under a name strip
// topHeight high, with the splitter at y (kept 60 from either end).
FrameMakeLayout FrameMakeLayOut(int innerWidth, int innerHeight, int topHeight, int y);

// Where a dragged splitter bar may go: 500 from either end.
int SplitterDragClamp(int y, int innerHeight, int topHeight);

}  // namespace analyser::editors
