#include "frmString.h"

#include <QVBoxLayout>

#include <utility>

#include "platform/text/Cp932.h"
#include "DialogPlacer.h"
#include "FindPatternEdit.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/SelectAllOnFocus.h"
#include "platform/ui/UiFont.h"

namespace viewer::ui {

frmString::frmString(QWidget* owner, std::function<void(const std::string&)> onEnter)
    : QDialog(owner), onEnter_(std::move(onEnter)) {
    setObjectName(QStringLiteral("frmString"));
    setFont(platform::UiFont());
    setWindowTitle(QStringLiteral("文字列入力"));
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setMaxLength(kPatternCells);
    platform::SelectAllOnFocus::Install(txtFind);
    Label1->setText(QStringLiteral("※リターンで決定[２０文字]"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setText(QStringLiteral("閉じる"));
    cmdClose->setAutoDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    connect(txtFind, &QLineEdit::returnPressed, this,
            [this] { platform::NoThrow("txtFind", [&] { txtFind_Enter(); }); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtFind);
    layout->addWidget(Label1);
    layout->addWidget(cmdClose);
    adjustSize();
    DialogPlaceOn(this, owner, "frmString");
}

// A double-byte character cut at byte twenty leaves its first byte as the
// pattern's last, as the pattern holds bytes, not characters.
void frmString::txtFind_Enter() {
    const std::string bytes = platform::Utf8ToCp932(txtFind->text().toStdString());
    if (onEnter_) onEnter_(bytes.substr(0, static_cast<size_t>(kPatternCells)));
}

}  // namespace viewer::ui
