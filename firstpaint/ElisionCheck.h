// Finds the texts a window shows cut short: elided by an item view, cut off
// by a control too narrow or too low for them, or pushed outside the widget
// that holds them. Looks only at what is visible, as it is laid out now.
#ifndef FIRSTPAINT_ELISION_CHECK_H
#define FIRSTPAINT_ELISION_CHECK_H

#include <string>
#include <vector>

class QWidget;

namespace firstpaint {

// One readable line per text of root and its visible descendants that is
// not shown whole: item-view cells and header sections (the model's display
// text in the view's font against the cell's room), labels (status-bar
// panels included), line edits and list and tree items. Labels that show a
// mnemonic ampersand as a character ("色(&C):" without a buddy) are
// reported too. Empty when everything reads whole.
std::vector<std::string> ElidedTexts(QWidget* root);

// A name for messages: the widget's object-name path from its window, or
// its class where it has no name.
std::string WidgetName(const QWidget* widget);

}  // namespace firstpaint

#endif
