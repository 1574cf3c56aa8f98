#include "TwoListPicker.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "platform/ui/NoThrow.h"

namespace analyser::ui {

TwoListPicker::TwoListPicker(QWidget* parent) : QWidget(parent) {
    for (QListWidget* list : {listItemList, listSelectItem}) {
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
    listItemList->setObjectName(QStringLiteral("listItemList"));
    listSelectItem->setObjectName(QStringLiteral("listSelectItem"));
    lblItemList->setObjectName(QStringLiteral("lblItemList"));
    lblSelectItem->setObjectName(QStringLiteral("lblSelectItem"));
    const std::pair<QPushButton*, void (TwoListPicker::*)()> buttons[] = {
        {cmdAddAll, &TwoListPicker::cmdAddAll_Click},
        {cmdAdd, &TwoListPicker::cmdAdd_Click},
        {cmdDel, &TwoListPicker::cmdDel_Click},
        {cmdDelAll, &TwoListPicker::cmdDelAll_Click}};
    const char* names[] = {"cmdAddAll", "cmdAdd", "cmdDel", "cmdDelAll"};
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    int n = 0;
    for (const auto& [button, click] : buttons) {
        button->setObjectName(QString::fromLatin1(names[n++]));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, click = click] {
            platform::NoThrow("TwoListPicker", [&] { (this->*click)(); });
        });
        moves->addWidget(button);
    }
    moves->addStretch();
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(lblItemList, 0, 0);
    grid->addWidget(listItemList, 1, 0);
    grid->addLayout(moves, 1, 1);
    grid->addWidget(lblSelectItem, 0, 2);
    grid->addWidget(listSelectItem, 1, 2);
}

void TwoListPicker::SetSorted(bool sorted) {
    for (QListWidget* list : {listItemList, listSelectItem}) {
        list->setSortingEnabled(sorted);
        if (sorted) list->sortItems();
    }
}

void TwoListPicker::SetLeft(const QStringList& entries) {
    listItemList->clear();
    listItemList->addItems(entries);
}

void TwoListPicker::SetRight(const QStringList& entries) {
    listSelectItem->clear();
    listSelectItem->addItems(entries);
}

QStringList TwoListPicker::Entries(const QListWidget* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
    return entries;
}

void TwoListPicker::MoveSelected(QListWidget* from, QListWidget* to) {
    if (from->currentRow() < 0) return;
    QStringList moved;
    for (int i = from->count() - 1; i >= 0; --i) {
        if (!from->item(i)->isSelected()) continue;
        moved.prepend(from->item(i)->text());
        delete from->takeItem(i);
    }
    to->addItems(moved);
}

void TwoListPicker::MoveAll(QListWidget* from, QListWidget* to) {
    to->addItems(Entries(from));
    from->clear();
}

void TwoListPicker::cmdAddAll_Click() {
    MoveAll(listItemList, listSelectItem);
    listSelectItem->setFocus();
    emit Moved();
}

void TwoListPicker::cmdAdd_Click() {
    if (listItemList->currentRow() < 0) return;
    MoveSelected(listItemList, listSelectItem);
    listItemList->setFocus();
    emit Moved();
}

void TwoListPicker::cmdDel_Click() {
    if (listSelectItem->currentRow() < 0) return;
    MoveSelected(listSelectItem, listItemList);
    listSelectItem->setFocus();
    emit Moved();
}

void TwoListPicker::cmdDelAll_Click() {
    MoveAll(listSelectItem, listItemList);
    listItemList->setFocus();
    emit Moved();
}

}  // namespace analyser::ui
