#include "frmHTML.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "platform/ui/NoThrow.h"
#include "platform/ui/UiFont.h"

namespace reports::ui {

frmHTML::frmHTML(QWidget* owner, viewer::ViewerState& state, int16_t charTime)
    : QDialog(owner), state_(state) {
    setAttribute(Qt::WA_DeleteOnClose);
    Design();
    optHani0->setEnabled(state.DspLine == viewer::kLineDual && state.BothMarksSet());
    optHani1->setChecked(true);
    chkTimeDsp->setEnabled(charTime == 1);
    chkTimeDsp->setChecked(false);
}

void frmHTML::Design() {
    setObjectName(QStringLiteral("frmHTML"));
    setFont(platform::UiFont());
    setWindowTitle(QStringLiteral("HTML形式で保存"));
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
    cmdOk->setAutoDefault(true);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(Frame1, 0, 0, 1, 2);
    layout->addWidget(chkTimeDsp, 1, 0, 1, 2);
    layout->addWidget(cmdOk, 2, 0, Qt::AlignRight);
    layout->addWidget(cmdCancel, 2, 1);
    connect(cmdOk, &QPushButton::clicked, this,
            [this] { platform::NoThrow("frmHTML cmdOk", [&] { cmdOk_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, &frmHTML::cmdCancel_Click);
    adjustSize();
}

void frmHTML::cmdCancel_Click() { close(); }

void frmHTML::cmdOk_Click() {
    const HtmlAnswer answer = FileAsk ? FileAsk() : HtmlAnswer{};
    if (answer.Path.empty()) {
        close();
        return;
    }
    state_.PrintRange = optHani0->isChecked();
    state_.PrintCharTime = chkTimeDsp->isChecked();
    // No second export can start from here while this one yields.
    setEnabled(false);
    if (Write) Write(answer.Path, answer.FilterIndex);
    close();
}

}  // namespace reports::ui
