// The print dialog: which printer, the whole history or the marked range,
// and whether character times are printed. OK hands the choices back
// through the viewer's state (PrintRange, PrintCharTime, PrintRequested).
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

#include "ViewerState.h"

namespace reports::ui {

class frmPrint : public QDialog {
    Q_OBJECT

public:
    // The dialog's font; the listing is printed in it.
    static constexpr char kFontName[] = "ＭＳ 明朝";

    // charTime: the history's CharTime property. setupAsk runs the printer
    // set-up dialog and answers true on OK.
    frmPrint(QWidget* owner, viewer::ViewerState& state, int16_t charTime,
             std::function<bool()> setupAsk);

    void cmdSet_Click();
    void cmdOk_Click();

    QLabel* const lblPrinter = new QLabel(this);
    QPushButton* const cmdSet = new QPushButton(this);
    QGroupBox* const Frame1 = new QGroupBox(this);
    QRadioButton* const optHani0 = new QRadioButton(Frame1);  // the marked range
    QRadioButton* const optHani1 = new QRadioButton(Frame1);  // everything
    QCheckBox* const chkTimeDsp = new QCheckBox(this);
    QPushButton* const cmdOk = new QPushButton(this);
    QPushButton* const cmdCancel = new QPushButton(this);

private:
    void Design();
    void PrinterLabelSet();

    viewer::ViewerState& state_;
    std::function<bool()> setupAsk_;
};

// "ﾌﾟﾘﾝﾀ：" and the current printer's name ("" after the colon when it is
// no longer installed).
QString PrinterLabel();

}  // namespace reports::ui
