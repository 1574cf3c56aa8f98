#include "frmBaud.h"

#include <QApplication>
#include <QGridLayout>
#include <QStyle>

#include "BaudLists.h"
#include "SubFormWindow.h"
#include "platform/ui/ButtonRow.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/UiFont.h"

namespace mon {

namespace {

constexpr int16_t kModel1 = 1;

QFont ListFont() {
    QFont f = platform::UiFont();
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    return f;
}

}  // namespace

int ChosenRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.front());
}

frmBaud::frmBaud(QWidget* owner, const BaudTable& table, QLineEdit& txtBaudRate)
    : QDialog(owner), table_(table), txtBaudRate_(txtBaudRate) {
    Design();
    Form_Load(owner);
}

void frmBaud::Design() {
    setObjectName(QStringLiteral("frmBaud"));
    setWindowTitle(QStringLiteral("モニタ回線速度設定"));
    setFont(platform::UiFont());
    List1->setObjectName(QStringLiteral("List1"));
    List2->setObjectName(QStringLiteral("List2"));
    for (QListWidget* list : {List1, List2}) list->setFont(ListFont());
    for (float rate : ReferenceRates(kModel1)) List1->addItem(QString::fromStdString(BaudListEntry(rate)));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_ArrowRight).pixmap(32, 32));
    cmdSetting->setObjectName(QStringLiteral("cmdSetting"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label2, 0, 2);
    grid->addWidget(List1, 1, 0);
    grid->addWidget(Image1, 1, 1);
    grid->addWidget(List2, 1, 2);
    grid->addLayout(platform::ButtonRow({cmdSetting, cmdClose}), 2, 0, 1, 3);
    // The choice, not the current entry: taking the focus moves the latter.
    connect(List1, &QListWidget::itemSelectionChanged, this,
            [this] { platform::NoThrow("List1", [&] { List1_Click(); }); });
    for (QListWidget* list : {List1, List2}) {
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this] { platform::NoThrow("baud list", [&] { cmdSetting_Click(); }); });
    }
    connect(cmdSetting, &QPushButton::clicked, this,
            [this] { platform::NoThrow("cmdSetting", [&] { cmdSetting_Click(); }); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    adjustSize();
}

// Opens on the group of the first table rate not below the typed one and
// on that rate; a rate above the table opens with nothing chosen.
void frmBaud::Form_Load(QWidget* owner) {
    SubFormPlaceWindow(this, owner, "frmBaud");
    const float typed = TypedBaud(txtBaudRate_.text().toStdString());
    reference_ = typed;
    const int group = BaudGroupOf(table_, typed);
    if (group < 0) return;
    List1->setCurrentRow(group);
    const int chosen = FirstNotBelow(rates_, typed);
    if (chosen >= 0) List2->setCurrentRow(chosen);
}

void frmBaud::List1_Click() {
    const int group = ChosenRow(*List1);
    if (group < 0) return;
    reference_ = ReferenceRates(kModel1)[static_cast<size_t>(group)];
    BaudListFill(group);
}

void frmBaud::BaudListFill(int group) {
    const BaudGroupList list = mon::BaudListFill(table_, group, reference_);
    rates_ = list.rates;
    List2->clear();
    for (float rate : rates_) List2->addItem(QString::fromStdString(BaudListEntry(rate)));
    List2->setCurrentRow(list.chosen);
}

void frmBaud::cmdSetting_Click() {
    const int chosen = ChosenRow(*List2);
    if (chosen < 0 || static_cast<size_t>(chosen) >= rates_.size()) {
        QApplication::beep();
        return;
    }
    txtBaudRate_.setText(QString::fromStdString(BaudText(rates_[static_cast<size_t>(chosen)])));
    accept();
}

}  // namespace mon
