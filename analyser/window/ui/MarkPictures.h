// Pictures the analyser draws itself: the mark of a chart row (numbered
// marks 1 to 5, BEGIN 6, END 7) and the toolbar buttons.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace analyser::ui {

// A sizePx square picture of mark 1 to 7; a null pixmap for anything else.
QPixmap MarkPixmap(int picture, int sizePx);

// The six toolbar pictures, 1 to 6: open, save, print, find, recording
// conditions, help.
QIcon ToolbarIcon(int picture);

// The window's icon: a small frame chart.
QIcon WindowIconMake();

}  // namespace analyser::ui
