#include "SubFormWindow.h"

#include <QRect>
#include <QWidget>

#include "TextUtil.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowPlacement.h"

namespace mon {

namespace {

// The rule knows one screen starting at 0,0; rectangles are taken
// relative to the owner's screen and shifted back afterwards.
platform::TwipsRect OnScreen(const QWidget* widget, const QRect& screen) {
    if (widget == nullptr) return {0, 0, screen.width(), screen.height()};
    platform::TwipsRect r = platform::WindowTwips(widget);
    r.left -= screen.x();
    r.top -= screen.y();
    return r;
}

void Place(QWidget* form, const QWidget* owner, std::string_view formName,
           const QWidget* mainWindow, float anchorX, float anchorY) {
    const QRect screen = platform::ScreenTwips(owner != nullptr ? owner : form);
    SubFormContext where;
    where.owner = OnScreen(owner, screen);
    where.main = OnScreen(mainWindow != nullptr ? mainWindow : owner, screen);
    where.screenWidth = screen.width();
    where.screenHeight = screen.height();
    where.anchorX = anchorX - static_cast<float>(screen.x());
    where.anchorY = anchorY - static_cast<float>(screen.y());
    const int width = platform::PixelsToTwips(form->width(), form);
    const int height = platform::PixelsToTwips(form->height(), form);
    platform::TwipsRect placed = SubFormPlace(where, formName, width, height);
    placed.left += screen.x();
    placed.top += screen.y();
    platform::ApplyTwips(form, placed);
}

}  // namespace

void SubFormPlaceWindow(QWidget* form, const QWidget* owner, std::string_view formName,
                        const QWidget* mainWindow) {
    if (form == nullptr) return;
    Place(form, owner, formName, mainWindow, 0, 0);
}

void SubFormPlaceAtAnchor(QWidget* form, const QWidget* owner, std::string_view formName,
                          float anchorX, float anchorY) {
    if (form == nullptr) return;
    Place(form, owner, formName, nullptr, anchorX, anchorY);
}

}  // namespace mon
