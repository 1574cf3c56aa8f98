#include "frmItemScope.h"

#include "EditorControls.h"
#include "EditorDialogs.h"
#include "ItemRules.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowPlacement.h"

namespace analyser::editors::ui {

namespace {

using Side = widgets::TwoLists::Side;

}  // namespace

frmItemScope::frmItemScope(const ItemTable& items, const std::string& itemNo, QWidget* editor)
    : QDialog(editor, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      picker(new widgets::TwoListPicker(true, this)),
      cmdOK(new QPushButton(QStringLiteral("OK(&O)"), this)),
      cmdCancel(new QPushButton(QStringLiteral("キャンセル(&C)"), this)) {
    setObjectName(QStringLiteral("frmItemScope"));
    setWindowTitle(QStringLiteral("範囲設定"));
    picker->move(0, 0);
    PlaceTwips(cmdOK, 6600, 120, 1215, 375);
    PlaceTwips(cmdCancel, 6600, 600, 1215, 375);
    cmdOK->setDefault(true);
    setFixedSize(platform::TwipsToPixels(kClientWidth, this), platform::TwipsToPixels(kClientHeight, this));
    setTabOrder(picker->cmdDelAll, cmdOK);
    setTabOrder(cmdOK, cmdCancel);

    picker->SetLabels(QStringLiteral("項目一覧"), QStringLiteral("対象項目"));
    QStringList left, right;
    for (int r = 1; r <= items.Count(); ++r) {
        const QString entry = QString::fromStdString(SpanEntry(r, items.Row(r).name));
        (items.Row(r).span == itemNo ? right : left) << entry;
    }
    picker->SetEntries(Side::Left, left);
    picker->SetEntries(Side::Right, right);

    if (editor != nullptr) {
        const platform::TwipsRect at = platform::WindowTwips(editor);
        EditorPlace(this, QPoint(at.left + 2000, at.top + 5000), kClientWidth, kClientHeight);
    }
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmItemScope::cmdOK_Click() {
    chosen_ = picker->Entries(Side::Right);
    accept();
}

}  // namespace analyser::editors::ui
