#include "frmHTML.h"

#include <QGridLayout>

#include "RangeChoice.h"

#include "platform/ui/NoThrow.h"
#include "platform/ui/UiFont.h"

namespace reports::ui {

frmHTML::frmHTML(QWidget* owner, viewer::ViewerState& state, int16_t charTime)
    : QDialog(owner), state_(state) {
    setAttribute(Qt::WA_DeleteOnClose);
    Design();
    RangeChoiceLoad(state, charTime, optHani0, optHani1, chkTimeDsp);
}

void frmHTML::Design() {
    setObjectName(QStringLiteral("frmHTML"));
    setFont(platform::UiFont());
    setWindowTitle(QStringLiteral("HTML形式で保存"));
    RangeChoiceDesign(Frame1, optHani0, optHani1, chkTimeDsp);
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
