// The string entry of the trigger editor: a text of up to 5 characters
// (stop page) or 12 (start page), taken with Enter. Each character must
// have a single-byte code; a text with any other character is refused with
// a beep and the window stays.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>

namespace mon {

class frmString : public QDialog {
    Q_OBJECT

public:
    // Opens the window modal with the box preset to text (UTF-8), beside
    // the anchor (twips on the desktop). True when the user confirmed with
    // Enter: text then holds what the box held. False otherwise, text as given.
    static bool CharGet(QWidget* owner, std::string& text, bool startPage, float anchorX, float anchorY);

    frmString(QWidget* owner, const std::string& text, bool startPage);

    void txtTrig_Enter();
    bool Accepted() const { return accepted_; }
    const std::string& Text() const { return text_; }

    QLineEdit* const txtTrig = new QLineEdit(this);
    QLabel* const lblMsg = new QLabel(this);
    QPushButton* const cmdClose = new QPushButton(QStringLiteral("閉じる"), this);

private:
    std::string text_;
    bool accepted_ = false;
};

}  // namespace mon
