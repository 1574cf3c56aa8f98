#include "SaveQuestionBox.h"

namespace analyser::ui {

SaveAnswer SaveAnswerOf(QMessageBox::StandardButton pressed) {
    switch (pressed) {
        case QMessageBox::Yes: return SaveAnswer::Yes;
        case QMessageBox::No: return SaveAnswer::No;
        default: return SaveAnswer::Cancel;
    }
}

SaveAnswer SaveQuestionBox(QWidget* owner, const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Nubera Pro"), QString::fromStdString(text),
                    kSaveQuestionButtons, owner);
    box.setEscapeButton(QMessageBox::Cancel);
    return SaveAnswerOf(static_cast<QMessageBox::StandardButton>(box.exec()));
}

}  // namespace analyser::ui
