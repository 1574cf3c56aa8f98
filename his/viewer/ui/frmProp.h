// The properties window: the loaded history's recording conditions, in
// three tabs, shown and never edited. It stays open beside the main window
// and is refilled by every successful open.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <map>
#include <string>

#include "PropTexts.h"
#include "clsCommon.h"

namespace viewer::ui {

class frmProp : public QDialog {
    Q_OBJECT

public:
    frmProp(QWidget* owner, bool& propOpen);

    void DspProp(const store::clsCommon& doc);
    // A value label by its name ("lblBaud", "lblTrig1SdChar", ...).
    QLabel* Value(const std::string& name) const;

    QTabWidget* const SSTab1 = new QTabWidget(this);
    QPushButton* const cmdCancel = new QPushButton(this);

public:
    // Escape closes the window the same way as its close button.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Row {
        const char* caption;  // nullptr: one of the lblCode captions
        const char* name;
    };
    QWidget* Tab(std::initializer_list<Row> rows);
    void Set(const char* name, const std::string& text, bool enabled = true);

    std::map<std::string, QLabel*> values_;
    std::vector<QLabel*> codeCaptions_;
    bool& propOpen_;
};

}  // namespace viewer::ui
