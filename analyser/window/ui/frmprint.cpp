#include "frmprint.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "platform/ui/NoThrow.h"
#include "platform/ui/Printer.h"

namespace analyser::ui {

frmprint::frmprint(QWidget* owner, bool rangeAvailable, std::function<bool()> setupAsk)
    : QDialog(owner), setupAsk_(std::move(setupAsk)) {
    Design();
    optNo->setChecked(true);
    optSel->setEnabled(rangeAvailable);
    PrinterLabelSet();
}

void frmprint::Design() {
    setObjectName(QStringLiteral("frmprint"));
    setWindowTitle(QStringLiteral("印刷"));
    setModal(true);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setTitle(QStringLiteral("印刷範囲の選択"));
    optNo->setObjectName(QStringLiteral("optNo"));
    optNo->setText(QStringLiteral("全て"));
    optSel->setObjectName(QStringLiteral("optSel"));
    optSel->setText(QStringLiteral("範囲指定"));
    auto* options = new QVBoxLayout(Frame1);
    options->addWidget(optNo);
    options->addWidget(optSel);
    lblPrinter->setObjectName(QStringLiteral("lblPrinter"));
    lblPrinter->setMinimumWidth(220);
    cmdPrinterSet->setObjectName(QStringLiteral("cmdPrinterSet"));
    cmdPrinterSet->setText(QStringLiteral("プリンタ設定"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setText(QStringLiteral("OK"));
    cmdOK->setDefault(true);
    cmdCanse->setObjectName(QStringLiteral("cmdCanse"));
    cmdCanse->setText(QStringLiteral("キャンセル"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(Frame1, 0, 0, 1, 3);
    layout->addWidget(lblPrinter, 1, 0, 1, 2);
    layout->addWidget(cmdPrinterSet, 1, 2);
    layout->addWidget(cmdOK, 2, 1);
    layout->addWidget(cmdCanse, 2, 2);
    connect(cmdPrinterSet, &QPushButton::clicked, this,
            [this] { platform::NoThrow("cmdPrinterSet", [&] { cmdPrinterSet_Click(); }); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCanse, &QPushButton::clicked, this, &QDialog::reject);
    adjustSize();
}

// "ﾌﾟﾘﾝﾀ：" and the current printer's name; nothing after the colon once
// the chosen printer is no longer installed.
void frmprint::PrinterLabelSet() {
    lblPrinter->setText(QStringLiteral("ﾌﾟﾘﾝﾀ：") +
                        platform::Printer::DeviceName().value_or(QString()));
}

// A cancelled set-up dialog changes nothing.
void frmprint::cmdPrinterSet_Click() {
    if (setupAsk_ && setupAsk_()) PrinterLabelSet();
}

}  // namespace analyser::ui
