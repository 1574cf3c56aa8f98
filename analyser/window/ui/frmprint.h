// The print dialog of the frame list: the whole list or the range between
// the BEGIN and END marks, and the printer. OK accepts the dialog; the
// caller then prints what optNo / optSel say.
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace analyser::ui {

class frmprint : public QDialog {
    Q_OBJECT

public:
    // rangeAvailable: both marks stand on rows of the list. setupAsk runs
    // the printer set-up dialog and answers true on OK.
    frmprint(QWidget* owner, bool rangeAvailable, std::function<bool()> setupAsk);

    // True when the whole list is chosen.
    bool AllChosen() const { return optNo->isChecked(); }

    void cmdPrinterSet_Click();

    QGroupBox* const Frame1 = new QGroupBox(this);
    QRadioButton* const optNo = new QRadioButton(Frame1);
    QRadioButton* const optSel = new QRadioButton(Frame1);
    QLabel* const lblPrinter = new QLabel(this);
    QPushButton* const cmdPrinterSet = new QPushButton(this);
    QPushButton* const cmdOK = new QPushButton(this);
    QPushButton* const cmdCanse = new QPushButton(this);

private:
    void Design();
    void PrinterLabelSet();

    std::function<bool()> setupAsk_;
};

}  // namespace analyser::ui
