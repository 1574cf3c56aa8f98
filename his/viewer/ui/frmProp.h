// The properties window: the loaded history's recording conditions, in
// three tabs, shown and never edited. It stays open beside the main window
// and is refilled by every successful open.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include <string>

#include "PropPages.h"
#include "clsCommon.h"

namespace viewer::ui {

class frmProp : public QDialog {
    Q_OBJECT

public:
    frmProp(QWidget* owner, bool& propOpen);

    void DspProp(const store::clsCommon& doc);
    // A value label by its name ("lblBaud", "lblTrig1SdChar", ...).
    QLabel* Value(const std::string& name) const { return SSTab1->Value(name); }

    store::ui::PropPages* const SSTab1 = new store::ui::PropPages(this);
    QPushButton* const cmdCancel = new QPushButton(this);

public:
    // Escape closes the window the same way as its close button.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool& propOpen_;
};

}  // namespace viewer::ui
