// The date-range window: a start and an end time inside the history's
// span, turned into the two marks. Out-of-order times only beep and put
// the focus on the offending date.
#pragma once

#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>

#include <array>

#include "ViewerState.h"
#include "clsCommon.h"

namespace viewer::ui {

class frmRange : public QDialog {
    Q_OBJECT

public:
    frmRange(QWidget* owner, ViewerState& st, const store::clsCommon& doc);

    void cmdSet_Click();
    void cmdCancel_Click();
    // Every close but the set command counts as a cancel.
    void reject() override;

    QGroupBox* const Frame1 = new QGroupBox(this);
    QLineEdit* const txtHstStart = new QLineEdit(this);
    QLineEdit* const txtHstStop = new QLineEdit(this);
    std::array<QDateEdit*, 2> DTPickerDate{};
    std::array<QTimeEdit*, 2> DTPickerTime{};
    QPushButton* const cmdSet = new QPushButton(this);
    QPushButton* const cmdCancel = new QPushButton(this);

private:
    void Design();
    void Form_Load();
    void SideSet(int side, double date);
    double SideValue(int side) const;

    ViewerState& st_;
    const store::clsCommon& doc_;
};

}  // namespace viewer::ui
