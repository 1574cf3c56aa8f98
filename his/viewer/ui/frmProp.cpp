#include "frmProp.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "DialogPlacer.h"
#include "PropTexts.h"
#include "platform/ui/UiFont.h"

namespace viewer::ui {

frmProp::frmProp(QWidget* owner, bool& propOpen) : QDialog(owner), propOpen_(propOpen) {
    setObjectName(QStringLiteral("frmProp"));
    setFont(platform::UiFont());
    setWindowTitle(QStringLiteral("ヒストリ情報"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setText(QStringLiteral("閉じる"));
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addWidget(cmdCancel, 0, Qt::AlignRight);
    adjustSize();
    DialogPlaceOn(this, owner, "frmProp");
    propOpen_ = true;
}

void frmProp::DspProp(const store::clsCommon& doc) {
    SSTab1->Fill(store::PropTexts(store::ConditionsOf(doc)));
}

void frmProp::reject() { close(); }

void frmProp::closeEvent(QCloseEvent* event) {
    event->accept();
    propOpen_ = false;
}

}  // namespace viewer::ui
