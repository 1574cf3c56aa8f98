#include "TwoListPicker.h"

#include "platform/ui/Twips.h"

namespace analyser::widgets {

namespace {

using Side = TwoLists::Side;

void Place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(platform::TwipsToPixels(QRect(left, top, width, height), widget));
}

}  // namespace

TwoListPicker::TwoListPicker(bool sorted, QWidget* parent)
    : QWidget(parent),
      lblItemList(new QLabel(this)),
      lblSelectItem(new QLabel(this)),
      listItemList(new QListWidget(this)),
      listSelectItem(new QListWidget(this)),
      cmdAddAll(new QPushButton(QStringLiteral("すべて ->"), this)),
      cmdAdd(new QPushButton(QStringLiteral("追加(&A) ->"), this)),
      cmdDel(new QPushButton(QStringLiteral("<- 削除(&D)"), this)),
      cmdDelAll(new QPushButton(QStringLiteral("<- すべて"), this)),
      lists_(sorted) {
    listItemList->setObjectName(QStringLiteral("listItemList"));
    listSelectItem->setObjectName(QStringLiteral("listSelectItem"));
    for (QListWidget* list : {listItemList, listSelectItem}) {
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
    Place(listItemList, 120, 360, 2535, 2220);
    Place(listSelectItem, 3960, 360, 2535, 2220);
    Place(lblItemList, 120, 120, 1215, 255);
    Place(lblSelectItem, 3960, 120, 1695, 255);
    Place(cmdAddAll, 2760, 600, 1095, 375);
    Place(cmdAdd, 2760, 1080, 1095, 375);
    Place(cmdDel, 2760, 1560, 1095, 375);
    Place(cmdDelAll, 2760, 2040, 1095, 375);
    setFixedSize(platform::TwipsToPixels(kWidth, this), platform::TwipsToPixels(kHeight, this));
    setTabOrder(listItemList, listSelectItem);
    setTabOrder(listSelectItem, cmdAddAll);
    setTabOrder(cmdAddAll, cmdAdd);
    setTabOrder(cmdAdd, cmdDel);
    setTabOrder(cmdDel, cmdDelAll);

    connect(cmdAddAll, &QPushButton::clicked, this, [this] { cmdAddAll_Click(); });
    connect(cmdAdd, &QPushButton::clicked, this, [this] { cmdAdd_Click(); });
    connect(cmdDel, &QPushButton::clicked, this, [this] { cmdDel_Click(); });
    connect(cmdDelAll, &QPushButton::clicked, this, [this] { cmdDelAll_Click(); });
}

void TwoListPicker::SetLabels(const QString& left, const QString& right) {
    lblItemList->setText(left);
    lblSelectItem->setText(right);
}

void TwoListPicker::SetEntries(Side side, const QStringList& entries) {
    std::vector<std::string> list;
    for (const QString& entry : entries) list.push_back(entry.toStdString());
    lists_.SetEntries(side, std::move(list));
    Show(side);
}

QStringList TwoListPicker::Entries(Side side) const {
    QStringList entries;
    for (const std::string& entry : lists_.Entries(side)) entries << QString::fromStdString(entry);
    return entries;
}

void TwoListPicker::Append(Side side, const QString& entry) {
    lists_.Append(side, entry.toStdString());
    Show(side);
}

QListWidget* TwoListPicker::List(Side side) const { return side == Side::Left ? listItemList : listSelectItem; }

void TwoListPicker::Show(Side side) {
    QListWidget* list = List(side);
    list->clear();
    for (const std::string& entry : lists_.Entries(side)) list->addItem(QString::fromStdString(entry));
}

void TwoListPicker::MoveSelected(Side from) {
    QListWidget* list = List(from);
    std::vector<int> selected;
    for (const QModelIndex& index : list->selectionModel()->selectedIndexes()) selected.push_back(index.row());
    lists_.MoveSelected(from, list->currentRow(), selected);
    Show(Side::Left);
    Show(Side::Right);
}

void TwoListPicker::MoveAll(Side from) {
    lists_.MoveAll(from);
    Show(Side::Left);
    Show(Side::Right);
}

void TwoListPicker::cmdAddAll_Click() {
    MoveAll(Side::Left);
    listSelectItem->setFocus();
}

void TwoListPicker::cmdAdd_Click() {
    MoveSelected(Side::Left);
    listItemList->setFocus();
}

void TwoListPicker::cmdDel_Click() {
    MoveSelected(Side::Right);
    listSelectItem->setFocus();
}

void TwoListPicker::cmdDelAll_Click() {
    MoveAll(Side::Right);
    listItemList->setFocus();
}

}  // namespace analyser::widgets
