// The goto window: a display-line number between 1 and the last line,
// handed back as the 0-based GotoLine (-1 when cancelled).
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "GotoRange.h"

namespace viewer::ui {

class frmGoto : public QDialog {
    Q_OBJECT

public:
    frmGoto(QWidget* owner, const GotoLimits& limits);

    int32_t GotoLine() const { return gotoLine_; }
    void cmdGo_Click();

    QLineEdit* const txtLine = new QLineEdit(this);
    QSpinBox* const UpDownLine = new QSpinBox(this);
    QPushButton* const cmdGo = new QPushButton(this);
    QPushButton* const cmdCancel = new QPushButton(this);

private:
    GotoLimits limits_;
    int32_t gotoLine_ = -1;
};

}  // namespace viewer::ui
