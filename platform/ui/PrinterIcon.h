// The toolbar picture of a Print command: a printer with paper going in and
// coming out. The style has none, and its file picture reads as "new".
#ifndef PLATFORM_UI_PRINTER_ICON_H
#define PLATFORM_UI_PRINTER_ICON_H

#include <QIcon>

namespace platform {

QIcon PrinterIcon();

}  // namespace platform

#endif
