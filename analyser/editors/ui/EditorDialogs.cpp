#include "EditorDialogs.h"

#include <QFileDialog>

#include "EditorLayout.h"
#include "EditorTexts.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowPlacement.h"

namespace analyser::editors::ui {

QMessageBox::StandardButton EditorMessage(QWidget* owner, const std::string& text, QMessageBox::Icon icon,
                                          QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, QString::fromLatin1(kEditorTitle), QString::fromStdString(text), buttons, owner);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::string EditorSaveAsk(QWidget* owner, const QString& title, const QString& filter, const QString& suffix,
                          const std::string& folder) {
    QFileDialog dialog(owner, title, QString::fromStdString(folder), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front().toStdString();
}

void EditorPlace(QWidget* window, QPoint anchor, int width, int height) {
    const QRect screen = platform::ScreenTwips(window);
    const platform::TwipsRect at =
        PlaceInsideScreen(anchor.x(), anchor.y(), width, height, screen.x() + screen.width(), screen.y() + screen.height());
    platform::ApplyTwips(window, at);
}

}  // namespace analyser::editors::ui
