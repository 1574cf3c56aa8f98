// The string entry: a typed text of up to twenty characters becomes the
// whole find pattern when Enter is pressed; the window stays open.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <string>

namespace viewer::ui {

class frmString : public QDialog {
    Q_OBJECT

public:
    // onEnter gets the text in the code page, cut to its first twenty bytes.
    frmString(QWidget* owner, std::function<void(const std::string& bytes)> onEnter);

    void txtFind_Enter();

    QLineEdit* const txtFind = new QLineEdit(this);
    QLabel* const Label1 = new QLabel(this);
    QPushButton* const cmdClose = new QPushButton(this);

private:
    std::function<void(const std::string&)> onEnter_;
};

}  // namespace viewer::ui
