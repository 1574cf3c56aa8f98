// The message boxes and save dialog of the editors, shown the same way by
// both windows. Windows keep these behind replaceable functions, so tests
// answer them.
#pragma once

#include <QMessageBox>
#include <QString>

#include <string>

class QWidget;

namespace analyser::editors::ui {

// A message box titled "Nubera Pro"; the button pressed.
QMessageBox::StandardButton EditorMessage(QWidget* owner, const std::string& text, QMessageBox::Icon icon,
                                          QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// The save dialog: a title ("" for the dialog's own), one filter, the
// folder it starts in; asks before overwriting. "" when cancelled.
std::string EditorSaveAsk(QWidget* owner, const QString& title, const QString& filter, const QString& suffix,
                          const std::string& folder);

// Places window (client width x height twips) with its top-left at anchor
// (twips), pulled back inside the screen.
void EditorPlace(QWidget* window, QPoint anchor, int width, int height);

}  // namespace analyser::editors::ui
