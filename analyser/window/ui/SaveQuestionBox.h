// The save question as the analyser's windows show it: a message box
// titled "Nubera Pro" with the exclamation icon and the buttons Yes, No
// and Cancel. Closing the box without a button is a Cancel.
#pragma once

#include <QMessageBox>

#include <string>

#include "SaveQuestion.h"

class QWidget;

namespace analyser::ui {

inline constexpr QMessageBox::StandardButtons kSaveQuestionButtons =
    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;

// The answer a button of the question gives.
SaveAnswer SaveAnswerOf(QMessageBox::StandardButton pressed);

// Shows the question with text (SaveQuestionText) over owner.
SaveAnswer SaveQuestionBox(QWidget* owner, const std::string& text);

}  // namespace analyser::ui
