// Two lists side by side with four move buttons between them: "すべて ->",
// "追加(&A) ->", "<- 削除(&D)" and "<- すべて". The left list holds what is
// not chosen, the right one what is; both take several selections (click,
// Shift and Ctrl). The filter's link-name picker and the editors' span
// picker are built on it.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

namespace analyser::ui {

class TwoListPicker : public QWidget {
    Q_OBJECT

public:
    explicit TwoListPicker(QWidget* parent = nullptr);

    // Sorted lists keep their entries in text order, and moved entries
    // take their sorted place; unsorted ones append at the end.
    void SetSorted(bool sorted);

    void SetLeft(const QStringList& entries);
    void SetRight(const QStringList& entries);
    QStringList Left() const { return Entries(listItemList); }
    QStringList Right() const { return Entries(listSelectItem); }

    // The moves. Add and delete move the selected entries, in list order,
    // and do nothing while the source list has no current entry.
    void cmdAddAll_Click();
    void cmdAdd_Click();
    void cmdDel_Click();
    void cmdDelAll_Click();

    QLabel* const lblItemList = new QLabel(this);
    QListWidget* const listItemList = new QListWidget(this);
    QPushButton* const cmdAddAll = new QPushButton(QStringLiteral("すべて ->"), this);
    QPushButton* const cmdAdd = new QPushButton(QStringLiteral("追加(&A) ->"), this);
    QPushButton* const cmdDel = new QPushButton(QStringLiteral("<- 削除(&D)"), this);
    QPushButton* const cmdDelAll = new QPushButton(QStringLiteral("<- すべて"), this);
    QLabel* const lblSelectItem = new QLabel(this);
    QListWidget* const listSelectItem = new QListWidget(this);

signals:
    void Moved();

private:
    static QStringList Entries(const QListWidget* list);
    static void MoveSelected(QListWidget* from, QListWidget* to);
    static void MoveAll(QListWidget* from, QListWidget* to);
};

}  // namespace analyser::ui
