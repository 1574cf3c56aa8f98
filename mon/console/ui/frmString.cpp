#include "frmString.h"

#include <QApplication>
#include <QVBoxLayout>

#include "SubFormWindow.h"
#include "TriggerPattern.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/SelectAllOnFocus.h"
#include "platform/ui/UiFont.h"

namespace mon {

bool frmString::CharGet(QWidget* owner, std::string& text, bool startPage, float anchorX, float anchorY) {
    frmString window(owner, text, startPage);
    SubFormPlaceAtAnchor(&window, owner, "frmString", anchorX, anchorY);
    window.exec();
    if (!window.Accepted()) return false;
    text = window.Text();
    return true;
}

frmString::frmString(QWidget* owner, const std::string& text, bool startPage) : QDialog(owner) {
    setObjectName(QStringLiteral("frmString"));
    setWindowTitle(QStringLiteral("文字列入力"));
    setFont(platform::UiFont());
    const int length = startPage ? kStartPatternCells : kStopPatternCells;
    lblMsg->setText(startPage ? QStringLiteral("※リターンで決定[１２文字]")
                              : QStringLiteral("※リターンで決定[５文字]"));
    txtTrig->setObjectName(QStringLiteral("txtTrig"));
    txtTrig->setMaxLength(length);
    txtTrig->setText(QString::fromStdString(text).left(length));
    platform::SelectAllOnFocus::Install(txtTrig);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(txtTrig, &QLineEdit::returnPressed, this,
            [this] { platform::NoThrow("txtTrig", [&] { txtTrig_Enter(); }); });
    auto* column = new QVBoxLayout(this);
    column->addWidget(txtTrig);
    column->addWidget(lblMsg);
    column->addWidget(cmdClose);
    adjustSize();
}

void frmString::txtTrig_Enter() {
    const std::string typed = txtTrig->text().toStdString();
    if (!SingleByteCodes(typed)) {
        QApplication::beep();
        return;
    }
    text_ = typed;
    accepted_ = true;
    accept();
}

}  // namespace mon
