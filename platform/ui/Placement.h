// Where a window goes when it opens over another one. Pure arithmetic on
// twips, so the rule can be checked without a screen.
#ifndef PLATFORM_UI_PLACEMENT_H
#define PLATFORM_UI_PLACEMENT_H

namespace platform {

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// A width x height window centred on owner. A window that would run off the
// bottom is pulled up to 500 twips above the screen's bottom edge (clear of
// a task bar); one that would run off the right is pulled in to 100 twips
// from the right edge. Halves truncate toward zero, as the forms always did.
TwipsRect CentreOnOwner(TwipsRect owner, int width, int height, int screenWidth,
                        int screenHeight);

// A window put with its top-left corner somewhere over its owner: when it
// reaches the screen's right edge it is pulled left to end there, and the
// same for the bottom edge.
TwipsRect PullInsideScreen(TwipsRect window, int screenWidth, int screenHeight);

}  // namespace platform

#endif
