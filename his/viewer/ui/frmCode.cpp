#include "frmCode.h"

#include <QGridLayout>
#include <QKeyEvent>

#include "CodeTable.h"
#include "DialogPlacer.h"
#include "FindPatternEdit.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/Twips.h"
#include "platform/ui/UiFont.h"

namespace viewer::ui {

namespace {

constexpr int kRows = 258;  // 256 byte values, "**", "--"

}  // namespace

frmCode::frmCode(QWidget* owner, const ViewerState& st, int16_t picked)
    : QDialog(owner), picked_(picked) {
    Design();
    Form_Load(owner, st);
}

void frmCode::Design() {
    setObjectName(QStringLiteral("frmCode"));
    setFont(platform::UiFont());
    setWindowTitle(QStringLiteral("コードの選択"));
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setHeaderLabels({QStringLiteral("Hex "), QStringLiteral("Ascii")});
    ListView1->setRootIsDecorated(false);
    ListView1->installEventFilter(this);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this,
            [this] { platform::NoThrow("ListView1", [&] { Choose(); }); });
    lblHex->setText(QStringLiteral("HEX"));
    cmdSetting->setObjectName(QStringLiteral("cmdSetting"));
    cmdSetting->setText(QStringLiteral("設定"));
    connect(cmdSetting, &QPushButton::clicked, this,
            [this] { platform::NoThrow("cmdSetting", [&] { Choose(); }); });
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    connect(cmdCancel, &QPushButton::clicked, this,
            [this] { platform::NoThrow("cmdCancel", [&] { cmdCancel_Click(); }); });
    auto* layout = new QGridLayout(this);
    layout->addWidget(lblHex, 0, 0);
    layout->addWidget(lblMode, 0, 1);
    layout->addWidget(ListView1, 1, 0, 1, 2);
    layout->addWidget(cmdSetting, 2, 0);
    layout->addWidget(cmdCancel, 2, 1);
    resize(platform::TwipsToPixels(3000), platform::TwipsToPixels(4500));
}

void frmCode::Form_Load(QWidget* owner, const ViewerState& st) {
    const int16_t findCode = FindCodeOf(st.DspCode);
    lblMode->setText(QString::fromStdString(FindCodeName(findCode)));
    const size_t form = static_cast<size_t>(findCode >= 0 && findCode < store::kCodeFormCount ? findCode : 1);
    for (size_t v = 0; v < 256; ++v) {
        new QTreeWidgetItem(ListView1, {QString::fromStdString(store::CodeTable[store::kFormHex][v]),
                                        QString::fromStdString(store::CodeTable[form][v])});
    }
    new QTreeWidgetItem(ListView1, {QStringLiteral("**"), QStringLiteral("**")});
    new QTreeWidgetItem(ListView1, {QStringLiteral("--"), QStringLiteral("--")});
    const int row = picked_ == kPickNone || picked_ < 0 || picked_ >= kRows ? kRows - 1 : picked_;
    QTreeWidgetItem* selected = ListView1->topLevelItem(row);
    ListView1->setCurrentItem(selected);
    ListView1->scrollToItem(selected);
    DialogPlaceAtPointer(this, owner, st.PickAnchorX, st.PickAnchorY);
}

void frmCode::Choose() {
    const int row = ListView1->indexOfTopLevelItem(ListView1->currentItem());
    picked_ = row < 0 || row >= kRows ? kPickNone : static_cast<int16_t>(row);
    accept();
}

void frmCode::cmdCancel_Click() {
    picked_ = kPickNone;
    reject();
}

bool frmCode::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListView1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            platform::NoThrow("ListView1", [&] { Choose(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace viewer::ui
