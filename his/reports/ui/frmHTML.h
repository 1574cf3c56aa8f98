// The HTML export window: the range and the character-time choice, then
// the save dialog, whose file type picks the standard or the detailed
// form. Modeless and owned by the main window; it closes after the export
// or when the save dialog is cancelled.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <string>

#include "ViewerState.h"

namespace reports::ui {

// The save dialog's filter; its entries' 1-based indexes are HtmlForm.
inline constexpr char kHtmlFilter[] = "標準 HTML Document (*.html);;詳細 HTML Document (*.html)";

struct HtmlAnswer {
    std::string Path;  // empty: cancelled
    int FilterIndex = 1;
};

class frmHTML : public QDialog {
    Q_OBJECT

public:
    // charTime: the history's CharTime property.
    frmHTML(QWidget* owner, viewer::ViewerState& state, int16_t charTime);

    // The save dialog, and the export of the chosen file with the chosen
    // form (1 standard, 2 detailed); the main window supplies both.
    std::function<HtmlAnswer()> FileAsk;
    std::function<void(const std::string& path, int form)> Write;

    void cmdOk_Click();
    void cmdCancel_Click();

    QGroupBox* const Frame1 = new QGroupBox(this);
    QRadioButton* const optHani0 = new QRadioButton(Frame1);  // the marked range
    QRadioButton* const optHani1 = new QRadioButton(Frame1);  // everything
    QCheckBox* const chkTimeDsp = new QCheckBox(this);
    QPushButton* const cmdOk = new QPushButton(this);
    QPushButton* const cmdCancel = new QPushButton(this);

private:
    void Design();

    viewer::ViewerState& state_;
};

}  // namespace reports::ui
