// Where a viewer dialog opens, against the form that opened it. Pure
// arithmetic on twips, in single precision as the forms hold them.
#pragma once

#include <string_view>

#include "platform/ui/Placement.h"  // TwipsRect only; no window code

namespace viewer {

struct DialogPosition {
    float Top = 0;
    float Left = 0;
    friend bool operator==(const DialogPosition&, const DialogPosition&) = default;
};

struct ScreenSize {
    float Width = 0;
    float Height = 0;
};

// dialogName: the dialog's form name ("frmGoto", "frmCode", ...), which
// picks the rule. anchorX/anchorY: PickAnchorX/PickAnchorY, used by
// "frmCode" only.
DialogPosition DialogPlace(std::string_view dialogName, const platform::TwipsRect& owner,
                           float dialogWidth, float dialogHeight, ScreenSize screen,
                           float anchorX = 0, float anchorY = 0);

}  // namespace viewer
