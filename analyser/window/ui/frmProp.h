// The recording conditions window ("ヒストリ情報"): the monitoring
// conditions the open frame file carries from its history, in three tabs,
// shown and never edited. It is filled once when it opens.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include <string>

#include "PropPages.h"

namespace analyser::ui {

class frmMain;

class frmProp : public QDialog {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 6315;  // twips
    static constexpr int kClientHeight = 6180;

    explicit frmProp(frmMain& main);

    QLabel* Value(const std::string& name) const { return SSTab1->Value(name); }

    store::ui::PropPages* const SSTab1 = new store::ui::PropPages(this);
    QPushButton* const cmdCancel = new QPushButton(this);

    // Esc closes the window as its button does.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace analyser::ui
