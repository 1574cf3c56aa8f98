#include "frmPrint.h"

#include <QGridLayout>

#include "RangeChoice.h"
#include "platform/ui/FontMap.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/Printer.h"
#include "platform/ui/WaitCursor.h"

namespace reports::ui {

QString PrinterLabel() {
    return QStringLiteral("ﾌﾟﾘﾝﾀ：") + platform::Printer::DeviceName().value_or(QString());
}

frmPrint::frmPrint(QWidget* owner, viewer::ViewerState& state, int16_t charTime,
                   std::function<bool()> setupAsk)
    : QDialog(owner), state_(state), setupAsk_(std::move(setupAsk)) {
    Design();
    PrinterLabelSet();
    RangeChoiceLoad(state, charTime, optHani0, optHani1, chkTimeDsp);
}

void frmPrint::Design() {
    setObjectName(QStringLiteral("frmPrint"));
    setFont(platform::MappedFont(kFontName, 10));
    setWindowTitle(QStringLiteral("印刷"));
    lblPrinter->setObjectName(QStringLiteral("lblPrinter"));
    lblPrinter->setText(QStringLiteral("使用するﾌﾟﾘﾝﾀ："));
    lblPrinter->setMinimumWidth(260);
    cmdSet->setObjectName(QStringLiteral("cmdSet"));
    cmdSet->setText(QStringLiteral("ﾌﾟﾘﾝﾀの設定"));
    RangeChoiceDesign(Frame1, optHani0, optHani1, chkTimeDsp);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setText(QStringLiteral("OK"));
    cmdOk->setDefault(true);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(lblPrinter, 0, 0);
    layout->addWidget(cmdSet, 0, 1);
    layout->addWidget(Frame1, 1, 0, 1, 2);
    layout->addWidget(chkTimeDsp, 2, 0, 1, 2);
    layout->addWidget(cmdOk, 3, 0, Qt::AlignRight);
    layout->addWidget(cmdCancel, 3, 1);
    connect(cmdSet, &QPushButton::clicked, this,
            [this] { platform::NoThrow("cmdSet", [&] { cmdSet_Click(); }); });
    connect(cmdOk, &QPushButton::clicked, this,
            [this] { platform::NoThrow("cmdOk", [&] { cmdOk_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    adjustSize();
}

void frmPrint::PrinterLabelSet() { lblPrinter->setText(PrinterLabel()); }

void frmPrint::cmdSet_Click() {
    if (setupAsk_ && setupAsk_()) PrinterLabelSet();
}

void frmPrint::cmdOk_Click() {
    const platform::WaitCursor hourglass;
    state_.PrintRange = optHani0->isChecked();
    state_.PrintCharTime = chkTimeDsp->isChecked();
    state_.PrintRequested = true;
    accept();
}

}  // namespace reports::ui
