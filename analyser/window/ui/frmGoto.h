// The jump window ("フレーム番号指定"): a row number, counted from 1 in the
// filtered list, typed or stepped with the up-down, made current by 実行.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <cstdint>

#include "platform/ui/UpDown.h"

namespace analyser::ui {

class frmMain;

class frmGoto : public QDialog {
    Q_OBJECT

public:
    explicit frmGoto(frmMain& main);

    // Sets the window up for current row vNow (0-based) among vMax rows,
    // places it and runs it modally.
    void ffrmGoToInit(int32_t vNow, int32_t vMax);
    void cmdGo_Click();
    // The up-down's value (1 to the row count).
    int32_t UpDownValue() const { return value_; }

    QLineEdit* const txtLine = new QLineEdit(this);
    platform::UpDown* const UpDownLine = new platform::UpDown(this);
    QPushButton* const cmdGo = new QPushButton(this);
    QPushButton* const cmdCancel = new QPushButton(this);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Step(bool up);

    frmMain& main_;
    int32_t max_ = 1;
    int32_t value_ = 1;
};

}  // namespace analyser::ui
