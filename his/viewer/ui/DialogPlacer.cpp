#include "DialogPlacer.h"

#include <QWidget>

#include <cmath>

#include "DialogPlace.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowPlacement.h"

namespace viewer::ui {

namespace {

void Place(QWidget* dialog, const QWidget* owner, std::string_view dialogName, float anchorX,
           float anchorY) {
    if (dialog == nullptr || owner == nullptr) return;
    const platform::TwipsRect ownerRect = platform::WindowTwips(owner);
    const QRect screen = platform::ScreenTwips(owner);
    const platform::TwipsRect size = platform::WindowTwips(dialog);
    // The rule works in screen coordinates from the screen's own origin.
    platform::TwipsRect onScreen = ownerRect;
    onScreen.left -= screen.left();
    onScreen.top -= screen.top();
    const DialogPosition at = DialogPlace(
        dialogName, onScreen, static_cast<float>(size.width), static_cast<float>(size.height),
        ScreenSize{static_cast<float>(screen.width()), static_cast<float>(screen.height())},
        anchorX - static_cast<float>(screen.left()), anchorY - static_cast<float>(screen.top()));
    platform::ApplyTwips(dialog, {static_cast<int>(std::lround(at.Left)) + screen.left(),
                                  static_cast<int>(std::lround(at.Top)) + screen.top(),
                                  size.width, size.height});
}

}  // namespace

void DialogPlaceOn(QWidget* dialog, const QWidget* owner, std::string_view dialogName) {
    Place(dialog, owner, dialogName, 0, 0);
}

void DialogPlaceAtPointer(QWidget* dialog, const QWidget* owner, float anchorX, float anchorY) {
    Place(dialog, owner, "frmCode", anchorX, anchorY);
}

}  // namespace viewer::ui
