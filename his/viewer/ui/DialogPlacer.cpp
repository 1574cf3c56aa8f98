#include "DialogPlacer.h"

#include <QWidget>

#include <cmath>

#include "DialogPlace.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowPlacement.h"

namespace viewer::ui {

void DialogPlaceOn(QWidget* dialog, const QWidget* owner, std::string_view dialogName) {
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
        ScreenSize{static_cast<float>(screen.width()), static_cast<float>(screen.height())});
    platform::ApplyTwips(dialog, {static_cast<int>(std::lround(at.Left)) + screen.left(),
                                  static_cast<int>(std::lround(at.Top)) + screen.top(),
                                  size.width, size.height});
}

}  // namespace viewer::ui
