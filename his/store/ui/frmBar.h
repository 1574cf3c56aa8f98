// The progress window: a bar and a cancel button. Loading it tells clsBar
// it is visible and not cancelled; unloading it, by any road, tells clsBar
// it is gone.
#pragma once

#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

#include <cstdint>

class QCloseEvent;

namespace store {

class clsBar;
struct BarRules;

class frmBar : public QWidget {
    Q_OBJECT

public:
    frmBar(clsBar& owner, QWidget* mainWindow, const BarRules& rules);
    ~frmBar() override;

    // The form's controls, open to callers like a designed form's.
    QProgressBar* const ProgressBar1 = new QProgressBar(this);
    QPushButton* const cmdCancel = new QPushButton(this);

    // Bar from 0 to aMax, empty.
    void SetRange(int32_t aMax);
    void ShowValue(int32_t value);
    // Closes the window; it deletes itself once control is back in the
    // event loop, but counts as unloaded at once.
    void Unload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Design();
    void Form_Load(QWidget* mainWindow, const BarRules& rules);
    void Form_Unload();
    void cmdCancel_Click();

    clsBar* owner_;  // nullptr once unloaded
};

}  // namespace store
