// The KY-N5 baud window: one list of the reference rates up to 687500. It
// opens on the first listed rate not below the settings dialog's baud box
// and writes the chosen rate back into it; Set with no rate chosen leaves
// the window open. A rate is chosen when its entry is selected: the focus
// alone chooses nothing.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace mon {

class frmBaudN5 : public QDialog {
    Q_OBJECT

public:
    frmBaudN5(QWidget* owner, QLineEdit& txtBaudRate);

    void cmdSetting_Click();

    QLabel* const Label1 = new QLabel(QStringLiteral("基準回線速度"), this);
    QListWidget* const List1 = new QListWidget(this);
    QPushButton* const cmdSetting = new QPushButton(QStringLiteral("設定"), this);
    QPushButton* const cmdClose = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);

private:
    QLineEdit& txtBaudRate_;
};

}  // namespace mon
