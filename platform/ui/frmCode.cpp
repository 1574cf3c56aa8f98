#include "frmCode.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>

#include "NoThrow.h"
#include "Twips.h"
#include "UiFont.h"

namespace platform {

frmCode::frmCode(QWidget* owner, const std::string& modeName,
                 const std::vector<std::array<std::string, 2>>& rows, int selectedRow,
                 int16_t picked, const QStringList& headings)
    : QDialog(owner), picked_(picked) {
    Design(headings);
    lblMode->setText(QString::fromStdString(modeName));
    for (const auto& row : rows) {
        new QTreeWidgetItem(ListView1, {QString::fromStdString(row[0]), QString::fromStdString(row[1])});
    }
    if (QTreeWidgetItem* selected = ListView1->topLevelItem(selectedRow)) {
        ListView1->setCurrentItem(selected);
        ListView1->scrollToItem(selected);
    }
}

void frmCode::Design(const QStringList& headings) {
    setObjectName(QStringLiteral("frmCode"));
    setFont(UiFont());
    setWindowTitle(QStringLiteral("コードの選択"));
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setColumnCount(2);
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    if (headings.isEmpty()) {
        ListView1->header()->hide();
    } else {
        ListView1->setHeaderLabels(headings);
    }
    ListView1->installEventFilter(this);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this,
            [this] { NoThrow("ListView1", [&] { Choose(); }); });
    lblHex->setText(QStringLiteral("HEX"));
    cmdSetting->setObjectName(QStringLiteral("cmdSetting"));
    cmdSetting->setText(QStringLiteral("設定"));
    connect(cmdSetting, &QPushButton::clicked, this, [this] { NoThrow("cmdSetting", [&] { Choose(); }); });
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    connect(cmdCancel, &QPushButton::clicked, this,
            [this] { NoThrow("cmdCancel", [&] { cmdCancel_Click(); }); });
    auto* layout = new QGridLayout(this);
    layout->addWidget(lblHex, 0, 0);
    layout->addWidget(lblMode, 0, 1);
    layout->addWidget(ListView1, 1, 0, 1, 2);
    layout->addWidget(cmdSetting, 2, 0);
    layout->addWidget(cmdCancel, 2, 1);
    resize(TwipsToPixels(3000), TwipsToPixels(4500));
}

void frmCode::Choose() {
    const int row = ListView1->indexOfTopLevelItem(ListView1->currentItem());
    picked_ = static_cast<int16_t>(row < 0 ? -1 : row);
    accept();
}

void frmCode::cmdCancel_Click() {
    picked_ = -1;
    reject();
}

// Enter in the list picks its row; the dialog's default button never sees it.
bool frmCode::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListView1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            NoThrow("ListView1", [&] { Choose(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace platform
