#include "frmGoto.h"

#include <QGridLayout>

#include "DialogPlacer.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/SelectAllOnFocus.h"
#include "platform/ui/TextFit.h"
#include "platform/ui/UiFont.h"

namespace viewer::ui {

frmGoto::frmGoto(QWidget* owner, const GotoLimits& limits) : QDialog(owner), limits_(limits) {
    setObjectName(QStringLiteral("frmGoto"));
    setFont(platform::UiFont());
    setWindowTitle(QStringLiteral("行番号指定"));
    txtLine->setObjectName(QStringLiteral("txtLine"));
    platform::SelectAllOnFocus::Install(txtLine);
    // The up-down steps the number; the text box takes what is typed.
    UpDownLine->setObjectName(QStringLiteral("UpDownLine"));
    UpDownLine->setRange(limits.Min, limits.Max);
    UpDownLine->setValue(limits.Value);
    UpDownLine->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    // Both show the largest line number whole: the up-down sizes itself
    // for its range, the text box is told.
    UpDownLine->setMinimumWidth(UpDownLine->sizeHint().width());
    const QString largest(static_cast<int>(QString::number(limits.Max).size()), u'0');
    txtLine->setMinimumWidth(platform::LineEditWidthFor(txtLine, platform::WithEveryDigit({largest})));
    txtLine->setText(QString::number(UpDownLine->value()));
    connect(UpDownLine, &QSpinBox::valueChanged, txtLine,
            [this](int v) { txtLine->setText(QString::number(v)); });
    cmdGo->setObjectName(QStringLiteral("cmdGo"));
    cmdGo->setText(QStringLiteral("実行"));
    cmdGo->setDefault(true);
    connect(cmdGo, &QPushButton::clicked, this,
            [this] { platform::NoThrow("cmdGo", [&] { cmdGo_Click(); }); });
    connect(txtLine, &QLineEdit::returnPressed, this,
            [this] { platform::NoThrow("txtLine", [&] { cmdGo_Click(); }); });
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QGridLayout(this);
    layout->addWidget(txtLine, 0, 0);
    layout->addWidget(UpDownLine, 0, 1);
    layout->addWidget(cmdGo, 1, 0);
    layout->addWidget(cmdCancel, 1, 1);
    adjustSize();
    DialogPlaceOn(this, owner, "frmGoto");
}

void frmGoto::cmdGo_Click() {
    GotoLimits now = limits_;
    now.Value = UpDownLine->value();
    gotoLine_ = GotoAccept(txtLine->text().toStdString(), now);
    accept();
}

}  // namespace viewer::ui
