// The KY-N4 baud window: the reference rate of each group of the divisor
// table on the left, the rates of the chosen group on the right. It opens
// on the rate in the settings dialog's baud box and writes the chosen rate
// back into it; Set with no rate chosen leaves the window open.
//
// A rate is chosen when its entry is selected. A list that takes the focus
// with no entry current makes its first entry current without selecting
// it, so a window opened above the highest rate stays without a choice
// until the user picks one.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <vector>

#include "BaudSteps.h"

namespace mon {

// The selected row of a single-selection list; -1 when none is selected.
int ChosenRow(const QListWidget& list);

class frmBaud : public QDialog {
    Q_OBJECT

public:
    frmBaud(QWidget* owner, const BaudTable& table, QLineEdit& txtBaudRate);

    void List1_Click();
    void cmdSetting_Click();

    QLabel* const Label1 = new QLabel(QStringLiteral("基準回線速度"), this);
    QLabel* const Label2 = new QLabel(QStringLiteral("予備回線速度"), this);
    QListWidget* const List1 = new QListWidget(this);
    QListWidget* const List2 = new QListWidget(this);
    QLabel* const Image1 = new QLabel(this);
    QPushButton* const cmdSetting = new QPushButton(QStringLiteral("設定"), this);
    QPushButton* const cmdClose = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);

private:
    void Design();
    void Form_Load(QWidget* owner);
    void BaudListFill(int group);

    const BaudTable& table_;
    QLineEdit& txtBaudRate_;
    float reference_ = 0;         // the current reference rate
    std::vector<float> rates_;    // what List2 shows
};

}  // namespace mon
