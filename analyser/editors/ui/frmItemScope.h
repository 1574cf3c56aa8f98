// The span picker: chooses which items a length item counts. The left
// list holds the items outside its span, the right list those inside,
// both sorted as text; OK hands the right list back as span entries
// ("k - name").
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QStringList>

#include "ItemTable.h"
#include "TwoListPicker.h"

namespace analyser::editors::ui {

class frmItemScope : public QDialog {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 7875;
    static constexpr int kClientHeight = 2655;

    // itemNo is the edited item's number as its box shows it; an item
    // whose span holds exactly that text starts on the right.
    frmItemScope(const ItemTable& items, const std::string& itemNo, QWidget* editor);

    // The right list once OK was pressed; nothing before.
    const QStringList& Chosen() const { return chosen_; }

    void cmdOK_Click();

    widgets::TwoListPicker* const picker;
    QPushButton* const cmdOK;
    QPushButton* const cmdCancel;

private:
    QStringList chosen_;
};

}  // namespace analyser::editors::ui
