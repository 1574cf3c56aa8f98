#include "DialogLook.h"

#include <QPalette>
#include <QWidget>

#include "platform/ui/SystemColor.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowPlacement.h"

namespace analyser::ui {

void BackgroundColour(QWidget* widget, uint32_t stored) {
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, platform::StoredColor(stored, widget));
    pal.setColor(QPalette::Base, platform::StoredColor(stored, widget));
    widget->setPalette(pal);
}

void PlaceOnScreen(QWidget* window, platform::TwipsRect r, const QWidget* main) {
    const QRect screen = platform::ScreenTwips(main);
    const int right = screen.left() + screen.width();
    const int bottom = screen.top() + screen.height();
    if (r.left + r.width >= right) r.left = right - r.width;
    if (r.top + r.height >= bottom) r.top = bottom - r.height;
    platform::ApplyTwips(window, r);
}

}  // namespace analyser::ui
