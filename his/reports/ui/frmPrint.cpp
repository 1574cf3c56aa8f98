#include "frmPrint.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

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
    optHani0->setEnabled(state.DspLine == viewer::kLineDual && state.BothMarksSet());
    optHani1->setChecked(true);
    chkTimeDsp->setEnabled(charTime == 1);
    chkTimeDsp->setChecked(false);
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
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setTitle(QStringLiteral("印刷範囲の選択"));
    optHani0->setObjectName(QStringLiteral("optHani0"));
    optHani0->setText(QStringLiteral("範囲指定"));
    optHani1->setObjectName(QStringLiteral("optHani1"));
    optHani1->setText(QStringLiteral("全て"));
    auto* frameLayout = new QHBoxLayout(Frame1);
    frameLayout->addWidget(optHani0);
    frameLayout->addWidget(optHani1);
    chkTimeDsp->setObjectName(QStringLiteral("chkTimeDsp"));
    chkTimeDsp->setText(QStringLiteral("文字間時間表示"));
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
