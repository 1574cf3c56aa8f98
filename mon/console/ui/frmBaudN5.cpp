#include "frmBaudN5.h"

#include <QApplication>
#include <QGridLayout>

#include "BaudLists.h"
#include "SubFormWindow.h"
#include "frmBaud.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/UiFont.h"

namespace mon {

namespace {

constexpr int16_t kModel2 = 2;

}  // namespace

frmBaudN5::frmBaudN5(QWidget* owner, QLineEdit& txtBaudRate) : QDialog(owner), txtBaudRate_(txtBaudRate) {
    setObjectName(QStringLiteral("frmBaudN5"));
    setWindowTitle(QStringLiteral("モニタ回線速度設定"));
    setFont(platform::UiFont());
    List1->setObjectName(QStringLiteral("List1"));
    QFont fixed = List1->font();
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    List1->setFont(fixed);
    for (float rate : ReferenceRates(kModel2)) List1->addItem(QString::fromStdString(BaudListEntry(rate)));
    cmdSetting->setObjectName(QStringLiteral("cmdSetting"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(List1, 1, 0, 1, 2);
    grid->addWidget(cmdSetting, 2, 0);
    grid->addWidget(cmdClose, 2, 1);
    connect(List1, &QListWidget::itemDoubleClicked, this,
            [this] { platform::NoThrow("List1", [&] { cmdSetting_Click(); }); });
    connect(cmdSetting, &QPushButton::clicked, this,
            [this] { platform::NoThrow("cmdSetting", [&] { cmdSetting_Click(); }); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    adjustSize();
    SubFormPlaceWindow(this, owner, "frmBaudN5");
    const int chosen = FirstNotBelow(ReferenceRates(kModel2), TypedBaud(txtBaudRate_.text().toStdString()));
    if (chosen >= 0) List1->setCurrentRow(chosen);
}

void frmBaudN5::cmdSetting_Click() {
    const std::vector<float>& rates = ReferenceRates(kModel2);
    const int chosen = ChosenRow(*List1);
    if (chosen < 0 || static_cast<size_t>(chosen) >= rates.size()) {
        QApplication::beep();
        return;
    }
    txtBaudRate_.setText(QString::fromStdString(BaudText(rates[static_cast<size_t>(chosen)])));
    accept();
}

}  // namespace mon
