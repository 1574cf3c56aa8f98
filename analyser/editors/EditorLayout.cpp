#include "EditorLayout.h"

#include <algorithm>

namespace analyser::editors {

platform::TwipsRect PlaceInsideScreen(int left, int top, int width, int height, int screenWidth,
                                      int screenHeight) {
    if (left + width >= screenWidth) left = screenWidth - width;
    if (top + height >= screenHeight) top = screenHeight - height;
    return {left, top, width, height};
}

FrameMakeLayout FrameMakeLayOut(int innerWidth, int innerHeight, int topHeight, int y) {
    FrameMakeLayout l;
    const int inputTop = topHeight + 60;
    l.input = {0, inputTop, kInputPanelWidth, std::max(innerHeight - topHeight - 60, 0)};
    y = std::min(std::max(y, 60), innerHeight - topHeight - 60);
    l.splitter = y;
    const int left = kInputPanelWidth + 30;
    const int width = std::max(innerWidth - kInputPanelWidth - 30, 0);
    l.grid = {left, inputTop, width, std::max(y - topHeight, 0)};
    // The bar fills the gap between the grid's bottom and the picture.
    l.bar = {left, l.grid.top + l.grid.height, width, 40};
    l.picture = {left, y + 100, width, std::max(innerHeight - l.grid.height - topHeight - 100, 0)};
    return l;
}

int SplitterDragClamp(int y, int innerHeight, int topHeight) {
    return std::max(500, std::min(y, innerHeight - topHeight - 500));
}

}  // namespace analyser::editors
