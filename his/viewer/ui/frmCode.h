// The code picker: one pattern cell's value chosen from all 256 byte
// values, "**" (any byte) and "--" (blank), opened at the pointer.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "ViewerState.h"

namespace viewer::ui {

class frmCode : public QDialog {
    Q_OBJECT

public:
    // picked: the cell's value, -1 none, 0-255, 256 any byte, 257 blank.
    frmCode(QWidget* owner, const ViewerState& st, int16_t picked);

    // The choice; the opening value when the window was closed otherwise.
    int16_t PickedCode() const { return picked_; }
    void Choose();
    void cmdCancel_Click();

    QTreeWidget* const ListView1 = new QTreeWidget(this);
    QLabel* const lblHex = new QLabel(this);
    QLabel* const lblMode = new QLabel(this);
    QPushButton* const cmdSetting = new QPushButton(this);
    QPushButton* const cmdCancel = new QPushButton(this);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Design();
    void Form_Load(QWidget* owner, const ViewerState& st);

    int16_t picked_;
};

}  // namespace viewer::ui
