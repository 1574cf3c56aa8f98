#include "Placement.h"

namespace platform {

namespace {

constexpr int kBottomClearance = 500;
constexpr int kRightClearance = 100;

// C++ division already truncates toward zero, which is what the old
// runtime's integer division did; kept in one place so nobody "fixes" it.
int Centred(int ownerStart, int ownerLength, int length) {
    return ownerStart + (ownerLength - length) / 2;
}

}  // namespace

TwipsRect CentreOnOwner(TwipsRect owner, int width, int height, int screenWidth,
                        int screenHeight) {
    TwipsRect placed{Centred(owner.left, owner.width, width),
                     Centred(owner.top, owner.height, height), width, height};
    if (placed.top + height > screenHeight) placed.top = screenHeight - height - kBottomClearance;
    if (placed.left + width > screenWidth) placed.left = screenWidth - width - kRightClearance;
    return placed;
}

TwipsRect PullInsideScreen(TwipsRect window, int screenWidth, int screenHeight) {
    if (window.left + window.width >= screenWidth) window.left = screenWidth - window.width;
    if (window.top + window.height >= screenHeight) window.top = screenHeight - window.height;
    return window;
}

}  // namespace platform
