// The two-list chooser of the analyser's pickers: a left list of entries
// left out and a right list of entries chosen, each under its label, with
// the buttons "すべて ->", "追加(&A) ->", "<- 削除(&D)" and "<- すべて"
// between them. Both lists take several entries at once (click, Shift,
// Ctrl). The dialog around it adds its own OK and Cancel; the span picker
// keeps its lists sorted as text, the link-name picker in list order.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include "TwoLists.h"

namespace analyser::widgets {

class TwoListPicker : public QWidget {
    Q_OBJECT

public:
    // Width and height of the chooser, in twips: the lists and buttons of
    // a 7875 x 2655 dialog, whose right edge holds OK and Cancel.
    static constexpr int kWidth = 6600;
    static constexpr int kHeight = 2655;

    explicit TwoListPicker(bool sorted, QWidget* parent = nullptr);

    void SetLabels(const QString& left, const QString& right);
    void SetEntries(TwoLists::Side side, const QStringList& entries);
    QStringList Entries(TwoLists::Side side) const;
    void Append(TwoLists::Side side, const QString& entry);

    // The buttons' actions, as pressing them does.
    void cmdAddAll_Click();
    void cmdAdd_Click();
    void cmdDel_Click();
    void cmdDelAll_Click();

    QLabel* const lblItemList;
    QLabel* const lblSelectItem;
    QListWidget* const listItemList;    // left
    QListWidget* const listSelectItem;  // right
    QPushButton* const cmdAddAll;
    QPushButton* const cmdAdd;
    QPushButton* const cmdDel;
    QPushButton* const cmdDelAll;

private:
    QListWidget* List(TwoLists::Side side) const;
    void Show(TwoLists::Side side);
    void MoveSelected(TwoLists::Side from);
    void MoveAll(TwoLists::Side from);

    TwoLists lists_;
};

}  // namespace analyser::widgets
